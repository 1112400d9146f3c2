#include <QAccessible>
#include <QtTest>
#include <cmath>

#include "LuckSupport.h"
#include "WindowRig.h"
#include "window/Translations.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesText.h"
#include "window/chances/ChancesWindow.h"
#include "window/log/EveningHeader.h"
#include "window/log/EveningText.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

namespace {

// A p-value as the fairness line writes it, here by hand: two digits, and a
// bound below 0.001.
QString PByHand(double p, bool decimalComma) {
    QString text = p < 0.001 ? QStringLiteral("p < 0.001")
                             : QStringLiteral("p = ") + QString::number(p, 'g', 2);
    if (decimalComma) text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString Accessible(QWidget* widget, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(widget)->text(text);
}

}  // namespace

// What the windows show of the rolls' luck, the evening's and the dice's
// fairness, in each language (a no-break space, U+00A0, before a percent sign
// in German and French and before a colon or semicolon in French).
class EveningViewTest : public QObject {
    Q_OBJECT
private slots:
    void theLogShowsTheEveningOverItsEntries_data();
    void theLogShowsTheEveningOverItsEntries();
    void theEveningCountsTheRollsTheLogLetsGo();
    void aLineTooLongWrapsAndShowsWhole();
    void theChartMarksTheRollsLuck_data();
    void theChartMarksTheRollsLuck();
};

void EveningViewTest::theLogShowsTheEveningOverItsEntries_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("evening");   // after the opening roll and the example pool
    QTest::addColumn<QString>("later");     // after one die more
    QTest::addColumn<QString>("moreOnes");  // the fairness line, %1 for its odds
    const auto row = [](const char* locale, const char* evening, const char* later,
                        const char* moreOnes) {
        QTest::newRow(locale) << locale << evening << later << moreOnes;
    };
    // The opening roll's six 1s (at most 1/64 of rolls as poor) and 9 5 4 3 1
    // (3 successes of 5 dice, 1/2 to 13/16), their ties broken as the evening
    // drew them: together at most 18.5%; then one more success of a die, which
    // lifts the evening.
    row("C", "This evening: 2 rolls with 11 dice, 3 successes (5.5 expected): bottom 9% (1 in 11)",
        "This evening: 3 rolls with 12 dice, 4 successes (6.0 expected): about average",
        "The dice look unusual: more ones than expected (1 in %1 for fair dice)");
    row("de_DE",
        "Heute Abend: 2 Würfe, 11 Würfel, 3 Erfolge (5,5 erwartet): unter den schlechtesten "
        "9\u00A0% (1 von 11)",
        "Heute Abend: 3 Würfe, 12 Würfel, 4 Erfolge (6,0 erwartet): etwa durchschnittlich",
        "Die Würfel wirken ungewöhnlich: mehr Einsen als erwartet (bei fairen Würfeln 1 von %1)");
    row("fr_FR",
        "Ce soir\u00A0: 2 jets, 11 dés, 3 succès (5,5 attendus)\u00A0: parmi les 9\u00A0% pires (1 "
        "sur 11)",
        "Ce soir\u00A0: 3 jets, 12 dés, 4 succès (6,0 attendus)\u00A0: dans la moyenne",
        "Les dés semblent inhabituels\u00A0: plus de 1 que prévu (1 sur %1 pour des dés "
        "équilibrés)");
}

void EveningViewTest::theLogShowsTheEveningOverItsEntries() {
    QFETCH(QString, locale);
    QFETCH(QString, evening);
    QFETCH(QString, later);
    QFETCH(QString, moreOnes);
    const Translations language{QLocale(locale)};
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    rig.window.Side().ShowLog();
    EveningHeader& header = *rig.window.Side().LogWindow()->Evening();
    QCOMPARE(header.Luck()->text(), evening);

    // The faces, counted by hand: seven dice stopped on 1, two on 3, one each
    // on 4 and 5, and the 9 rolled a six on the way.
    FaceCounts faces;
    faces.Dice = 11;
    faces.LastFaces = {7, 0, 2, 1, 1};
    faces.Sixes = 1;
    const double p = CheckFairness(faces).PValue;
    // The line tells it as odds, p being 0.0039: 1 in 258, to two digits.
    QCOMPARE(header.Fairness()->text(), moreOnes.arg(260));
    QVERIFY(header.Fairness()->toolTip().contains(PByHand(p, locale != "C")));

    // Screen readers read each line, and the numbers behind it.
    for (QLabel* line : {header.Luck(), header.Fairness()}) {
        QCOMPARE(Accessible(line, QAccessible::Name), line->text());
        QVERIFY(!line->toolTip().isEmpty());
        QCOMPARE(Accessible(line, QAccessible::Description), line->toolTip());
    }
    if (locale == "C") {
        QVERIFY2(header.Fairness()->toolTip().startsWith(
                     "The dice stopped on 1: 7, 2: 0, 3: 2, 4: 1, 5: 1; sixes rolled on the way: "
                     "1. Fair dice expect 2.2 of each."),
                 qPrintable(header.Fairness()->toolTip()));
    }

    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(5)});
    QTRY_COMPARE(header.Luck()->text(), later);
    // Narrow, the lines wrap, and the log makes room for the whole of both.
    rig.window.Side().LogWindow()->resize(300, 500);
    QTRY_COMPARE(header.height(), header.heightForWidth(header.width()));
    QVERIFY(header.Fairness()->geometry().bottom() < header.height());
}

