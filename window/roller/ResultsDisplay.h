#pragma once

#include <QCoreApplication>
#include <string_view>

#include "runtime/Int16.h"

namespace corvane {

class ResultsModel;
class RollFailure;
struct RollerControls;
struct RollerState;

// Shows the roller's state in the window: the outcome of each completed roll,
// the odds that go with it, and why a roll was stopped.
class ResultsDisplay {
    Q_DECLARE_TR_FUNCTIONS(corvane::ResultsDisplay)

public:
    // Puts the pool's rows in the results list.
    ResultsDisplay(const RollerControls& ui, const RollerState& state);

    // Writes both fields, both result labels, the list and the status line.
    void DisplayResults();
    // The odds of the last roll, for the target as typed and the selected row
    // (counted from 0, -1 when none).
    void UpdateOdds(std::string_view targetText, Int16 markedRow);

    // The texts as the window shows them, also for measuring what fits.
    static QString HighAndTotalText(Int16 highRoll, Int16 totalRoll);
    // What stopped the roll and what to do about it.
    static QString ErrorText(const RollFailure& failure);

private:
    void RefreshRows();

    const RollerControls& ui_;
    const RollerState& state_;
    ResultsModel* rows_;
};

}  // namespace corvane
