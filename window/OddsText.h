#pragma once

#include <QString>
#include <string_view>

#include "engine/RollerState.h"
#include "runtime/Int16.h"

namespace corvane {

struct RollerControls;

// The odds in words, as the tooltips of the window's controls show them; long
// ones break into lines so a tip stays about as wide as the window.

// One decimal, "< 0.1%" and "> 99.9%" at the ends; "0.0%" and "100.0%" only
// for the impossible and the certain.
QString PercentText(double chance);
// A number with `places` decimals, written the way the odds' language writes
// it: "4.5" in English, "4,5" in German.
QString DecimalText(double value, int places = 1);
// Exactly this percentage, as a chart's axis labels it: "30%", "30 %".
QString PercentLabel(double percent, int places);

// Each die's chance at the target as typed, read the way a roll reads it.
QString TargetOddsText(std::string_view targetText);
// The chance of at least the last roll's successes with its pool, and of a botch.
QString SuccessOddsText(const RollerState& state);
QString FailuresOddsText(const RollerState& state);
// For the selected row, counted from 0; -1 when none is selected.
QString MarkerOddsText(const RollerState& state, Int16 markedRow);

// Puts each text on its control, as the tooltip and the accessible description.
void ShowOdds(const RollerControls& ui, const RollerState& state, std::string_view targetText,
              Int16 markedRow);

}  // namespace corvane
