#include <QtTest>
#include <cmath>
#include <limits>

#include "engine/EveningLuck.h"
#include "window/Translations.h"
#include "window/common/LuckText.h"
#include "window/common/NumberFormat.h"
#include "window/log/EveningText.h"

Q_DECLARE_METATYPE(corvane::EveningLuck)
Q_DECLARE_METATYPE(corvane::FairnessCheck)

namespace corvane {

namespace {

// French sets a narrow no-break space between groups of digits and a no-break
// space before a colon; German and French before a percent sign.
const QString kFrGroup = QStringLiteral("\u202F");
const QString kNoBreak = QStringLiteral("\u00A0");
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

// The words of a roll's and an evening's luck and of the fairness check, in
// each language, against texts written out by hand.
class LuckTextTest : public QObject {
    Q_OBJECT
private slots:
    void luckTellsTheRarerSide_data();
    void luckTellsTheRarerSide();
    void eveningCountsAreGrouped_data();
    void eveningCountsAreGrouped();
    void fairnessSaysWhatStrayed_data();
    void fairnessSaysWhatStrayed();
    void detailsGiveTheNumbersBehindTheLines();
};

void LuckTextTest::luckTellsTheRarerSide_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("atLeast");
    QTest::addColumn<double>("atMost");
    QTest::addColumn<QString>("text");
    QTest::newRow("C, lucky, with odds") << "C" << 0.083 << 0.95 << "top 8% (1 in 12)";
    QTest::newRow("C, unlucky") << "C" << 0.9 << 0.15 << "bottom 15%";
    QTest::newRow("C, a tenth has no odds") << "C" << 0.1 << 0.95 << "top 10%";
    QTest::newRow("C, just under a tenth") << "C" << 0.0999 << 0.95 << "top 10% (1 in 10)";
    QTest::newRow("C, even: the top") << "C" << 0.6 << 0.6 << "top 60%";
    QTest::newRow("C, under 1%") << "C" << 1.0 << 0.004 << "bottom < 1% (1 in 250)";
    QTest::newRow("C, two digits past 100")
        << "C" << 1.0 / 2345.0 << 1.0 << "top < 1% (1 in 2,300)";
    QTest::newRow("C, past a billion")
        << "C" << 1e-300 << 1.0 << "top < 1% (1 in over 1,000,000,000)";
    QTest::newRow("C, certain") << "C" << 1.0 << 1.0 << "certain";
    QTest::newRow("C, NaN tells nothing") << "C" << kNaN << 0.2 << "bottom 20%";
    QTest::newRow("C, NaN both") << "C" << kNaN << kNaN << "certain";
    QTest::newRow("de, lucky") << "de_DE" << 0.083 << 0.95 << "beste 8" + kNoBreak + "% (1 von 12)";
    QTest::newRow("de, grouped odds")
        << "de_DE" << 1.0 << 1.0 / 4567.0 << "schlechteste < 1" + kNoBreak + "% (1 von 4.600)";
    QTest::newRow("de, certain") << "de_DE" << 1.0 << 1.0 << "sicher";
    QTest::newRow("fr, lucky") << "fr_FR" << 0.083 << 0.95
                               << "parmi les 8" + kNoBreak + "% meilleurs (1 sur 12)";
    QTest::newRow("fr, unlucky, grouped")
        << "fr_FR" << 1.0 << 1e-10
        << "parmi les < 1" + kNoBreak + "% pires (1 sur plus de 1" + kFrGroup + "000" + kFrGroup +
               "000" + kFrGroup + "000)";
}

void LuckTextTest::luckTellsTheRarerSide() {
    QFETCH(QString, locale);
    QFETCH(double, atLeast);
    QFETCH(double, atMost);
    QFETCH(QString, text);
    const Translations language{QLocale(locale)};
    QCOMPARE(LuckText(atLeast, atMost), text);
}

void LuckTextTest::eveningCountsAreGrouped_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<EveningLuck>("luck");
    QTest::addColumn<QString>("text");
    QTest::newRow("C, none") << "C" << EveningLuck{} << "No rolls yet this evening";
    QTest::newRow("C, one of each")
        << "C" << EveningLuck{1, 1, 1, 0.5, 0.5, 1.0, true}
        << "This evening: 1 roll with 1 die, 1 success (0.5 expected): top 50%";
    QTest::newRow("C")
        << "C" << EveningLuck{42, 2340, 812, 780.3125, 0.05, 0.97, true}
        << "This evening: 42 rolls with 2,340 dice, 812 successes (780.3 expected): top 5% (1 "
           "in 20)";
    QTest::newRow("de, long")
        << "de_DE" << EveningLuck{12345, 1234567, 617000, 617283.5, 1.0, 1e-12, false}
        << "Heute Abend: 12.345 Würfe, 1.234.567 Würfel, 617.000 Erfolge (617.283,5 erwartet): "
           "schlechteste < 1" +
               kNoBreak + "% (1 von über 1.000.000.000)";
    QTest::newRow("de, none") << "de_DE" << EveningLuck{} << "Noch keine Würfe heute Abend";
    QTest::newRow("fr") << "fr_FR" << EveningLuck{42, 2340, 812, 780.3125, 0.05, 0.97, true}
                        << "Ce soir" + kNoBreak + ": 42 jets, 2" + kFrGroup +
                               "340 dés, 812 succès (780,3 " + "attendus)" + kNoBreak +
                               ": parmi les 5" + kNoBreak + "% meilleurs (1 sur 20)";
}

