// Bytes become a run of roller operations: new rolls with arbitrary texts,
// both rerolls with arbitrary markers, rolls asked for from inside the sort,
// and the window closing mid-sort. After each one the roller must either have
// completed a consistent roll or have kept everything exactly as it was.
#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "ByteReader.h"
#include "EngineFakes.h"

using namespace corvane;
using namespace corvane::testing_support;

namespace {

// A completed roll: sorted pool, shown in the list, with a tally that adds up.
void CheckCompleted(const RollerState& state, const FakeView& view) {
    const auto pool = Pool(state);
    Check(!pool.empty() && state.DiceCount.Value() == static_cast<int>(pool.size()));
    Check(std::is_sorted(pool.rbegin(), pool.rend()));
    Check(view.rows == pool && view.markedRow == Int16(-1));
    const PoolTally tally = TallyOf(pool, state.TargetNumber.Value());
    Check(state.Successes.Value() == tally.successes);
    Check(state.FailurePoint.Value() == tally.failurePoint);
    Check(state.TotalRoll.Value() == tally.total);
    Check(state.HighRoll.Value() == tally.high);
    Check(state.IsBotch() == tally.botch);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    RollerRig rig;
    std::vector<float> draws;
    for (int i = 0; i < 16; ++i) draws.push_back(static_cast<float>(bytes.Byte()) / 256.0F);
    rig.random.Script(draws);
    rig.random.cycle = true;

    for (int operations = 0; operations < 16 && !bytes.Empty(); ++operations) {
        const RollerState before = rig.roller.State();
        const auto rowsBefore = rig.view.rows;
        const int shownBefore = rig.view.outcomesShown;
        RollType rollType = RollType::NewRoll;
        rig.yield.duringYield = nullptr;

        switch (bytes.Byte() % 6) {
            case 0:
                // Pools of up to 99 dice, now and then 999, keep runs quick.
                // Totals still pass 32767 when the draws bring many sixes; the
                // pools of 32767 dice are left to the model test.
                rig.view.diceText = bytes.Text(bytes.Byte() < 4 ? 3 : 2);
                rig.view.targetText = bytes.Text(8);
                break;
            case 1:
                rollType = RollType::RerollFailures;
                break;
            case 2:
                rollType = RollType::RerollFromMarker;
                rig.view.markedRow = Int16(static_cast<std::int16_t>(bytes.Byte() % 8 - 2));
                break;
            case 3: {  // a click arrives while the sort runs the window's events
                const auto nested = static_cast<RollType>(bytes.Word());
                rig.yield.duringYield = [&rig, nested] {
                    Check(rig.roller.Roll(nested) == RollOutcome::Ignored);
                    return YieldOutcome::Continue;
                };
                break;
            }
            case 4: {  // the window closes after a few passes of the sort
                const int passes = bytes.Byte() % 4;
                rig.yield.duringYield = [passes, seen = 0]() mutable {
                    return ++seen > passes ? YieldOutcome::WindowClosing : YieldOutcome::Continue;
                };
                break;
            }
            default:
                rollType = static_cast<RollType>(bytes.Word());
                rig.view.markedRow = Int16(bytes.Word());
                break;
        }

        RollOutcome outcome;
        try {
            outcome = rig.roller.Roll(rollType);
        } catch (const RuntimeError& error) {
            Check(error.Number() == ErrorNumber::Overflow ||
                  error.Number() == ErrorNumber::SubscriptOutOfRange);
            Check(rig.roller.State() == before && rig.view.rows == rowsBefore);
            Check(rig.view.outcomesShown == shownBefore);
            Check(!rig.roller.IsRolling());
            continue;
        }
        Check(!rig.roller.IsRolling());
        switch (outcome) {
            case RollOutcome::Completed:
                Check(rig.view.outcomesShown == shownBefore + 1);
                CheckCompleted(rig.roller.State(), rig.view);
                break;
            case RollOutcome::Refused:
                Check(rig.view.status == kNoFailuresMessage || rig.view.status == kNoMarkerMessage);
                Check(rig.view.rows == rowsBefore && rig.view.outcomesShown == shownBefore);
                break;
            case RollOutcome::Abandoned:
            case RollOutcome::Ignored:  // only a nested request may be ignored
                Check(outcome == RollOutcome::Abandoned);
                Check(rig.roller.State() == before && rig.view.rows == rowsBefore);
                break;
        }
    }
    return 0;
}
