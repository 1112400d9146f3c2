// Bytes become a new roll's chances and an evening of rolls, with each roll's
// luck and the evening's luck and fairness.
// Every chance is finite and within [0, 1], and one more success in any roll
// leaves the evening's chance of "at least this lucky" no higher and its
// percentile ("at most this lucky") no lower.
#include <bit>
#include <cmath>
#include <vector>

#include "ByteReader.h"
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
    Check(chances.Mean() >= 0.0 && chances.Mean() <= dice);
    Check(0 <= chances.FirstShown() && chances.FirstShown() <= chances.LastShown() &&
          chances.LastShown() <= dice && chances.MostLikely() <= dice);
    double total = 0.0;
    for (int k = -1; k <= dice + 1; ++k) {
        CheckChance(chances.Exactly(k));
        total += chances.Exactly(k);
        if (k % (1 + dice / 64) == 0) CheckChance(chances.AtLeast(k));
    }
    Check(std::abs(total - 1.0) < 1e-9);
}

EveningLuck CheckedLuck(const std::vector<RollRecord>& evening) {
    EveningTally tally;
    for (const RollRecord& record : evening) tally.Add(record);
    const EveningLuck luck = tally.Luck();
    CheckChance(luck.AtLeastThisLucky);
    CheckChance(luck.AtMostThisLucky);
    Check(evening.empty() || std::abs(luck.AtLeastThisLucky + luck.AtMostThisLucky - 1.0) <= 1e-12);
    const FairnessCheck fairness = CheckFairness(tally.Faces());
    CheckChance(fairness.PValue);
    Check((fairness.Finding == FairnessFinding::NoDice) == evening.empty());
    return luck;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    const int dice = bytes.Word();
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | bytes.Byte();
    // A die chance from a target, or now and then any double at all.
    const double chance = bits % 4 ? DieChance(Int16(bytes.Word())) : std::bit_cast<double>(bits);
    CheckDistribution(SuccessDistribution::OfNewRoll(dice, chance));

    // Up to 11 rolls of up to 32766 dice, any target, any successes.
    std::vector<RollRecord> evening;
    for (int roll = bytes.Byte() % 12; roll > 0; --roll) {
        RollRecord& next = evening.emplace_back();
        const int thrown = bytes.Byte() == 255 ? 32766 : 1 + bytes.Byte();
        next.After.TargetNumber = Int16::From(bytes.Byte() % 2 ? bytes.Word() : bytes.Byte() % 16);
        next.Thrown.Count = Int16::From(thrown);
        next.Thrown.Successes =
            Int16::From(static_cast<std::uint16_t>(bytes.Word()) % (thrown + 1));
        next.Thrown.LastFaces[bytes.Byte() % 5] = Int16::From(thrown);
        next.Thrown.Sixes = Int16(bytes.Byte());
    }
    for (const RollRecord& record : evening) {
        const RollLuck luck = LuckOfRoll(record);
        CheckChance(luck.AtLeastAsWell);
        CheckChance(luck.AtMostAsWell);
        Check(luck.AtLeastAsWell + luck.AtMostAsWell >= 1.0 - 1e-12);
    }
    const EveningLuck before = CheckedLuck(evening);
    if (evening.empty()) return 0;
    ThrownDice& luckier = evening[bytes.Byte() % evening.size()].Thrown;
    if (luckier.Successes == luckier.Count) return 0;
    ++luckier.Successes;
    const EveningLuck after = CheckedLuck(evening);
    Check(after.AtLeastThisLucky <= before.AtLeastThisLucky);
    Check(after.AtMostThisLucky >= before.AtMostThisLucky);
    return 0;
}
