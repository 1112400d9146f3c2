#include <QtTest>
#include <functional>
#include <limits>

#include "LuckSupport.h"
#include "engine/EveningLuck.h"
#include "window/Translations.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"
#include "window/log/EveningText.h"
#include "window/log/LogTable.h"

Q_DECLARE_METATYPE(std::function<QString()>)

namespace corvane {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A text as the program words it, made once the row's language is in place.
using Words = std::function<QString()>;

Words Roll(double atLeast, double atMost) {
    return [=] { return LuckText(atLeast, atMost); };
}
Words Evening(const EveningLuck& luck) {
    return [=] { return EveningText::Luck(luck); };
}
Words Fairness(const FairnessCheck& check) {
    return [=] { return EveningText::Fairness(check); };
}
// A saved table's luck cells: expected, the two chances, the luck in words.
Words TableLuck(const RollRecord& record) {
    return [=] { return RollTable({&record}).rows[0].mid(13).join(" | "); };
}

}  // namespace

// The words of a roll's and an evening's luck and of the fairness check, in
// each language, against texts written out by hand. French sets a narrow
// no-break space (U+202F) between groups of digits and a no-break space
// (U+00A0) before a colon; German and French before a percent sign.
class LuckTextTest : public QObject {
    Q_OBJECT
private slots:
    void readsAsWrittenByHand_data();
    void readsAsWrittenByHand();
};

