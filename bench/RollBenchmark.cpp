// How long a whole roll takes: the engine with all its checks, against the
// same work done on plain int16_t with no checks at all.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "QuietRoller.h"
#include "engine/Odds.h"
#include "engine/SuccessDistribution.h"

namespace corvane {
namespace {

void BM_Roll(benchmark::State& benchState) {
    QuietRoller quiet(benchState.range(0));
    for (auto _ : benchState) {
        quiet.roller.Roll(RollType::NewRoll);
        benchmark::DoNotOptimize(quiet.roller.State().TotalRoll);
    }
}

struct BaselineTally {
    std::int16_t successes = 0, failurePoint = 0, total = 0, high = 0;
};

// The same roll, comb sort and tally with no checks and no interfaces.
void BM_Baseline(benchmark::State& benchState) {
    const auto dice = static_cast<std::int16_t>(benchState.range(0));
    const std::int16_t target = 4;
    Pcg32Random random(2026);
    SystemClock clock;
    std::vector<std::int16_t> pool;
    BaselineTally tally;
    for (auto _ : benchState) {
        random.Reseed(clock.SecondsSinceMidnight());
        pool.assign(static_cast<std::size_t>(dice) + 1, 0);
        for (std::int16_t i = 1; i <= dice; ++i) {
            std::int16_t face = 0;
            do {
                face = static_cast<std::int16_t>(
                    std::floor(static_cast<double>(random.Next()) * 6.0 + 1.0));
                pool[static_cast<std::size_t>(i)] =
                    static_cast<std::int16_t>(pool[static_cast<std::size_t>(i)] + face);
            } while (face == 6);
        }
        std::int16_t gap = dice;
        bool swapped = false;
        do {
            gap = static_cast<std::int16_t>(std::floor(gap / 1.3));
            if (gap < 1) gap = 1;
            swapped = false;
            for (int i = 1; i <= dice - gap; ++i) {
                if (pool[static_cast<std::size_t>(i)] < pool[static_cast<std::size_t>(i + gap)]) {
                    std::swap(pool[static_cast<std::size_t>(i)],
                              pool[static_cast<std::size_t>(i + gap)]);
                    swapped = true;
                }
            }
        } while (swapped || gap != 1);
        tally = {};
        for (int i = 1; i <= dice; ++i) {
            const std::int16_t die = pool[static_cast<std::size_t>(i)];
            if (die >= target) {
                ++tally.successes;
            } else if (tally.failurePoint == 0) {
                tally.failurePoint = static_cast<std::int16_t>(i);
            }
            tally.total = static_cast<std::int16_t>(tally.total + die);
        }
        tally.high = pool[1];
        benchmark::DoNotOptimize(tally);
    }
}

// Everything the window's odds tooltips need after one roll: each die's
// chance, the chance of the successes rolled and of a botch, and both rerolls
// with the marker halfway down the list.
void BM_Odds(benchmark::State& benchState) {
    QuietRoller quiet(benchState.range(0));
    quiet.roller.Roll(RollType::NewRoll);
    const RollerState& state = quiet.roller.State();
    const Int16 middleRow = Int16::From(benchState.range(0) / 2);
    for (auto _ : benchState) {
        const int pool = state.DiceCount.Value();
        const double dieChance = DieChance(state.TargetNumber);
        benchmark::DoNotOptimize(AtLeastChance(pool, state.Successes.Value(), dieChance));
        benchmark::DoNotOptimize(BotchChance(pool));
        benchmark::DoNotOptimize(RerollFailuresOdds(state));
        benchmark::DoNotOptimize(RerollFromMarkerOdds(state, middleRow));
    }
}

// Everything one redraw of the chances chart needs: the pool's distribution of
// successes and both rerolls', with the marker halfway down the list.
void BM_Chances(benchmark::State& benchState) {
    QuietRoller quiet(benchState.range(0));
    quiet.roller.Roll(RollType::NewRoll);
    const RollerState& state = quiet.roller.State();
    const Int16 middleRow = Int16::From(benchState.range(0) / 2);
    for (auto _ : benchState) {
        benchmark::DoNotOptimize(
            SuccessDistribution::OfNewRoll(state.DiceCount.Value(), DieChance(state.TargetNumber)));
        benchmark::DoNotOptimize(SuccessDistribution::AfterRerollFailures(state));
        benchmark::DoNotOptimize(SuccessDistribution::AfterRerollFromMarker(state, middleRow));
    }
}

BENCHMARK(BM_Roll)->Arg(6)->Arg(100)->Arg(1000)->Arg(7000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Baseline)->Arg(6)->Arg(100)->Arg(1000)->Arg(7000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Odds)->Arg(6)->Arg(100)->Arg(1000)->Arg(7000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Chances)->Arg(6)->Arg(100)->Arg(1000)->Arg(7000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
