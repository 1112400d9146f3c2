#include "window/OddsText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/Odds.h"
#include "engine/Roller.h"
#include "window/RollerControls.h"

namespace corvane {
namespace {

QString Number(int value) { return QString::number(value); }

// "1 die", "2 dice".
QString Count(int value, const char* one, const char* many) {
    return Number(value) + QLatin1Char(' ') + QLatin1String(value == 1 ? one : many);
}

QString Expected(const RerollOdds& odds) {
    return QStringLiteral("%1 successes expected (now %2);\n%3 chance to gain at least one.")
        .arg(QString::number(odds.ExpectedAfter, 'f', 1), Number(odds.SuccessesNow),
             PercentText(odds.GainChance));
}

void SetOdds(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->setAccessibleDescription(text);
}

}  // namespace

QString PercentText(double chance) {
    if (chance <= 0.0) return QStringLiteral("0.0%");
    if (chance >= 1.0) return QStringLiteral("100.0%");
    // Rounding would turn these into 0.0% and 100.0%, which they are not.
    if (chance < 0.001) return QStringLiteral("< 0.1%");
    if (chance > 0.999) return QStringLiteral("> 99.9%");
    return QString::number(chance * 100.0, 'f', 1) + QLatin1Char('%');
}

QString TargetOddsText(std::string_view targetText) {
    Int16 target;
    try {
        target = FieldNumber(targetText);
    } catch (const RuntimeError&) {
        return QStringLiteral("Type a target from -32768 to 32767 to see each die's chance.");
    }
    return QStringLiteral("Each die succeeds %1 of the time at target %2.")
        .arg(PercentText(DieChance(target)), Number(target.Value()));
}

QString SuccessOddsText(const RollerState& state) {
    const int dice = state.DiceCount.Value();
    const int successes = state.Successes.Value();
    const double dieChance = DieChance(state.TargetNumber);
    return QStringLiteral("Chance of at least %1 with %2 at target %3: %4.\nChance of a botch: %5.")
        .arg(Count(successes, "success", "successes"), Count(dice, "die", "dice"),
             Number(state.TargetNumber.Value()),
             PercentText(AtLeastChance(dice, successes, dieChance)),
             PercentText(BotchChance(dice)));
}

QString FailuresOddsText(const RollerState& state) {
    const RerollOdds odds = RerollFailuresOdds(state);
    if (odds.Rerolled == 0) return QString::fromUtf8(kNoFailuresMessage);
    return QStringLiteral("Rerolling %1:\n").arg(Count(odds.Rerolled, "failure", "failures")) +
           Expected(odds);
}

QString MarkerOddsText(const RollerState& state, Int16 markedRow) {
    const RerollOdds odds = RerollFromMarkerOdds(state, markedRow);
    if (odds.Rerolled == 0) {
        return QStringLiteral("Select a die in the list to reroll it and every die below it.");
    }
    const QString dice = odds.Rerolled == 1
                             ? QStringLiteral("Rerolling the selected die:\n")
                             : QStringLiteral("Rerolling the selected die and %1 below it:\n")
                                   .arg(Number(odds.Rerolled - 1));
    return dice + Expected(odds);
}

void ShowOdds(const RollerControls& ui, const RollerState& state, std::string_view targetText,
              Int16 markedRow) {
    SetOdds(ui.txtInput[1], TargetOddsText(targetText));
    SetOdds(ui.lblResult[0], SuccessOddsText(state));
    SetOdds(ui.Command1, FailuresOddsText(state));
    SetOdds(ui.Command2, MarkerOddsText(state, markedRow));
}

}  // namespace corvane
