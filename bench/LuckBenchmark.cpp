// The luck of a roll and of the evening, against BM_Roll in the same run: a
// roll's luck should cost no more than a tenth of the roll, and the evening's
// update after the 1000th roll of 7000 dice less than 2 ms.
#include <benchmark/benchmark.h>

#include <cmath>

#include "QuietRoller.h"
#include "engine/EveningLuck.h"
#include "engine/Odds.h"
#include "engine/RollLuck.h"

namespace corvane {
namespace {

void BM_RollLuck(benchmark::State& benchState) {
    QuietRoller quiet(benchState.range(0));
    quiet.roller.Roll(RollType::NewRoll);
    const RollRecord& record = *quiet.roller.LastRecord();
    for (auto _ : benchState) benchmark::DoNotOptimize(LuckOfRoll(record));
}

// 7000 dice at `target`, with the successes fair dice expect.
RollRecord ExpectedRoll(int target) {
    RollRecord record;
    record.After.TargetNumber = Int16::From(target);
    record.Thrown.Count = Int16(7000);
    record.Thrown.Successes = Int16::From(std::lround(7000 * DieChance(record.After.TargetNumber)));
    record.Thrown.LastFaces = {Int16(1400), Int16(1400), Int16(1400), Int16(1400), Int16(1400)};
    record.Thrown.Sixes = Int16(1400);
    return record;
}

// The second argument is how many targets the evening's rolls take turns at.
// The evening's fairness is measured apart, as the window asks for it only
// when it shows it.
void BM_EveningUpdate(benchmark::State& benchState) {
    const auto targets = static_cast<int>(benchState.range(1));
    EveningTally evening;
    for (int roll = 1; roll < benchState.range(0); ++roll)
        evening.Add(ExpectedRoll(2 + roll % targets));
    const RollRecord last = ExpectedRoll(2);
    for (auto _ : benchState) {
        EveningTally updated = evening;
        updated.Add(last);
        benchmark::DoNotOptimize(updated.Luck());
    }
}

void BM_EveningFairness(benchmark::State& benchState) {
    EveningTally evening;
    for (int roll = 0; roll < benchState.range(0); ++roll) evening.Add(ExpectedRoll(4));
    for (auto _ : benchState) benchmark::DoNotOptimize(CheckFairness(evening.Faces()));
}

BENCHMARK(BM_RollLuck)->Arg(6)->Arg(7000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EveningUpdate)
    ->ArgsProduct({{1000}, {1, 7}})
    ->ArgNames({"rolls", "targets"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EveningFairness)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
