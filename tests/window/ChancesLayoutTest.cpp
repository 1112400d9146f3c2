#include <QAccessible>
#include <QScopeGuard>
#include <QtTest>
#include <cmath>

#include "ShippedLanguages.h"
#include "WindowRig.h"
#include "window/Translations.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesGeometry.h"
#include "window/chances/ChancesLabels.h"
#include "window/chances/ChancesText.h"
#include "window/chances/ChancesWindow.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

// Half the dice succeed at target 4: 1, 2, 4, 5 over and over.
const std::vector<float> kHalfSucceed{Face(1), Face(2), Face(4), Face(5)};

ChancesChart& OpenChart(WindowRig& rig) {
    rig.window.Side().ShowChances();
    return *rig.window.Side().Chances()->Chart();
}

class ChancesLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void axesJoinCloseStretchesAndBreakBetweenFarOnes();
    void theNewRollFollowsTheTypedDice_data();
    void theNewRollFollowsTheTypedDice();
    void labelsNeverCollide_data();
    void labelsNeverCollide();
    void farApartSeriesEachGetAStretchOfTheirOwn();
};

void ChancesLayoutTest::axesJoinCloseStretchesAndBreakBetweenFarOnes() {
    const CountAxis close = CountAxis::Around({{10, 20}, {0, 0}, {15, 30}});
    QCOMPARE(close.Stretches().size(), 1U);
    QCOMPARE(close.First(), 0);
    QCOMPARE(close.Last(), 30);
    const CountAxis far = CountAxis::Around({{5160, 5355}, {3500, 3500}, {3362, 3640}});
    QCOMPARE(far.Stretches().size(), 2U);
    QCOMPARE(far.Counts(), 279 + 196);
    QCOMPARE(far.CountAt(278), 3640);
    QCOMPARE(far.CountAt(279), 5160);  // over the break
    QCOMPARE(far.IndexOf(5160), 279);
    QCOMPARE(far.Nearest(4000), 3640);
    QCOMPARE(far.Nearest(5000), 5160);
}

void ChancesLayoutTest::theNewRollFollowsTheTypedDice_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("dice");  // 0: past the limits
    QTest::newRow("twenty") << "20" << 20;
    QTest::newRow("halfToEvenDown") << "2.5" << 2;
    QTest::newRow("halfToEvenUp") << "3.5" << 4;
    QTest::newRow("leadingNumber") << "12abc" << 12;
    QTest::newRow("noNumber") << "abc" << 1;
    QTest::newRow("zero") << "0" << 1;
    QTest::newRow("pastTheLimit") << "40000" << 0;
}

void ChancesLayoutTest::theNewRollFollowsTheTypedDice() {
    QFETCH(QString, typed);
    QFETCH(int, dice);
    WindowRig rig;
    rig.Roll(QStringLiteral("6"), QStringLiteral("4"), {Face(5)});
    ChancesChart& chart = OpenChart(rig);
    ChancesWindow& window = *rig.window.Side().Chances();
    rig.ui.txtInput[0]->setText(typed);
    const auto newRollDice = [&] {
        const ChancesData::Series* roll = chart.Data().Find(RollType::NewRoll);
        return roll ? roll->dice : 0;
    };
    QTRY_COMPARE(newRollDice(), dice);
    const ChancesData::Series* roll = chart.Data().Find(RollType::NewRoll);
    const QStringList summary = window.accessibleDescription().split(QLatin1Char('\n'));
    if (dice == 0) {
        QVERIFY(!roll);
        QVERIFY(summary.contains("Type from 1 to 32,766 dice to see a new roll's chances."));
        return;
    }
    QCOMPARE(chart.Data().LastCount(), std::max(6, dice));
    const QString pool = QStringLiteral("%1 at target 4").arg(dice == 1 ? "1 die" : "%1 dice");
    QCOMPARE(ChancesText::Legend(*roll), "New roll: " + pool.arg(dice));
    // After the rolled count and its luck.
    QVERIFY2(summary[2].startsWith("A new roll of " + pool.arg(dice) + ": "),
             qPrintable(summary[2]));
    // The roller reads the field the same way.
    rig.random.Script({Face(5)});
    rig.ui.btnRoll->click();
    QCOMPARE(rig.window.State().DiceCount.Value(), dice);
}

void ChancesLayoutTest::labelsNeverCollide_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("dice");
    QTest::addColumn<bool>("smallest");  // the window at its smallest, or as it opens
    QTest::addColumn<int>("points");     // the program's font size; 0 for Qt's own
    for (const char* locale : testing_support::kLanguages) {
        for (int dice : {1, 6, 30, 31, 390, 7000}) {
            for (bool smallest : {false, true}) {
                QTest::addRow("%s, %d dice%s", locale, dice, smallest ? ", smallest" : "")
                    << locale << dice << smallest << 0;
            }
        }
    }
    // A large desktop font, as some players choose.
    for (int dice : {6, 7000}) {
        QTest::addRow("%d dice, smallest, 12 pt", dice) << "C" << dice << true << 12;
    }
}

