#pragma once

#include <QString>
#include <cstdint>

namespace corvane {

// Numbers in the words of the program's language, as the tooltips, the chart
// and the logs write them: decimals and percentages the way the language
// writes them ("50.0%", "50,0 %"), counts without grouping, as the designed
// window writes them, except where GroupedCount says otherwise.

// With `places` decimals; "< 0.1%" and "> 99.9%" at the ends for one decimal
// ("< 1%", "> 99%" for none); "0.0%" and "100.0%" only for the impossible and
// the certain.
QString PercentText(double chance, int places = 1);
// A number with `places` decimals: "4.5" in English, "4,5" in German.
QString DecimalText(double value, int places = 1);
// Exactly this percentage, as a chart's axis labels it: "30%", "30 %".
QString PercentLabel(double percent, int places);
// A count too long to read at a glance without grouping, grouped as the
// language groups it: "2,340", "2.340", "2 340".
QString GroupedCount(std::int64_t count);
// A number with `places` decimals, grouped so: "12,345.6", "12.345,6".
QString GroupedDecimal(double value, int places = 1);
// With `digits` significant digits and a point in every language, for a table
// to calculate with: "0.0833333", "1.5e-12".
QString SignificantText(double value, int digits = 6);

}  // namespace corvane
