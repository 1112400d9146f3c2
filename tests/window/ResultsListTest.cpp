#include <QAccessible>
#include <QtTest>

#include "WindowRig.h"
#include "window/roller/ResultsModel.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

// A pool of the given dice, largest first as a roll leaves it.
RollerState PoolOf(const QList<int>& dice, int target = 4) {
    RollerState state;
    state.TargetNumber = Int16::From(target);
    state.DiceResults.Redim(Int16::From(dice.size()));
    for (qsizetype i = 0; i < dice.size(); ++i)
        state.DiceResults[Int16::From(i + 1)] = Int16::From(dice[i]);
    return state;
}

class ResultsListTest : public QObject {
    Q_OBJECT
private slots:
    void modelRowsAreThePool_data();
    void modelRowsAreThePool();
    void rowsReadToScreenReaders_data();
    void rowsReadToScreenReaders();
    void aShorterPoolBeforeTheRefreshIsNeverReadPast();
    void eachRollClearsTheSelection_data();
    void eachRollClearsTheSelection();
    void withTheFocusElsewhereARollLeavesNoCurrentRow();
};

void ResultsListTest::modelRowsAreThePool_data() {
    QTest::addColumn<QList<int>>("dice");
    QTest::newRow("oneDie") << QList<int>{4};
    QTest::newRow("examplePool") << QList<int>{9, 5, 4, 3, 1};
    QList<int> big;
    for (int i = 0; i < 7000; ++i) big << 7000 - i;
    QTest::newRow("sevenThousand") << big;
}

void ResultsListTest::modelRowsAreThePool() {
    QFETCH(QList<int>, dice);
    const RollerState noRollYet;
    ResultsModel empty(noRollYet);
    empty.Refresh();
    QCOMPARE(empty.rowCount(), 0);

    const RollerState pool = PoolOf(dice);
    ResultsModel model(pool);
    QCOMPARE(model.rowCount(), 0);  // the view hears of the rows only at a refresh
    model.Refresh();
    QCOMPARE(model.rowCount(), dice.size());
    for (int row = 0; row < dice.size(); ++row) {
        const QModelIndex index = model.index(row);
        QCOMPARE(index.data().toString(), QString::number(dice[row]));
        QVERIFY(index.data(Qt::AccessibleTextRole)
                    .toString()
                    .startsWith(QString::number(dice[row]) + QLatin1Char(',')));
    }
    QVERIFY(!model.index(-1).isValid());
    QVERIFY(!model.index(static_cast<int>(dice.size())).isValid());
    QCOMPARE(model.rowCount(model.index(0)), 0);
}

void ResultsListTest::rowsReadToScreenReaders_data() {
    QTest::addColumn<QList<int>>("dice");
    QTest::addColumn<int>("target");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("examplePool") << QList<int>{9, 5, 4, 3, 1} << 4
                                 << QStringList{"9, success, high roll, die 1 of 5", "5, success",
                                                "4, success", "3, failure", "1, failure"};
    QTest::newRow("oneDieFails") << QList<int>{2} << 5
                                 << QStringList{"2, failure, high roll, die 1 of 1"};
}

// The eye sees the number; a screen reader hears whether it succeeded, and on
// the first row that it is the highest of how many.
void ResultsListTest::rowsReadToScreenReaders() {
    QFETCH(QList<int>, dice);
    QFETCH(int, target);
    QFETCH(QStringList, spoken);
    RollerState pool = PoolOf(dice, target);
    ResultsModel model(pool);
    model.Refresh();
    // Read against the target the rows were rolled at, not one set since.
    pool.TargetNumber = Int16::From(100);
    QStringList heard;
    QListView view;
    view.setModel(&model);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
    for (int row = 0; row < model.rowCount(); ++row)
        heard << list->tableInterface()->cellAt(row, 0)->text(QAccessible::Name);
    QCOMPARE(heard, spoken);
}

void ResultsListTest::aShorterPoolBeforeTheRefreshIsNeverReadPast() {
    RollerState pool = PoolOf({9, 5, 4, 3, 1});
    ResultsModel model(pool);
    model.Refresh();
    pool = PoolOf({6});
    QCOMPARE(model.index(0).data().toString(), QStringLiteral("6"));
    QVERIFY(!model.index(4).data().isValid());
}

void ResultsListTest::eachRollClearsTheSelection_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<QStringList>("rows");
    // The example pool is 9 5 4 3 1; every fresh die here is a 2. A click
    // selects the "3", the arrow keys the "4".
    QTest::newRow("rollAfterAClick") << "btnRoll" << false << QStringList{"2", "2", "2", "2", "2"};
    QTest::newRow("failuresAfterAClick")
        << "Command1" << false << QStringList{"9", "5", "4", "2", "2"};
    QTest::newRow("markerAfterAClick")
        << "Command2" << false << QStringList{"9", "5", "4", "2", "2"};
    QTest::newRow("markerAfterTheArrowKeys")
        << "Command2" << true << QStringList{"9", "5", "2", "2", "2"};
}

void ResultsListTest::eachRollClearsTheSelection() {
    QFETCH(QString, button);
    QFETCH(bool, byKeyboard);
    QFETCH(QStringList, rows);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), testing_support::ExamplePoolDraws());
    QCOMPARE(rig.window.MarkedRow().Value(), -1);
    if (byKeyboard) {
        rig.ui.lstResults->setFocus();
        QTest::keyClick(rig.ui.lstResults, Qt::Key_Home);
        QTest::keyClick(rig.ui.lstResults, Qt::Key_Down);
        QTest::keyClick(rig.ui.lstResults, Qt::Key_Down);
    } else {
        QTest::mouseClick(rig.ui.lstResults->viewport(), Qt::LeftButton, {},
                          rig.ui.lstResults->visualRect(rig.RowIndex(3)).center());
    }
    const int marked = byKeyboard ? 2 : 3;
    QCOMPARE(rig.window.MarkedRow().Value(), marked);

    rig.random.Script({Face(2)});
    rig.window.findChild<QPushButton*>(button)->click();
    QCOMPARE(rig.SelectedRowCount(), 0);
    // The list keeps its place, unselected, as the focus was in it.
    QCOMPARE(rig.CurrentRow(), marked);
    QCOMPARE(rig.window.MarkedRow().Value(), -1);
    QCOMPARE(rig.Rows(), rows);
}

void ResultsListTest::withTheFocusElsewhereARollLeavesNoCurrentRow() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), testing_support::ExamplePoolDraws());
    rig.SelectRow(3);
    QVERIFY(!rig.ui.lstResults->hasFocus());
    rig.ui.Command2->click();
    QCOMPARE(rig.CurrentRow(), -1);
    QCOMPARE(rig.SelectedRowCount(), 0);
}

}  // namespace corvane

QTEST_MAIN(corvane::ResultsListTest)
#include "ResultsListTest.moc"