void EveningViewTest::theEveningCountsTheRollsTheLogLetsGo() {
    RollLogModel log;
    RollRecord record = testing_support::RecordOf(2, 1, 4);
    record.Thrown.LastFaces = {Int16(1), Int16(0), Int16(0), Int16(1), Int16(0)};
    for (int i = 0; i < 1500; ++i) log.Add(std::make_shared<const RollRecord>(record));
    QTRY_COMPARE(log.rowCount(), 1000);
    const EveningLuck luck = log.Evening().Luck();
    QCOMPARE(luck.Rolls, std::int64_t{1500});
    QCOMPARE(luck.DiceThrown, std::int64_t{3000});
    QCOMPARE(luck.Successes, std::int64_t{1500});
    QCOMPARE(log.Evening().Faces().Dice, std::int64_t{3000});
}

void EveningViewTest::aLineTooLongWrapsAndShowsWhole() {
    RollLogModel log;
    log.Add(std::make_shared<const RollRecord>());
    EveningHeader header(log.Evening(), log.MembersEvenings());
    header.resize(800, header.heightForWidth(800));
    header.show();
    const QString whole = EveningText::Luck(log.Evening().Luck());
    QLabel* line = header.Luck();
    QCOMPARE(line->text(), whole);
    const int oneLine = line->height();
    header.resize(200, header.heightForWidth(200));
    QCOMPARE(line->text(), whole);
    QCOMPARE(Accessible(line, QAccessible::Name), whole);
    // Taller by the lines it wraps to, all of them inside, and the next line under it.
    const QRect wrapped =
        line->fontMetrics().boundingRect(QRect(0, 0, 200, 0), Qt::TextWordWrap, whole);
    QVERIFY(wrapped.height() > oneLine);
    QVERIFY(line->height() >= wrapped.height());
    QVERIFY(header.Fairness()->y() > line->geometry().bottom());
    QVERIFY(header.Fairness()->geometry().bottom() < header.height());
}

void EveningViewTest::theChartMarksTheRollsLuck_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("rerollFailures");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("summary");  // the summary's line on the roll's luck
    const auto row = [](const char* name, const char* locale, bool rerollFailures, const char* mark,
                        const char* summary) {
        QTest::newRow(name) << locale << rerollFailures << mark << summary;
    };
    // 9 5 4 3 1 at target 4: at least 3 of 5 has the chance 16/32, at most 3
    // 26/32. Rerolling the 3 and the 1 to 2 2 throws two dice for no success:
    // at most none has the chance 1/4.
    row("C", "C", false, "Rolled: about average",
        "Luck of the roll: about average; 3 successes from 5 dice thrown, 2.5 expected.");
    row("C, reroll", "C", true, "Rolled: bottom 25%",
        "Luck of the roll: bottom 25%; 0 successes from 2 dice thrown, 1.0 expected.");
    row("de", "de_DE", false, "Gewürfelt: etwa durchschnittlich",
        "Glück des Wurfs: etwa durchschnittlich; geworfen: 5 Würfel, 3 Erfolge, erwartet 2,5.");
    row("de, reroll", "de_DE", true, "Gewürfelt: unter den schlechtesten 25\u00A0%",
        "Glück des Wurfs: unter den schlechtesten 25\u00A0%; geworfen: 2 Würfel, 0 Erfolge, "
        "erwartet 1,0.");
    row("fr", "fr_FR", false, "Obtenu\u00A0: dans la moyenne",
        "Chance du jet\u00A0: dans la moyenne\u00A0; 3 succès avec 5 dés, 2,5 attendus.");
    row("fr, reroll", "fr_FR", true, "Obtenu\u00A0: parmi les 25\u00A0% pires",
        "Chance du jet\u00A0: parmi les 25\u00A0% pires\u00A0; 0 succès avec 2 dés, 1,0 attendus.");
}

void EveningViewTest::theChartMarksTheRollsLuck() {
    QFETCH(QString, locale);
    QFETCH(bool, rerollFailures);
    QFETCH(QString, mark);
    QFETCH(QString, summary);
    const Translations language{QLocale(locale)};
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    if (rerollFailures) {
        rig.random.Script({Face(2)});
        rig.ui.Command1->click();
    }
    rig.window.Side().ShowChances();
    ChancesWindow& chances = *rig.window.Side().Chances();
    QTRY_COMPARE(ChancesText::RolledLabel(chances.Chart()->Data()), mark);
    const QStringList lines = chances.accessibleDescription().split(QLatin1Char('\n'));
    QVERIFY2(lines.size() > 1 && lines[1] == summary, qPrintable(chances.accessibleDescription()));
}

}  // namespace corvane

QTEST_MAIN(corvane::EveningViewTest)
#include "EveningViewTest.moc"
