#include "window/ResultsDisplay.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include "engine/RollerState.h"
#include "runtime/NumberText.h"
#include "runtime/RuntimeError.h"
#include "window/OddsText.h"
#include "window/ResultsModel.h"
#include "window/RollerControls.h"

namespace corvane {
namespace {

QString Text(Int16 value) { return QString::fromStdString(ToText(value)); }

}  // namespace

ResultsDisplay::ResultsDisplay(const RollerControls& ui, const RollerState& state)
    : ui_(ui), state_(state), rows_(new ResultsModel(state.DiceResults, ui.lstResults)) {
    ui_.lstResults->setModel(rows_);
}

void ResultsDisplay::DisplayResults() {
    ui_.txtInput[0]->setText(Text(state_.DiceCount));
    ui_.txtInput[1]->setText(Text(state_.TargetNumber));
    QString successes = Text(state_.Successes);
    if (state_.IsBotch()) successes += QStringLiteral(" (botch)");
    ui_.lblResult[0]->setText(successes);
    ui_.lblResult[0]->setAccessibleName(QStringLiteral("Successes: ") + successes);
    ui_.lblResult[1]->setText(QStringLiteral("High roll: ") + Text(state_.HighRoll) +
                              QStringLiteral(", Total roll: ") + Text(state_.TotalRoll));
    rows_->Refresh();
    ui_.lblStatus->setText(Text(state_.Successes) + QStringLiteral(" successes."));
}

void ResultsDisplay::UpdateOdds(std::string_view targetText, Int16 markedRow) {
    ShowOdds(ui_, state_, targetText, markedRow);
}

void ResultsDisplay::ShowError(const RuntimeError& error) {
    ui_.lblStatus->setText(
        error.Number() == ErrorNumber::Overflow
            ? QStringLiteral("Overflow: a number passed 32767; nothing changed.")
            : QStringLiteral("The list and the pool disagreed; nothing changed."));
}

}  // namespace corvane
