#include <QtTest>

#include "WindowRig.h"
#include "window/roller/ResultsModel.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

// A pool of the given dice, largest first as a roll leaves it.
ResultArray PoolOf(const QList<int>& dice) {
    ResultArray pool;
    pool.Redim(Int16::From(dice.size()));
    for (qsizetype i = 0; i < dice.size(); ++i) pool[Int16::From(i + 1)] = Int16::From(dice[i]);
    return pool;
}

class ResultsListTest : public QObject {
    Q_OBJECT
private slots:
    void modelRowsAreThePool_data();
    void modelRowsAreThePool();
    void aShorterPoolBeforeTheRefreshIsNeverReadPast();
    void eachRollClearsTheSelection_data();
    void eachRollClearsTheSelection();
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
    const ResultArray noRollYet;
    ResultsModel empty(noRollYet);
    empty.Refresh();
    QCOMPARE(empty.rowCount(), 0);

    const ResultArray pool = PoolOf(dice);
    ResultsModel model(pool);
    QCOMPARE(model.rowCount(), 0);  // the view hears of the rows only at a refresh
    model.Refresh();
    QCOMPARE(model.rowCount(), dice.size());
    for (int row = 0; row < dice.size(); ++row) {
        const QModelIndex index = model.index(row);
        QCOMPARE(index.data().toString(), QString::number(dice[row]));
        QCOMPARE(index.data(Qt::AccessibleTextRole).toString(), QString::number(dice[row]));
    }
    QVERIFY(!model.index(-1).isValid());
    QVERIFY(!model.index(static_cast<int>(dice.size())).isValid());
    QCOMPARE(model.rowCount(model.index(0)), 0);
}

void ResultsListTest::aShorterPoolBeforeTheRefreshIsNeverReadPast() {
    ResultArray pool = PoolOf({9, 5, 4, 3, 1});
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

}  // namespace corvane

QTEST_MAIN(corvane::ResultsListTest)
#include "ResultsListTest.moc"
