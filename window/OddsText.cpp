#include "window/OddsText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "engine/Odds.h"
#include "engine/Roller.h"
#include "window/CountText.h"
#include "window/EngineText.h"
#include "window/RollerControls.h"

namespace corvane {
namespace {

QString Number(int value) { return QString::number(value); }

// The odds write their decimals the way the language of their words does:
// "50.0%" in English, "50,0 %" in German. The translation names its locale.
QLocale NumberLocale() {
    //: The locale whose numbers the odds are written in, such as de_DE.
    QLocale locale(QCoreApplication::translate("corvane::OddsText", "C"));
    // Counts elsewhere in the window have no grouping either.
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Percent(double percent) { return PercentLabel(percent, 1); }

QString Expected(const RerollOdds& odds) {
    //: %1 is a decimal, %2 a whole number, %3 a percentage.
    return QCoreApplication::translate(
               "corvane::OddsText",
               "%1 successes expected (now %2);\n%3 chance to gain at least one.")
        .arg(DecimalText(odds.ExpectedAfter), Number(odds.SuccessesNow),
             PercentText(odds.GainChance));
}

void SetOdds(QWidget* control, const QString& text) {
    control->setToolTip(text);
    control->setAccessibleDescription(text);
}

}  // namespace

QString DecimalText(double value, int places) {
    return NumberLocale().toString(value, 'f', places);
}

QString PercentLabel(double percent, int places) {
    return QCoreApplication::translate("corvane::OddsText", "%1%")
        .arg(DecimalText(percent, places));
}

QString PercentText(double chance) {
    if (chance <= 0.0) return Percent(0.0);
    if (chance >= 1.0) return Percent(100.0);
    // Rounding would turn these into 0.0% and 100.0%, which they are not.
    if (chance < 0.001) return QStringLiteral("< ") + Percent(0.1);
    if (chance > 0.999) return QStringLiteral("> ") + Percent(99.9);
    return Percent(chance * 100.0);
}

QString TargetOddsText(std::string_view targetText) {
    Int16 target;
    try {
        target = FieldNumber(targetText);
    } catch (const RuntimeError&) {
        return QCoreApplication::translate(
            "corvane::OddsText", "Type a target from -32768 to 32767 to see each die's chance.");
    }
    return QCoreApplication::translate("corvane::OddsText",
                                       "Each die succeeds %1 of the time at target %2.")
        .arg(PercentText(DieChance(target)), Number(target.Value()));
}

QString SuccessOddsText(const RollerState& state) {
    const int dice = state.DiceCount.Value();
    const int successes = state.Successes.Value();
    const double dieChance = DieChance(state.TargetNumber);
    // The dice follow "with", which some languages decline, so they keep words
    // of their own here; English has no translation file, so its singular is
    // a text of its own.
    const QString pool =
        dice == 1 ? QCoreApplication::translate("corvane::OddsText", "1 die")
                  : QCoreApplication::translate("corvane::OddsText", "%n dice", nullptr, dice);
    //: %1 is "3 successes", %2 "5 dice", %3 the target number, %4 and %5 percentages.
    return QCoreApplication::translate(
               "corvane::OddsText",
               "Chance of at least %1 with %2 at target %3: %4.\nChance of a botch: %5.")
        .arg(SuccessCount(successes), pool, Number(state.TargetNumber.Value()),
             PercentText(AtLeastChance(dice, successes, dieChance)),
             PercentText(BotchChance(dice)));
}

QString FailuresOddsText(const RollerState& state) {
    const RerollOdds odds = RerollFailuresOdds(state);
    if (odds.Rerolled == 0) return EngineText(kNoFailuresMessage);
    const QString failures = odds.Rerolled == 1
                                 ? QCoreApplication::translate("corvane::OddsText", "1 failure")
                                 : QCoreApplication::translate("corvane::OddsText", "%n failures",
                                                               nullptr, odds.Rerolled);
    //: %1 is "2 failures"; %2 the expected successes after the reroll.
    return QCoreApplication::translate("corvane::OddsText", "Rerolling %1:\n%2")
        .arg(failures, Expected(odds));
}

QString MarkerOddsText(const RollerState& state, Int16 markedRow) {
    const RerollOdds odds = RerollFromMarkerOdds(state, markedRow);
    if (odds.Rerolled == 0) {
        return QCoreApplication::translate(
            "corvane::OddsText", "Select a die in the list to reroll it and every die below it.");
    }
    const int below = odds.Rerolled - 1;
    //: %1 is the expected successes after the reroll.
    const QString text =
        below == 0
            ? QCoreApplication::translate("corvane::OddsText", "Rerolling the selected die:\n%1")
            : QCoreApplication::translate("corvane::OddsText",
                                          "Rerolling the selected die and %n below it:\n%1",
                                          nullptr, below);
    return text.arg(Expected(odds));
}

void ShowOdds(const RollerControls& ui, const RollerState& state, std::string_view targetText,
              Int16 markedRow) {
    SetOdds(ui.txtInput[1], TargetOddsText(targetText));
    SetOdds(ui.lblResult[0], SuccessOddsText(state));
    SetOdds(ui.Command1, FailuresOddsText(state));
    SetOdds(ui.Command2, MarkerOddsText(state, markedRow));
}

}  // namespace corvane
