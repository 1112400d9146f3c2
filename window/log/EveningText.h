#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace corvane {

struct EveningLuck;
struct FaceCounts;
struct FairnessCheck;

// The evening in words, as the roll log shows it over its entries and the
// saved log ends with it: how lucky it has been, and whether the dice look
// fair, each a line and the numbers behind it.
class EveningText {
    Q_DECLARE_TR_FUNCTIONS(corvane::EveningText)
public:
    // "This evening: 42 rolls with 2,340 dice, 812 successes (780.3 expected):
    // top 5% (1 in 20)"
    static QString Luck(const EveningLuck& luck);
    // Both chances behind the line, and how they were worked out.
    static QString LuckDetails(const EveningLuck& luck);
    // "The dice look fair: nothing unusual in 2,340 faces", or "The dice look
    // unusual: more ones than expected (1 in 81 for fair dice)".
    static QString Fairness(const FairnessCheck& check);
    // A member's evening at a shared table, on one line.
    static QString Member(const QString& name, const EveningLuck& luck, const FairnessCheck& check);
    // The counts of each face against what fair dice expect, and what the
    // p-value means.
    static QString FairnessDetails(const FairnessCheck& check, const FaceCounts& faces);
    // The lines of a long evening, a thousand rolls of a hundred dice at odds
    // of some thousands, with each finding the fairness check can make, and
    // of an evening yet to start: what the roll log opens wide enough for.
    static QStringList LongEveningLines();

private:
    // "ones" to "fives" for the face the dice stopped on, "sixes" for 6.
    static QString FaceName(int face);
    static QString PValue(double p);
};

}  // namespace corvane
