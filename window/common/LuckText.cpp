#include "window/common/LuckText.h"

#include <QCoreApplication>
#include <cmath>

#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

class Words {
    Q_DECLARE_TR_FUNCTIONS(corvane::LuckText)
};

// Odds past this are all alike at the table.
constexpr double kLongestOdds = 1e9;
// Below this chance the odds follow the percentage.
constexpr double kOddsBelow = 0.1;
// From here to the other side's same chance, between about the 25th and the
// 75th percentile, a roll is as fair dice mostly do: neither lucky nor not.
constexpr double kAverageFrom = 0.25;

}  // namespace

// "1 in 12", "1 in 4,500": whole below a hundred, two digits past it, where
// more would be false precision.
QString OddsText(double chance) {
    const double odds = 1.0 / chance;
    if (odds > kLongestOdds) {
        return Words::tr("1 in over %1").arg(GroupedCount(static_cast<std::int64_t>(kLongestOdds)));
    }
    double rounded = std::round(odds);
    if (odds >= 100.0) {
        const double unit = std::pow(10.0, std::floor(std::log10(odds)) - 1.0);
        rounded = std::round(odds / unit) * unit;
    }
    return Words::tr("1 in %1").arg(GroupedCount(static_cast<std::int64_t>(rounded)));
}

QString LuckText(double atLeast, double atMost) {
    if (std::isnan(atLeast)) atLeast = 1.0;
    if (std::isnan(atMost)) atMost = 1.0;
    if (atLeast >= 1.0 && atMost >= 1.0) {
        //: A roll or an evening that could not have come out otherwise.
        return Words::tr("certain");
    }
    const bool lucky = atLeast <= atMost;
    const double chance = lucky ? atLeast : atMost;
    if (chance > kAverageFrom) {
        //: A roll or an evening in the middle half of how fair dice come out.
        return Words::tr("about average");
    }
    const QString percent = PercentText(chance, 0);
    QString side;
    if (lucky) {
        //: A roll as good as this or better comes in %1 of rolls.
        side = Words::tr("top %1").arg(percent);
    } else {
        //: A roll as poor as this or worse comes in %1 of rolls.
        side = Words::tr("bottom %1").arg(percent);
    }
    if (chance >= kOddsBelow) return side;
    //: %1 is "top 8%", %2 the odds: "1 in 12".
    return Words::tr("%1 (%2)").arg(side, OddsText(chance));
}

}  // namespace corvane
