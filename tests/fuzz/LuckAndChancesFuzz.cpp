// Bytes become a roll (its luck, and the chances of a new roll and of both
// rerolls after it) and an evening of rolls (its luck and its fairness). Every
// chance must be finite and within [0, 1], the chances of counts must keep
// their order, and one more success in any roll must make the evening no less
// lucky: its chance of at least this lucky never rises, its percentile (the
// chance of at most this lucky) never falls.
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ByteReader.h"
#include "EngineFakes.h"
#include "engine/EveningLuck.h"
#include "engine/Odds.h"
#include "engine/RollLuck.h"
#include "engine/SuccessDistribution.h"

using namespace corvane;
using namespace corvane::testing_support;

namespace {

void CheckChance(double chance) { Check(std::isfinite(chance) && chance >= 0.0 && chance <= 1.0); }

void CheckDistribution(const SuccessDistribution& chances) {
    const int dice = chances.Dice();
    Check(dice >= 0 && dice <= 32767);
    Check(std::isfinite(chances.Mean()) && chances.Mean() >= 0.0 && chances.Mean() <= dice);
    for (int landmark : {chances.MostLikely(), chances.FirstShown(), chances.LastShown()}) {
        Check(landmark >= 0 && landmark <= dice);
    }
    Check(chances.FirstShown() <= chances.LastShown());
    double total = 0.0;
    for (int k = -1; k <= dice + 1; ++k) {
        CheckChance(chances.Exactly(k));
        total += chances.Exactly(k);
    }
    Check(std::abs(total - 1.0) < 1e-9);
    double previous = 1.0;
    for (int k = -1; k <= dice + 1; k += 1 + dice / 64) {
        const double atLeast = chances.AtLeast(k);
        CheckChance(atLeast);
        Check(atLeast <= previous);
        previous = atLeast;
    }
}

double AnyChance(ByteReader& bytes) {
    if (bytes.Byte() % 4 != 0) return DieChance(Int16(bytes.Word()));
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | bytes.Byte();
    return std::bit_cast<double>(bits);
}

void CheckEvening(const EveningLuck& luck) {
    CheckChance(luck.AtLeastThisLucky);
    CheckChance(luck.AtMostThisLucky);
    Check(luck.AtLeastThisLucky + luck.AtMostThisLucky >= 1.0 - 1e-12);
    Check(std::isfinite(luck.ExpectedSuccesses));
}

// A roll of up to 32766 dice with any target and any count of successes.
RollRecord AnyRecord(ByteReader& bytes) {
    RollRecord record;
    const int dice = bytes.Byte() == 255 ? 32766 : 1 + bytes.Byte();
    record.After.TargetNumber = Int16::From(bytes.Byte() % 2 ? bytes.Word() : bytes.Byte() % 16);
    record.Thrown.Count = Int16::From(dice);
    record.Thrown.Successes = Int16::From(static_cast<std::uint16_t>(bytes.Word()) % (dice + 1));
    record.Thrown.LastFaces[bytes.Byte() % 5] = Int16::From(dice);
    record.Thrown.Sixes = Int16(static_cast<std::int16_t>(bytes.Byte()));
    return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    CheckDistribution(SuccessDistribution::OfNewRoll(bytes.Word(), AnyChance(bytes)));

    RollerRig rig;
    std::vector<float> draws;
    for (int i = 0; i < 8; ++i) draws.push_back(static_cast<float>(bytes.Byte()) / 256.0F);
    rig.random.cycle = true;
    try {
        rig.NewRoll(std::to_string(bytes.Byte()), std::to_string(bytes.Word()), draws);
    } catch (const RuntimeError&) {
        // A pool past 32767 in all: nothing was rolled, and the rest still counts.
    }
    if (const auto& record = rig.roller.LastRecord()) {
        const RollLuck luck = LuckOfRoll(*record);
        CheckChance(luck.AtLeastAsWell);
        CheckChance(luck.AtMostAsWell);
        Check(luck.AtLeastAsWell + luck.AtMostAsWell >= 1.0 - 1e-12);
        CheckDistribution(SuccessDistribution::AfterRerollFailures(record->After));
        CheckDistribution(
            SuccessDistribution::AfterRerollFromMarker(record->After, Int16(bytes.Word())));
    }

    std::vector<RollRecord> evening;
    for (int roll = bytes.Byte() % 12; roll > 0; --roll) evening.push_back(AnyRecord(bytes));
    EveningTally tally;
    for (const RollRecord& record : evening) tally.Add(record);
    const EveningLuck before = tally.Luck();
    CheckEvening(before);
    const FairnessCheck fairness = CheckFairness(tally.Faces());
    CheckChance(fairness.PValue);
    Check(fairness.Face >= 0 && fairness.Face <= 6);
    Check((fairness.Finding == FairnessFinding::NoDice) == evening.empty());

    if (evening.empty()) return 0;
    RollRecord& luckier = evening[bytes.Byte() % evening.size()];
    if (luckier.Thrown.Successes == luckier.Thrown.Count) return 0;
    ++luckier.Thrown.Successes;
    EveningTally after;
    for (const RollRecord& record : evening) after.Add(record);
    const EveningLuck more = after.Luck();
    CheckEvening(more);
    Check(more.Exact == before.Exact);
    Check(more.AtLeastThisLucky <= before.AtLeastThisLucky);
    Check(more.AtMostThisLucky >= before.AtMostThisLucky);
    return 0;
}
