#pragma once

#include <QString>

namespace corvane {

// Numbers in the words of the program's language, as the tooltips, the chart
// and the logs write them: decimals and percentages the way the language
// writes them ("50.0%", "50,0 %"), counts without grouping, as the designed
// window writes them.

// One decimal, "< 0.1%" and "> 99.9%" at the ends; "0.0%" and "100.0%" only
// for the impossible and the certain.
QString PercentText(double chance);
// A number with `places` decimals: "4.5" in English, "4,5" in German.
QString DecimalText(double value, int places = 1);
// Exactly this percentage, as a chart's axis labels it: "30%", "30 %".
QString PercentLabel(double percent, int places);

}  // namespace corvane
