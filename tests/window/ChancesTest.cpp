#include <QAccessible>
#include <QToolTip>
#include <QtTest>

#include "WindowRig.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesText.h"
#include "window/chances/ChancesWindow.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

// Opens the chances beside the rig's dice window, as Ctrl+G does.
ChancesWindow& OpenChances(WindowRig& rig) {
    rig.window.Side().ShowChances();
    return *rig.window.Side().Chances();
}

ChancesChart& Chart(WindowRig& rig) { return *rig.window.Side().Chances()->Chart(); }

// The series as the legend names them.
QStringList Legend(const ChancesChart& chart) {
    QStringList names;
    for (const auto& series : chart.Data().AllSeries()) {
        names << ChancesText::Legend(series);
    }
    return names;
}

// Every column as a screen reader reads it.
QStringList ReadColumns(ChancesChart& chart) {
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(&chart);
    QStringList columns;
    for (int i = 0; i < readable->childCount(); ++i) {
        QAccessibleInterface* column = readable->child(i);
        if (column->role() != QAccessible::ListItem || readable->indexOfChild(column) != i) {
            columns << QStringLiteral("<not column %1>").arg(i);
        } else {
            columns << column->text(QAccessible::Name);
        }
    }
    return columns;
}

class ChancesTest : public QObject {
    Q_OBJECT
private slots:
    void theMarkedColumnFollowsTheRoll_data();
    void theMarkedColumnFollowsTheRoll();
    void columnsTellTheirChances_data();
    void columnsTellTheirChances();
    void theKeyboardMovesFromColumnToColumn_data();
    void theKeyboardMovesFromColumnToColumn();
    void hoveringAColumnTellsItsChances();
    void theSeriesFollowRerollsTargetEditsAndSelection();
    void aClosedWindowCatchesUpWhenShownAgain();
    void badInputIsSaidPlainly_data();
    void badInputIsSaidPlainly();
    void aBigPoolShowsItsLikelyCountsAndSaysSo();
    void ctrlGOpensItFromEveryControl_data();
    void ctrlGOpensItFromEveryControl();
    void escAndCtrlWCloseIt();
    void itClosesWithTheDiceWindow();
};

void ChancesTest::theMarkedColumnFollowsTheRoll_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<int>("rolled");
    QTest::newRow("examplePool") << "5"
                                 << "4" << ExamplePoolDraws() << 3;
    QTest::newRow("botch") << "3"
                           << "4" << std::vector<float>{Face(1)} << 0;
    QTest::newRow("everyDie") << "4"
                              << "2" << std::vector<float>{Face(5)} << 4;
}

void ChancesTest::theMarkedColumnFollowsTheRoll() {
    QFETCH(QString, dice);
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(int, rolled);
    WindowRig rig;
    rig.Roll(QStringLiteral("2"), QStringLiteral("4"), {Face(5), Face(1)});
    OpenChances(rig);
    QCOMPARE(Chart(rig).CurrentCount(), 1);
    rig.Roll(dice, target, draws);
    QTRY_COMPARE(Chart(rig).Data().Rolled(), rolled);
    QCOMPARE(Chart(rig).CurrentCount(), rolled);
    const QStringList columns = ReadColumns(Chart(rig));
    for (int k = 0; k < columns.size(); ++k) {
        QCOMPARE(columns[k].contains(QStringLiteral("(rolled)")), k == rolled);
    }
}

void ChancesTest::columnsTellTheirChances_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<int>("markedRow");
    QTest::addColumn<QStringList>("columns");
    // Worked out by hand: a die reaches 4 half the time, and 7 only after a 6.
    QTest::newRow("oneDie") << "4" << std::vector<float>{Face(5)} << -1
                            << QStringList{"0 successes: 50.0%; after Reroll Failures 0.0%",
                                           "1 success (rolled): 50.0%; after Reroll Failures "
                                           "100.0%"};
    QTest::newRow("twoDiceMarkedFromTheTop")
        << "4" << std::vector<float>{Face(5), Face(2)} << 0
        << QStringList{
               "0 successes: 25.0%; after Reroll Failures 0.0%; after Reroll from Marker "
               "Down 25.0%",
               "1 success (rolled): 50.0%; after Reroll Failures 50.0%; after Reroll "
               "from Marker Down 50.0%",
               "2 successes: 25.0%; after Reroll Failures 50.0%; after Reroll from "
               "Marker Down 25.0%"};
    QTest::newRow("twoDiceAtSeven")
        << "7" << std::vector<float>{Face(6), Face(1), Face(2)} << -1
        << QStringList{"0 successes: 69.4%; after Reroll Failures 0.0%",
                       "1 success (rolled): 27.8%; after Reroll Failures 83.3%",
                       "2 successes: 2.8%; after Reroll Failures 16.7%"};
}

