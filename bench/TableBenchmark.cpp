// What the shared table costs: one round for eight members (every message
// signed, entered and checked, the seed, the stream and the engine's roll),
// and checking a whole evening's transcript from the file's text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "TableRig.h"

namespace corvane {
namespace {

using testing_support::TableRig;

std::vector<std::string> EightNames() {
    std::vector<std::string> names;
    for (int i = 0; i < 8; ++i) names.push_back("member " + std::to_string(i));
    return names;
}

void PlayRound(TableRig& rig, std::int16_t dice) {
    const std::uint32_t round = rig.NextRound();
    rig.Request(round % 8, TableRig::NewRoll(round, dice, 4));
    rig.RevealAll(round);
}

void BM_TableRound(benchmark::State& benchState) {
    const auto dice = static_cast<std::int16_t>(benchState.range(0));
    TableRig rig(EightNames());
    for (auto _ : benchState) {
        PlayRound(rig, dice);
        if (rig.Last().status != table::RoundStatus::Done) {
            benchState.SkipWithError("the round did not complete");
            break;
        }
    }
}
BENCHMARK(BM_TableRound)->Arg(6)->Arg(7000)->Unit(benchmark::kMillisecond);

void BM_CheckTranscript(benchmark::State& benchState) {
    TableRig rig(EightNames());
    for (int r = 0; r < benchState.range(0); ++r) PlayRound(rig, 6);
    const std::string transcript = rig.Transcript();
    for (auto _ : benchState) {
        const table::CheckReport report = table::CheckTranscript(transcript);
        if (report.fault) {
            benchState.SkipWithError("the transcript does not check");
            break;
        }
    }
}
BENCHMARK(BM_CheckTranscript)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