void LuckTextTest::eveningCountsAreGrouped() {
    QFETCH(QString, locale);
    QFETCH(EveningLuck, luck);
    QFETCH(QString, text);
    const Translations language{QLocale(locale)};
    QCOMPARE(EveningText::Luck(luck), text);
}

void LuckTextTest::fairnessSaysWhatStrayed_data() {
    using Finding = FairnessFinding;
    QTest::addColumn<QString>("locale");
    QTest::addColumn<FairnessCheck>("check");
    QTest::addColumn<QString>("text");
    QTest::newRow("C, fair") << "C" << FairnessCheck{Finding::NothingUnusual, 3, 0.4149, 2340, 0}
                             << "The dice look fair: nothing unusual in 2,340 faces (p = 0.41)";
    QTest::newRow("C, more ones") << "C"
                                  << FairnessCheck{Finding::MoreThanExpected, 1, 0.0123, 9, 0}
                                  << "The dice look unusual: more ones than expected (p = 0.012)";
    QTest::newRow("C, fewer sixes")
        << "C" << FairnessCheck{Finding::FewerThanExpected, 6, 1e-5, 9, 0}
        << "The dice look unusual: fewer sixes than expected (p < 0.001)";
    QTest::newRow("C, NaN") << "C" << FairnessCheck{Finding::NothingUnusual, 2, kNaN, 1, 0}
                            << "The dice look fair: nothing unusual in 1 face (p = 1.00)";
    QTest::newRow("C, no dice") << "C" << FairnessCheck{}
                                << "No dice thrown yet to check for fairness";
    QTest::newRow("de, more ones")
        << "de_DE" << FairnessCheck{Finding::MoreThanExpected, 1, 0.0123, 9, 0}
        << "Die Würfel wirken ungewöhnlich: mehr Einsen als erwartet (p = 0,012)";
    QTest::newRow("de, fair")
        << "de_DE" << FairnessCheck{Finding::NothingUnusual, 3, 0.4149, 2340, 0}
        << "Die Würfel wirken fair: nichts Ungewöhnliches in 2.340 Augenzahlen (p = 0,41)";
    QTest::newRow("fr, fair") << "fr_FR"
                              << FairnessCheck{Finding::NothingUnusual, 3, 0.4149, 2340, 0}
                              << "Les dés semblent équilibrés" + kNoBreak +
                                     ": rien d'inhabituel sur 2" + kFrGroup +
                                     "340 faces (p = 0,41)";
    QTest::newRow("fr, fewer fives")
        << "fr_FR" << FairnessCheck{Finding::FewerThanExpected, 5, 0.0031, 9, 0}
        << "Les dés semblent inhabituels" + kNoBreak + ": moins de 5 que prévu (p = 0,0031)";
}

void LuckTextTest::fairnessSaysWhatStrayed() {
    QFETCH(QString, locale);
    QFETCH(FairnessCheck, check);
    QFETCH(QString, text);
    const Translations language{QLocale(locale)};
    QCOMPARE(EveningText::Fairness(check), text);
}

void LuckTextTest::detailsGiveTheNumbersBehindTheLines() {
    FaceCounts faces;
    faces.Dice = 2340;
    faces.LastFaces = {468, 470, 480, 455, 467};
    faces.Sixes = 1234;
    const FairnessCheck check{FairnessFinding::NothingUnusual, 4, 0.4149, 3574, 468.0};
    QCOMPARE(EveningText::FairnessDetails(check, faces),
             QStringLiteral("The dice stopped on 1: 468, 2: 470, 3: 480, 4: 455, 5: 467; sixes "
                            "rolled on the way: 1,234. Fair dice expect 468.0 of each. Furthest "
                            "from that, as the check weighs them: the fours. p = 0.41 is the "
                            "chance that fair dice stray at least this far; below 0.05 the check "
                            "calls them unusual."));
    const EveningLuck approximated{300, 90000, 45123, 45000.0, 0.2049, 0.7962, false};
    QCOMPARE(EveningText::LuckDetails(approximated),
             QStringLiteral("For fair dice and exactly these rolls, each with the dice it threw at "
                            "its own target: an evening at least this lucky has a chance of "
                            "20.5%, one at most this lucky 79.6%. Worked out by a saddlepoint "
                            "approximation, within 0.01 percentage points of exact. Every roll "
                            "since the program started counts, those the log no longer lists "
                            "too."));
}

}  // namespace corvane

QTEST_MAIN(corvane::LuckTextTest)
#include "LuckTextTest.moc"
