#pragma once

#include <QString>

namespace corvane {

// How rare an outcome was, told on its rarer side, as the roll log and the
// chart say it: "top 8% (1 in 12)" when doing at least as well was the smaller
// chance, "bottom 15%" when doing at most as well was, "about average" when
// both chances pass a quarter, and "certain" when it could not have come out
// otherwise. Percentages are whole; the odds follow below 10%, where a
// percentage alone says too little ("top < 1% (1 in 450)"). A chance that is
// not a number tells nothing, and counts as certain.
QString LuckText(double atLeast, double atMost);

// A small chance as odds: "1 in 12", "1 in 4,500".
QString OddsText(double chance);

}  // namespace corvane
