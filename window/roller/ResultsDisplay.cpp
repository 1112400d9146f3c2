#include "window/roller/ResultsDisplay.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>

#include "engine/Limits.h"
#include "engine/PoolTotal.h"
#include "engine/RollFailure.h"
#include "engine/RollerState.h"
#include "runtime/NumberText.h"
#include "window/common/ItemFocus.h"
#include "window/common/NumberFormat.h"
#include "window/roller/OddsText.h"
#include "window/roller/ResultsModel.h"
#include "window/roller/RollerControls.h"

namespace corvane {
namespace {

QString Text(Int16 value) { return QString::fromStdString(ToText(value)); }

// Writing a field's unchanged text again would have screen readers read it
// out as deleted and typed anew, over what the roll has to say.
void ShowInField(QLineEdit* field, const QString& text) {
    if (field->text() != text) field->setText(text);
}

}  // namespace

ResultsDisplay::ResultsDisplay(const RollerControls& ui, const RollerState& state)
    : ui_(ui), state_(state), rows_(new ResultsModel(state, ui.lstResults)) {
    ui_.lstResults->setModel(rows_);
    KeepCurrentRowHeard(*ui_.lstResults);
}

void ResultsDisplay::DisplayResults() {
    ShowInField(ui_.txtInput[0], Text(state_.DiceCount));
    ShowInField(ui_.txtInput[1], Text(state_.TargetNumber));
    QString successes = Text(state_.Successes);
    if (state_.IsBotch()) successes = tr("%1 (botch)").arg(successes);
    ui_.lblResult[0]->setText(successes);
    ui_.lblResult[0]->setAccessibleName(tr("Successes: %1").arg(successes));
    ui_.lblResult[1]->setText(HighAndTotalText(state_.HighRoll, state_.TotalRoll));
    RefreshRows();
    // English says "1 successes." too, as the window always has: its catalogue
    // gives this text the one form; a translation gives its own language's plural.
    ui_.lblStatus->setText(tr("%n successes.", nullptr, state_.Successes.Value()));
}

void ResultsDisplay::RefreshRows() {
    QListView* list = ui_.lstResults;
    // A roll made from the list's keys leaves the list's place where it was,
    // unselected, so the focus stays in sight and the arrow keys go on from it.
    const int place = list->hasFocus() ? std::max(0, list->currentIndex().row()) : -1;
    rows_->Refresh();
    if (place < 0 || rows_->rowCount() == 0) return;
    list->selectionModel()->setCurrentIndex(rows_->index(std::min(place, rows_->rowCount() - 1)),
                                            QItemSelectionModel::NoUpdate);
}

void ResultsDisplay::UpdateOdds(std::string_view targetText, Int16 markedRow) {
    // The tooltip, and the description screen readers give the control.
    const auto show = [](QWidget* control, const QString& odds) {
        control->setToolTip(odds);
        control->setAccessibleDescription(odds);
    };
    show(ui_.txtInput[1], TargetOddsText(targetText));
    show(ui_.lblResult[0], SuccessOddsText(state_));
    show(ui_.Command1, FailuresOddsText(state_));
    show(ui_.Command2, MarkerOddsText(state_, markedRow));
}

QString ResultsDisplay::HighAndTotalText(Int16 highRoll, Int16 totalRoll) {
    return tr("High roll: %1, Total roll: %2").arg(Text(highRoll), Text(totalRoll));
}

QString ResultsDisplay::ErrorText(const RollFailure& failure) {
    switch (failure.Fault()) {
        case RollFault::DiceField:
            return tr("Dice to Roll: type a number from %1 to %2.")
                .arg(GroupedCount(kLeastDice.Value()), GroupedCount(kMostDice.Value()));
        case RollFault::TargetField:
            return tr("Target Number: type from %1 to %2.")
                .arg(GroupedCount(kLowestTarget.Value()), GroupedCount(kHighestTarget.Value()));
        case RollFault::TotalThisTime:
            //: %1 is the highest total, %2 the most dice that nearly always stay within it.
            return tr("The total passed %1 this time: roll at most %2.")
                .arg(GroupedCount(kHighestTotal.Value()), GroupedCount(SafePoolSize()));
        case RollFault::TotalTooLarge:
            return tr("The dice add up past %1: roll at most %2.")
                .arg(GroupedCount(kHighestTotal.Value()), GroupedCount(SafePoolSize()));
        case RollFault::RerollTooLarge:
            //: %1 is how many dice the reroll would throw, %2 the highest total.
            return tr("Rerolling %1 dice would pass %2.")
                .arg(GroupedCount(failure.Dice()), GroupedCount(kHighestTotal.Value()));
        case RollFault::PoolOutOfStep:
            break;
    }
    return tr("The list and the pool disagreed; nothing changed.");
}

}  // namespace corvane