void ChancesTest::columnsTellTheirChances() {
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(int, markedRow);
    QFETCH(QStringList, columns);
    WindowRig rig;
    rig.Roll(QString::number(columns.size() - 1), target, draws);
    if (markedRow >= 0) rig.SelectRow(markedRow);
    OpenChances(rig);
    QCOMPARE(ReadColumns(Chart(rig)), columns);
}

void ChancesTest::theKeyboardMovesFromColumnToColumn_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("count");
    // The example pool rolls 3 successes of 5 dice; the keyboard starts there.
    QTest::newRow("right") << QList<int>{Qt::Key_Right} << 4;
    QTest::newRow("leftTwice") << QList<int>{Qt::Key_Left, Qt::Key_Left} << 1;
    QTest::newRow("home") << QList<int>{Qt::Key_Home} << 0;
    QTest::newRow("end") << QList<int>{Qt::Key_End} << 5;
    QTest::newRow("pastTheEnd") << QList<int>{Qt::Key_End, Qt::Key_Right} << 5;
    QTest::newRow("pastTheStart") << QList<int>{Qt::Key_Home, Qt::Key_Left} << 0;
    QTest::newRow("pageUp") << QList<int>{Qt::Key_PageUp} << 0;
    QTest::newRow("pageDownThenLeft") << QList<int>{Qt::Key_PageDown, Qt::Key_Left} << 4;
}

void ChancesTest::theKeyboardMovesFromColumnToColumn() {
    QFETCH(QList<int>, keys);
    QFETCH(int, count);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    ChancesWindow& window = OpenChances(rig);
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    ChancesChart& chart = Chart(rig);
    QTRY_VERIFY(chart.hasFocus());
    for (int key : keys) QTest::keyClick(&chart, static_cast<Qt::Key>(key));
    QCOMPARE(chart.CurrentCount(), count);
    // What a screen reader is pointed at when told the focus moved.
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(&chart)->focusChild();
    QVERIFY(focused);
    QVERIFY(focused->state().focused);
    QCOMPARE(focused->text(QAccessible::Name), chart.ColumnText(count));
}

void ChancesTest::hoveringAColumnTellsItsChances() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    ChancesChart& chart = *OpenChances(rig).Chart();
    QVERIFY(QTest::qWaitForWindowExposed(chart.window()));
    for (int k = 0; k <= 5; ++k) {
        const QPoint at = chart.ColumnRect(k).center();
        QHelpEvent hover(QEvent::ToolTip, at, chart.mapToGlobal(at));
        QApplication::sendEvent(&chart, &hover);
        QCOMPARE(QToolTip::text(), chart.ColumnText(k));
    }
    QToolTip::hideText();
}

void ChancesTest::theSeriesFollowRerollsTargetEditsAndSelection() {
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());  // 9 5 4 3 1
    ChancesChart& chart = *OpenChances(rig).Chart();
    QCOMPARE(Legend(chart), (QStringList{"New roll: 5 dice at target 4",
                                         "After Reroll Failures: 2 of 5 dice at target 4"}));
    // The chart expects what the tooltip does.
    QCOMPARE(ChancesText::Expected(chart.Data().AllSeries()[1]), QStringLiteral("4.0 expected"));
    QVERIFY(rig.ui.Command1->toolTip().contains(QStringLiteral("4.0 successes expected")));

    rig.SelectRow(1);
    QTRY_COMPARE(Legend(chart), (QStringList{"New roll: 5 dice at target 4",
                                             "After Reroll Failures: 2 of 5 dice at target 4",
                                             "After Reroll from Marker Down: 4 of 5 dice at "
                                             "target 4"}));
    // A new roll takes the target as typed; the rerolls keep the last roll's.
    rig.ui.txtInput[1]->setText(QStringLiteral("5"));
    QTRY_COMPARE(Legend(chart), (QStringList{"New roll: 5 dice at target 5",
                                             "After Reroll Failures: 2 of 5 dice at target 4",
                                             "After Reroll from Marker Down: 4 of 5 dice at "
                                             "target 4"}));
    rig.random.Script({Face(5)});
    rig.ui.Command1->click();  // 9 5 5 5 4, and no row selected
    QTRY_COMPARE(Legend(chart),
                 (QStringList{"New roll: 5 dice at target 4",
                              "After Reroll Failures: 5 dice at target 4, none to reroll"}));
    QCOMPARE(chart.Data().Rolled(), 5);
    QCOMPARE(chart.CurrentCount(), 5);
}

void ChancesTest::aClosedWindowCatchesUpWhenShownAgain() {
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    ChancesWindow& window = OpenChances(rig);
    window.close();
    rig.Roll(QStringLiteral("3"), QStringLiteral("4"), {Face(1)});
    QCOMPARE(window.Chart()->Data().Dice(), 5);  // nothing is drawn while closed
    OpenChances(rig);
    QCOMPARE(window.Chart()->Data().Dice(), 3);
    QCOMPARE(window.Chart()->Data().Rolled(), 0);
}

