#include "table/RoundRoll.h"

#include <string>

#include "runtime/EventYield.h"
#include "table/SeedStream.h"

namespace corvane::table {
namespace {

// Answers the roller as the window would, from the round's request.
class RequestView final : public RollerView {
public:
    RequestView(std::int16_t dice, std::int16_t target, Int16 rows, std::int16_t marker)
        : dice_(std::to_string(dice)),
          target_(std::to_string(target)),
          rows_(rows),
          marker_(marker) {}

    std::string DiceText() override { return dice_; }
    std::string TargetText() override { return target_; }
    Int16 RowCount() override { return rows_; }
    Int16 MarkedRow() override { return Int16(static_cast<std::int16_t>(marker_ - 1)); }
    void SetStatusMessage(std::string_view text) override { refusal = text; }
    void Beep() override {}
    void ShowOutcome() override {}

    std::string refusal;

private:
    std::string dice_;
    std::string target_;
    Int16 rows_;
    std::int16_t marker_;
};

// The dice ignore the time: the seed alone decides them.
class NoClock final : public Clock {
public:
    float SecondsSinceMidnight() override { return 0.0F; }
};

}  // namespace

RoundResult RollRound(RollKind roll, std::int16_t dice, std::int16_t target, std::int16_t marker,
                      const RollerState* earlier, const Hash& seed) {
    RequestView view(dice, target, earlier ? earlier->DiceCount : Int16(), marker);
    SeedStream stream(seed);
    NoClock clock;
    ImmediateYield yield;
    Roller roller(view, stream, clock, yield);
    if (earlier) roller.ResumeFrom(*earlier);
    RoundResult result;
    try {
        result.outcome = roller.Roll(static_cast<RollType>(roll));
    } catch (const RollFailure& failure) {
        result.fault = failure.Fault();
    }
    result.state = roller.State();
    result.refusal = view.refusal;
    result.record = roller.LastRecord();
    return result;
}

}  // namespace corvane::table
