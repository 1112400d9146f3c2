#include "window/log/EveningText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "engine/EveningLuck.h"
#include "engine/FairnessCheck.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"

namespace corvane {
namespace {

// Picks the plural form; past what an int holds, every language's is the same.
int FormOf(std::int64_t count) { return static_cast<int>(std::min<std::int64_t>(count, INT_MAX)); }

// The counts of an evening run long, so they are grouped.
QString Rolls(std::int64_t count) {
    return EveningText::tr("%1 rolls", nullptr, FormOf(count)).arg(GroupedCount(count));
}

QString Dice(std::int64_t count) {
    return EveningText::tr("%1 dice", nullptr, FormOf(count)).arg(GroupedCount(count));
}

QString Successes(std::int64_t count) {
    return EveningText::tr("%1 successes", nullptr, FormOf(count)).arg(GroupedCount(count));
}

QString Faces(std::int64_t count) {
    return EveningText::tr("%1 faces", nullptr, FormOf(count)).arg(GroupedCount(count));
}

}  // namespace

QString EveningText::Luck(const EveningLuck& luck) {
    if (luck.Rolls == 0) return tr("No rolls yet this evening");
    //: %1 is "42 rolls", %2 "2,340 dice", %3 "812 successes", %4 the successes fair dice
    //: expect, %5 the evening's luck: "top 12% (1 in 8)".
    return tr("This evening: %1 with %2, %3 (%4 expected): %5")
        .arg(Rolls(luck.Rolls), Dice(luck.DiceThrown), Successes(luck.Successes),
             GroupedDecimal(luck.ExpectedSuccesses),
             LuckText(luck.AtLeastThisLucky, luck.AtMostThisLucky));
}

QString EveningText::Member(const QString& name, const EveningLuck& luck,
                            const FairnessCheck& check) {
    //: A member's evening at a shared table: %1 is the name, %2 "12 rolls", %3 "812
    //: successes", %4 the successes fair dice expect, %5 "top 12% (1 in 8)", %6 what the
    //: fairness line says of the member's dice.
    return tr("%1: %2, %3 (%4 expected): %5. %6")
        .arg(name, Rolls(luck.Rolls), Successes(luck.Successes),
             GroupedDecimal(luck.ExpectedSuccesses),
             LuckText(luck.AtLeastThisLucky, luck.AtMostThisLucky), Fairness(check));
}

QString EveningText::LuckDetails(const EveningLuck& luck) {
    if (luck.Rolls == 0) return tr("Every roll from the first on counts for the evening.");
    QStringList lines;
    //: %1 and %2 are chances, "12.3%".
    lines << tr("For fair dice, an evening of as many rolls at least this lucky has a chance of "
                "%1, one at most this lucky %2.")
                 .arg(PercentText(luck.AtLeastThisLucky), PercentText(luck.AtMostThisLucky));
    lines << tr(
        "Each roll counts alike, by its own luck given the rolls before it, a tie with "
        "rolls just as good broken at random as it is made: so these chances hold "
        "whatever you chose to roll or reroll.");
    lines << tr("Every roll since the program started counts, those the log no longer lists too.");
    return lines.join(QLatin1Char(' '));
}

QString EveningText::Fairness(const FairnessCheck& check) {
    // The p-value is for the tooltip; the line says it as odds.
    switch (check.Finding) {
        case FairnessFinding::NothingUnusual:
            //: %1 is "2,340 faces".
            return tr("The dice look fair: nothing unusual in %1").arg(Faces(check.Throws));
        case FairnessFinding::MoreThanExpected:
            //: %1 is "more ones than expected", %2 "1 in 80": how seldom fair dice stray so far.
            return tr("The dice look unusual: %1 (%2 for fair dice)")
                .arg(tr("more %1 than expected").arg(FaceName(check.Face)), OddsText(check.PValue));
        case FairnessFinding::FewerThanExpected:
            return tr("The dice look unusual: %1 (%2 for fair dice)")
                .arg(tr("fewer %1 than expected").arg(FaceName(check.Face)),
                     OddsText(check.PValue));
        case FairnessFinding::NoDice:
            break;
    }
    return tr("No dice thrown yet to check for fairness");
}

QString EveningText::FairnessDetails(const FairnessCheck& check, const FaceCounts& faces) {
    if (check.Finding == FairnessFinding::NoDice) return Fairness(check);
    QStringList lines;
    //: %1 to %5 count the dice that stopped on 1 to 5, %6 the sixes they rolled on the way.
    lines << tr("The dice stopped on 1: %1, 2: %2, 3: %3, 4: %4, 5: %5; sixes rolled on the way: "
                "%6.")
                 .arg(GroupedCount(faces.LastFaces[0]), GroupedCount(faces.LastFaces[1]),
                      GroupedCount(faces.LastFaces[2]), GroupedCount(faces.LastFaces[3]),
                      GroupedCount(faces.LastFaces[4]), GroupedCount(faces.Sixes));
    lines << tr("Fair dice expect %1 of each.").arg(GroupedDecimal(check.ExpectedEach));
    //: %1 is "ones" to "sixes".
    lines << tr("Furthest from that, as the check weighs them: the %1.").arg(FaceName(check.Face));
    //: %1 is "p = 0.41", %2 the threshold, "0.05".
    lines << tr("%1 is the chance that fair dice stray at least this far; below %2 the check "
                "calls them unusual.")
                 .arg(PValue(check.PValue), DecimalText(FairnessCheck::kUnusualBelow, 2));
    return lines.join(QLatin1Char(' '));
}

QStringList EveningText::LongEveningLines() {
    QStringList lines = {Luck({}), Fairness({}),
                         Luck({1000, 100000, 50001, 49999.5, 1.0 / 2345, 1.0}),
                         Luck({1000, 100000, 49999, 49999.5, 1.0, 1.0 / 2345}),
                         Fairness({FairnessFinding::NothingUnusual, 1, 0.4149, 123456, 0.0})};
    for (int face = 1; face <= 6; ++face) {
        for (const FairnessFinding finding :
             {FairnessFinding::MoreThanExpected, FairnessFinding::FewerThanExpected}) {
            lines << Fairness({finding, face, 0.0123, 123456, 0.0});
        }
    }
    return lines;
}

QString EveningText::FaceName(int face) {
    switch (face) {
        case 1:
            return tr("ones");
        case 2:
            return tr("twos");
        case 3:
            return tr("threes");
        case 4:
            return tr("fours");
        case 5:
            return tr("fives");
        case 6:
            return tr("sixes");
        default:
            return tr("faces");
    }
}

QString EveningText::PValue(double p) {
    // Two digits say enough of a p-value, and below a thousandth they are all
    // alike. Not a number tells nothing.
    if (std::isnan(p)) p = 1.0;
    if (p < 0.001) return QStringLiteral("p < ") + DecimalText(0.001, 3);
    return QStringLiteral("p = ") + DecimalText(p, p < 0.01 ? 4 : p < 0.1 ? 3 : 2);
}

}  // namespace corvane