void ChancesTest::badInputIsSaidPlainly_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("typed");  // the target typed after the roll, if any
    QTest::addColumn<QString>("line");   // a line the summary must have
    QTest::addColumn<int>("columns");

    const std::vector<float> fives{Face(5)};
    QTest::newRow("targetPastTheLimit")
        << "3"
        << "4" << fives << "40000"
        << "Type a target from -32,768 to 32,767 to see the chances." << 4;
    QTest::newRow("targetNoNumber")
        << "3"
        << "4" << fives << "abc"
        << "A new roll of 3 dice at target 0: most likely 3 successes (100.0%), 3.0 expected." << 4;
    QTest::newRow("oneDie") << "1"
                            << "4" << std::vector<float>{Face(2)} << ""
                            << "Rolled 0 successes with 1 die at target 4." << 2;
    QTest::newRow("everyDieSucceeds") << "3"
                                      << "1" << fives << ""
                                      << "After Reroll Failures: no failures to reroll." << 4;
    QTest::newRow("noDieCanSucceed")
        << "3"
        << "30000" << fives << ""
        << "A new roll of 3 dice at target 30000: most likely 0 successes (100.0%), 0.0 expected; "
           "at least 0 successes: 100.0%."
        << 4;
    // 2500 elevens and 2500 ones: the failures rerolled beside 27,500 kept.
    std::vector<float> elevensAndOnes;
    for (int i = 0; i < 2500; ++i)
        elevensAndOnes.insert(elevensAndOnes.end(), {Face(6), Face(5), Face(1)});
    QTest::newRow("rerollPastTheLimit")
        << "5000"
        << "2" << elevensAndOnes << ""
        << "Its dice would add up past 32,767 nearly every time, so it cannot be rolled." << 299;
}

void ChancesTest::badInputIsSaidPlainly() {
    QFETCH(QString, dice);
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(int, columns);
    WindowRig rig;
    rig.Roll(dice, target, draws);
    if (!typed.isEmpty()) rig.ui.txtInput[1]->setText(typed);
    ChancesWindow& window = OpenChances(rig);
    QVERIFY2(window.accessibleDescription().split('\n').contains(line),
             qPrintable(window.accessibleDescription()));
    QCOMPARE(window.Summary()->text(), window.accessibleDescription());
    QCOMPARE(ReadColumns(*window.Chart()).size(), columns);
    QVERIFY(!ReadColumns(*window.Chart()).contains(QString()));
    QVERIFY(!window.grab().isNull());  // paints without a fault
}

void ChancesTest::aBigPoolShowsItsLikelyCountsAndSaysSo() {
    WindowRig rig;
    rig.random.cycle = true;
    // 400 each of 1 to 5: 800 successes, far below the 1000 a new roll expects,
    // so the axis stretches to show the rolled count too.
    rig.Roll(QStringLiteral("2000"), QStringLiteral("4"),
             {Face(1), Face(2), Face(3), Face(4), Face(5)});
    ChancesChart& chart = *OpenChances(rig).Chart();
    const ChancesData& data = chart.Data();
    QCOMPARE(data.FirstCount(), 800);
    QVERIFY(data.LastCount() > 1400 && data.LastCount() < 1500);
    QCOMPARE(ChancesText::CountAxis(data),
             QStringLiteral("Successes 800 to %1 (the rest: under 0.1%)").arg(data.LastCount()));
    QCOMPARE(ReadColumns(chart).size(), data.Counts());
    QVERIFY(!chart.grab().isNull());
}

void ChancesTest::ctrlGOpensItFromEveryControl_data() {
    QTest::addColumn<QString>("control");
    for (const char* name : {"diceField", "targetField", "btnRoll", "lstResults"}) {
        QTest::newRow(name) << name;
    }
}

void ChancesTest::ctrlGOpensItFromEveryControl() {
    QFETCH(QString, control);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QWidget* focus = control == "diceField"     ? rig.ui.txtInput[0]
                     : control == "targetField" ? rig.ui.txtInput[1]
                                                : rig.window.findChild<QWidget*>(control);
    focus->setFocus();
    QTRY_VERIFY(focus->hasFocus());
    QTest::keyClick(focus, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(rig.window.Side().Chances());
    QVERIFY(rig.window.Side().Chances()->isVisible());
}

void ChancesTest::escAndCtrlWCloseIt() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        ChancesWindow& window = OpenChances(rig);
        QTRY_COMPARE(QApplication::activeWindow(), &window);
        QTest::keyClick(window.Chart(), keys.key(), keys.keyboardModifiers());
        QVERIFY(!window.isVisible());
    }
}

void ChancesTest::itClosesWithTheDiceWindow() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    ChancesWindow& window = OpenChances(rig);
    QVERIFY(window.isVisible());
    rig.window.close();
    QVERIFY(!window.isVisible());
}

}  // namespace corvane

QTEST_MAIN(corvane::ChancesTest)
#include "ChancesTest.moc"
