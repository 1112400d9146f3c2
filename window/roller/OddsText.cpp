#include "window/roller/OddsText.h"

#include <QCoreApplication>

#include "engine/Odds.h"
#include "engine/Roller.h"
#include "window/common/CountText.h"
#include "window/common/EngineText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::OddsText)
};

QString Number(int value) { return QString::number(value); }

QString Expected(const RerollOdds& odds) {
    //: %1 is a decimal, %2 a whole number, %3 a percentage.
    return Words::tr("%1 successes expected (now %2);\n%3 chance to gain at least one.")
        .arg(DecimalText(odds.ExpectedAfter), Number(odds.SuccessesNow),
             PercentText(odds.GainChance));
}

}  // namespace

QString TargetOddsText(std::string_view targetText) {
    const std::optional<Int16> target = TryFieldNumber(targetText);
    if (!target) return TargetRangeHint();
    return Words::tr("Each die succeeds %1 of the time at target %2.")
        .arg(PercentText(DieChance(*target)), Number(target->Value()));
}

QString SuccessOddsText(const RollerState& state) {
    const int dice = state.DiceCount.Value();
    const int successes = state.Successes.Value();
    const double dieChance = DieChance(state.TargetNumber);
    // The dice follow "with", which some languages decline, so they keep words
    // of their own here.
    const QString pool = Words::tr("%n dice", nullptr, dice);
    //: %1 is "3 successes", %2 "5 dice", %3 the target number, %4 and %5 percentages.
    return Words::tr("Chance of at least %1 with %2 at target %3: %4.\nChance of a botch: %5.")
        .arg(SuccessCount(successes), pool, Number(state.TargetNumber.Value()),
             PercentText(AtLeastChance(dice, successes, dieChance)),
             PercentText(BotchChance(dice)));
}

QString FailuresOddsText(const RollerState& state) {
    const RerollOdds odds = RerollFailuresOdds(state);
    if (odds.Rerolled == 0) return EngineText(kNoFailuresMessage);
    const QString failures = Words::tr("%n failures", nullptr, odds.Rerolled);
    //: %1 is "2 failures"; %2 the expected successes after the reroll.
    return Words::tr("Rerolling %1:\n%2").arg(failures, Expected(odds));
}

QString MarkerOddsText(const RollerState& state, Int16 markedRow) {
    const RerollOdds odds = RerollFromMarkerOdds(state, markedRow);
    if (odds.Rerolled == 0) {
        return Words::tr("Select a die in the list to reroll it and every die below it.");
    }
    const int below = odds.Rerolled - 1;
    //: %1 is the expected successes after the reroll.
    const QString text =
        below == 0 ? Words::tr("Rerolling the selected die:\n%1")
                   : Words::tr("Rerolling the selected die and %n below it:\n%1", nullptr, below);
    return text.arg(Expected(odds));
}

}  // namespace corvane
