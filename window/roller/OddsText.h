#pragma once

#include <QString>
#include <string_view>

#include "engine/RollerState.h"
#include "runtime/Int16.h"

namespace corvane {

// The odds in words, as the tooltips of the dice window's controls show them;
// long ones break into lines so a tip stays about as wide as the window.

// Each die's chance at the target as typed, read the way a roll reads it.
QString TargetOddsText(std::string_view targetText);
// The chance of at least the last roll's successes with its pool, and of a botch.
QString SuccessOddsText(const RollerState& state);
QString FailuresOddsText(const RollerState& state);
// For the selected row, counted from 0; -1 when none is selected.
QString MarkerOddsText(const RollerState& state, Int16 markedRow);

}  // namespace corvane