void ChancesLayoutTest::labelsNeverCollide() {
    QFETCH(QString, locale);
    QFETCH(int, dice);
    QFETCH(bool, smallest);
    QFETCH(int, points);
    const Translations language{QLocale(locale)};
    const QFont qtFont = QApplication::font();
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(qtFont); });
    if (points > 0) {
        QFont large = qtFont;
        large.setPointSize(points);
        QApplication::setFont(large);
    }
    WindowRig rig;
    rig.random.cycle = true;
    rig.Roll(QString::number(dice), QStringLiteral("4"), kHalfSucceed);
    rig.SelectRow(dice / 2);  // so the marker's series shows too
    ChancesChart& chart = OpenChart(rig);
    if (smallest) chart.window()->resize(1, 1);
    QVERIFY(QTest::qWaitForWindowExposed(chart.window()));
    QTRY_COMPARE(static_cast<int>(chart.Data().AllSeries().size()), 3);
    const ChancesLabels labels = chart.Labels();
    const std::vector<ChancesLabels::Label> all = labels.All();
    const QFontMetrics metrics(chart.font());
    for (std::size_t i = 0; i < all.size(); ++i) {
        const ChancesLabels::Label& label = all[i];
        QVERIFY2(chart.rect().contains(label.box), qPrintable(label.text));
        // The whole text fits its box (along the turned title's height).
        QVERIFY2(metrics.horizontalAdvance(label.text) <=
                     std::max(label.box.width(), label.box.height()),
                 qPrintable(label.text));
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            QVERIFY2(!label.box.intersects(all[j].box),
                     qPrintable(label.text + QStringLiteral(" / ") + all[j].text));
        }
    }
    QVERIFY(labels.CountTicks().size() >= 2);
    // The plot stays tall enough to read, and "Rolled" over its mark.
    const QRect rolled = labels.Rolled().box;
    const ChancesGeometry geometry(chart.size(), chart.fontMetrics(), chart.Data());
    QVERIFY2(geometry.Plot().height() >= 100,
             qPrintable(QString::number(geometry.Plot().height())));
    const auto mark = static_cast<int>(std::lround(geometry.CentreOf(chart.Data().Rolled())));
    QVERIFY(rolled.left() <= mark && rolled.right() >= mark);
    // It keeps off the lines that run down the plot, or sits over it.
    if (rolled.bottom() < geometry.Plot().top()) return;
    for (const int x : labels.ExpectedLines()) {
        QVERIFY2(x + 2 < rolled.left() || x - 2 > rolled.right(), qPrintable(QString::number(x)));
    }
}

void ChancesLayoutTest::farApartSeriesEachGetAStretchOfTheirOwn() {
    WindowRig rig;
    rig.random.cycle = true;
    rig.Roll(QStringLiteral("7000"), QStringLiteral("4"), kHalfSucceed);  // 3500 successes
    ChancesChart& chart = OpenChart(rig);
    QVERIFY(QTest::qWaitForWindowExposed(chart.window()));
    const ChancesData& data = chart.Data();
    const CountAxis& axis = data.Axis();
    QCOMPARE(axis.Stretches().size(), 2U);
    for (const ChancesData::Series& series : data.AllSeries()) {
        // Each peak, where the series lives, takes a good share of the width.
        const int first = series.chances.FirstShown();
        const int last = series.chances.LastShown();
        const int wide = chart.ColumnRect(last).right() - chart.ColumnRect(first).left();
        QVERIFY2(wide >= chart.width() / 4, qPrintable(QString::number(wide)));
    }
    QVERIFY(ChancesText::CountAxis(data).contains(QStringLiteral("%1 to %2, %3 to %4")
                                                      .arg(axis.Stretches()[0].first)
                                                      .arg(axis.Stretches()[0].last)
                                                      .arg(axis.Stretches()[1].first)
                                                      .arg(axis.Stretches()[1].last)));
    // The keyboard steps over the break.
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Home);
    for (int i = 0; i < axis.Stretches()[0].Counts(); ++i) QTest::keyClick(&chart, Qt::Key_Right);
    QCOMPARE(chart.CurrentCount(), axis.Stretches()[1].first);
    QCOMPARE(QAccessible::queryAccessibleInterface(&chart)->childCount(), axis.Counts());
}

}  // namespace corvane

QTEST_MAIN(corvane::ChancesLayoutTest)
#include "ChancesLayoutTest.moc"