void LuckTextTest::readsAsWrittenByHand_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* name, const char* locale, const Words& words,
                        const QString& text) { QTest::newRow(name) << locale << words << text; };

    // A roll's luck tells the rarer side.
    row("roll: C, lucky, with odds", "C", Roll(0.083, 0.95), "top 8% (1 in 12)");
    row("roll: C, unlucky", "C", Roll(0.9, 0.15), "bottom 15%");
    row("roll: C, a tenth has no odds", "C", Roll(0.1, 0.95), "top 10%");
    row("roll: C, just under a tenth", "C", Roll(0.0999, 0.95), "top 10% (1 in 10)");
    row("roll: C, a quarter is a tail", "C", Roll(0.25, 0.8), "top 25%");
    row("roll: C, unlucky past a quarter", "C", Roll(0.9, 0.2501), "about average");
    row("roll: C, even: average", "C", Roll(0.6, 0.6), "about average");
    row("roll: C, under 1%", "C", Roll(1.0, 0.004), "bottom <\u00A01% (1 in 250)");
    row("roll: C, two digits past 100", "C", Roll(1.0 / 2345.0, 1.0), "top <\u00A01% (1 in 2,300)");
    row("roll: C, past a billion", "C", Roll(1e-300, 1.0),
        "top <\u00A01% (1 in over 1,000,000,000)");
    row("roll: C, certain", "C", Roll(1.0, 1.0), "certain");
    row("roll: C, NaN tells nothing", "C", Roll(kNaN, 0.2), "bottom 20%");
    row("roll: C, NaN both", "C", Roll(kNaN, kNaN), "certain");
    row("roll: de, lucky", "de_DE", Roll(0.083, 0.95), "unter den besten 8\u00A0% (1 von 12)");
    row("roll: de, grouped odds", "de_DE", Roll(1.0, 1.0 / 4567.0),
        "unter den schlechtesten <\u00A01\u00A0% (1 von 4.600)");
    row("roll: de, certain", "de_DE", Roll(1.0, 1.0), "sicher");
    row("roll: fr, lucky", "fr_FR", Roll(0.083, 0.95), "parmi les 8\u00A0% meilleurs (1 sur 12)");
    row("roll: fr, unlucky, grouped", "fr_FR", Roll(1.0, 1e-10),
        "parmi les <\u00A01\u00A0% pires (1 sur plus de 1\u202F000\u202F000\u202F000)");
    row("roll: fr, certain agrees with chance", "fr_FR", Roll(1.0, 1.0), "certaine");

    // A saved table's numbers are for spreadsheets: a point in every language.
    row("table: de, decimal point", "de_DE", TableLuck(testing_support::RecordOf(5, 3, 4)),
        "2.5 | 0.5 | 0.8125 | etwa durchschnittlich");

    // The evening's counts are grouped.
    const EveningLuck some{42, 2340, 812, 780.3125, 0.05, 0.95};
    row("evening: C, none", "C", Evening({}), "No rolls yet this evening");
    row("evening: C, one of each", "C", Evening({1, 1, 1, 0.5, 0.5, 0.5}),
        "This evening: 1 roll with 1 die, 1 success (0.5 expected): about average");
    row("evening: C", "C", Evening(some),
        "This evening: 42 rolls with 2,340 dice, 812 successes (780.3 expected): top 5% (1 in "
        "20)");
    row("evening: de, long", "de_DE", Evening({12345, 1234567, 617000, 617283.5, 1.0, 1e-12}),
        "Heute Abend: 12.345 Würfe, 1.234.567 Würfel, 617.000 Erfolge (617.283,5 erwartet): "
        "unter den schlechtesten <\u00A01\u00A0% (1 von über 1.000.000.000)");
    row("evening: de, none", "de_DE", Evening({}), "Noch keine Würfe heute Abend");
    row("evening: fr", "fr_FR", Evening(some),
        "Ce soir\u00A0: 42 jets, 2\u202F340 dés, 812 succès (780,3 attendus)\u00A0: parmi les "
        "5\u00A0% meilleurs (1 sur 20)");

    // The fairness check says what strayed.
    using Finding = FairnessFinding;
    const FairnessCheck fair{Finding::NothingUnusual, 3, 0.4149, 2340, 0};
    const FairnessCheck moreOnes{Finding::MoreThanExpected, 1, 0.0123, 9, 0};
    // The p-value is left to the details; the line tells the odds.
    row("fairness: C, fair", "C", Fairness(fair),
        "The dice look fair: nothing unusual in 2,340 faces");
    row("fairness: C, more ones", "C", Fairness(moreOnes),
        "The dice look unusual: more ones than expected (1 in 81 for fair dice)");
    row("fairness: C, fewer sixes", "C", Fairness({Finding::FewerThanExpected, 6, 1e-5, 9, 0}),
        "The dice look unusual: fewer sixes than expected (1 in 100,000 for fair dice)");
    row("fairness: C, NaN", "C", Fairness({Finding::NothingUnusual, 2, kNaN, 1, 0}),
        "The dice look fair: nothing unusual in 1 face");
    row("fairness: C, no dice", "C", Fairness({}), "No dice thrown yet to check for fairness");
    row("fairness: de, more ones", "de_DE", Fairness(moreOnes),
        "Die Würfel wirken ungewöhnlich: mehr Einsen als erwartet (bei fairen Würfeln 1 von 81)");
    row("fairness: de, fair", "de_DE", Fairness(fair),
        "Die Würfel wirken fair: nichts Ungewöhnliches in 2.340 Augenzahlen");
    row("fairness: fr, fair", "fr_FR", Fairness(fair),
        "Les dés semblent équilibrés\u00A0: rien d'inhabituel sur 2\u202F340 faces");
    row("fairness: fr, fewer fives", "fr_FR",
        Fairness({Finding::FewerThanExpected, 5, 0.0031, 9, 0}),
        "Les dés semblent inhabituels\u00A0: moins de 5 que prévu (1 sur 320 pour des dés "
        "équilibrés)");

    // The details give the numbers behind the lines.
    FaceCounts faces;
    faces.Dice = 2340;
    faces.LastFaces = {468, 470, 480, 455, 467};
    faces.Sixes = 1234;
    const FairnessCheck check{Finding::NothingUnusual, 4, 0.4149, 3574, 468.0};
    row(
        "details: fairness", "C", [=] { return EveningText::FairnessDetails(check, faces); },
        "The dice stopped on 1: 468, 2: 470, 3: 480, 4: 455, 5: 467; sixes rolled on the way: "
        "1,234. Fair dice expect 468.0 of each. Furthest from that, as the check weighs them: the "
        "fours. p = 0.41 is the chance that fair dice stray at least this far; below 0.05 the "
        "check calls them unusual.");
    const EveningLuck evening{300, 90000, 45123, 45000.0, 0.2049, 0.7951};
    row(
        "details: luck", "C", [=] { return EveningText::LuckDetails(evening); },
        "For fair dice, an evening of as many rolls at least this lucky has a chance of 20.5%, "
        "one at most this lucky 79.5%. Each roll counts alike, by its own luck given the rolls "
        "before it, a tie with rolls just as good broken at random as it is made: so these "
        "chances hold whatever you chose to roll or reroll. Every roll since the program started "
        "counts, those the log no longer lists too.");
}

void LuckTextTest::readsAsWrittenByHand() {
    QFETCH(QString, locale);
    QFETCH(Words, words);
    QFETCH(QString, text);
    const Translations language{QLocale(locale)};
    QCOMPARE(words(), text);
}

}  // namespace corvane

QTEST_MAIN(corvane::LuckTextTest)
#include "LuckTextTest.moc"
