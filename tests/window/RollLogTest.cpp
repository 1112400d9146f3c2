#include <QClipboard>
#include <QtTest>

#include "WindowRig.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"

namespace corvane {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

class RollLogTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlCCopiesTheLastRoll_data();
    void ctrlCCopiesTheLastRoll();
    void ctrlCInAFieldCopiesItsSelectedText();
    void theLogListsCompletedRollsOnly();
    void aLongPoolIsShortInTheLogAndWholeWhenCopied();
    void theLogWindowCopiesAndClosesFromTheKeyboard();
    void theLogWindowClosesWithTheDiceWindow();
    void eachOpeningStartsOnTheNewestRoll();
    void theLogKeepsTheNewestThousand();
};

void ResetClipboard() { QGuiApplication::clipboard()->setText(QStringLiteral("-")); }

void RollLogTest::ctrlCCopiesTheLastRoll_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("reroll");  // the button after the roll, if any
    QTest::addColumn<int>("markedRow");
    QTest::addColumn<QString>("line");

    const std::vector<float> example = ExamplePoolDraws();  // 9 5 4 3 1
    QTest::newRow("newRoll") << "5"
                             << "4" << example << "" << -1
                             << "5 dice at target 4: 9 5 4 3 1 = 3 successes (high roll 9, total "
                                "roll 22)";
    QTest::newRow("botch") << "3"
                           << "4" << std::vector<float>{Face(1)} << "" << -1
                           << "3 dice at target 4: 1 1 1 = 0 successes (botch) (high roll 1, "
                              "total roll 3)";
    QTest::newRow("oneDie") << "1"
                            << "4" << std::vector<float>{Face(5)} << "" << -1
                            << "1 die at target 4: 5 = 1 success (high roll 5, total roll 5)";
    QTest::newRow("failures") << "5"
                              << "4" << example << "Command1" << -1
                              << "Reroll Failures (dice 4 to 5), 5 dice at target 4: 9 5 4 2 2 = 3 "
                                 "successes (high roll 9, total roll 22)";
    QTest::newRow("marker") << "5"
                            << "4" << example << "Command2" << 1
                            << "Reroll from Marker Down (dice 2 to 5), 5 dice at target 4: 9 2 2 "
                               "2 2 = 1 success (high roll 9, total roll 17)";
    QTest::newRow("markerOnTheLastDie")
        << "5"
        << "4" << example << "Command2" << 4
        << "Reroll from Marker Down (die 5), 5 dice at target 4: 9 5 4 3 2 = 3 successes (high "
           "roll 9, total roll 23)";
}

void RollLogTest::ctrlCCopiesTheLastRoll() {
    QFETCH(QString, dice);
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, reroll);
    QFETCH(int, markedRow);
    QFETCH(QString, line);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(dice, target, draws);
    if (!reroll.isEmpty()) {
        rig.SelectRow(markedRow);
        rig.random.Script({Face(2)});
        rig.window.findChild<QPushButton*>(reroll)->click();
    }
    ResetClipboard();
    rig.ui.btnRoll->setFocus();
    QTest::keyClick(rig.ui.btnRoll, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), line);
    QCOMPARE(rig.ui.lblStatus->text(), QStringLiteral("Roll copied."));
}

void RollLogTest::ctrlCInAFieldCopiesItsSelectedText() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(5)});
    QLineEdit* target = rig.ui.txtInput[1];
    target->setFocus();
    // Selected by hand: the program's own selection copies the roll.
    QTest::keyClick(target, Qt::Key_End);
    QTest::keyClick(target, Qt::Key_Home, Qt::ShiftModifier);
    ResetClipboard();
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), QStringLiteral("4"));
    target->deselect();
    QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(Clipboard().startsWith(QStringLiteral("1 die at target 4: 5")));
}

void RollLogTest::theLogListsCompletedRollsOnly() {
    WindowRig rig;  // the opening roll is the first entry
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    rig.ui.Command2->click();                                           // refused: no marker
    rig.Roll(QStringLiteral("40000"), QStringLiteral("4"), {Face(1)});  // overflow
    rig.random.Script({Face(2)});
    rig.ui.Command1->click();
    const RollLogModel& log = rig.window.Side().Log();
    QTRY_COMPARE(log.rowCount(), 3);
    const QStringList newest = log.index(0).data().toString().split(QLatin1Char('\n'));
    QCOMPARE(newest.size(), 3);
    QCOMPARE(QTime::fromString(newest[0].left(8), QStringLiteral("hh:mm:ss")),
             QTime(12, 34, 56));  // the rig's clock
    // The luck of the two dice rolled again: no success, at even chances.
    QCOMPARE(newest[0].mid(8), QStringLiteral("  Reroll Failures, 5 dice at target 4: 3 successes "
                                              "(high roll 9, total roll 22); luck of the 2 dice "
                                              "rolled again: bottom 25%."));
    QCOMPARE(newest[1], QStringLiteral("Dice: 9 5 4 2 2."));
    QCOMPARE(newest[2], QStringLiteral("Dice 4 to 5 were: 3 1."));
    QCOMPARE(log.index(1).data().toString().mid(8),
             QStringLiteral("  Roll, 5 dice at target 4: 3 successes (high roll 9, total roll "
                            "22); luck: about average.\nDice: 9 5 4 3 1."));
    // Screen readers read the entry as it copies.
    QCOMPARE(log.index(0).data(Qt::AccessibleTextRole).toString(), newest.join(QLatin1Char(' ')));
}

void RollLogTest::aLongPoolIsShortInTheLogAndWholeWhenCopied() {
    WindowRig rig;
    rig.Roll(QStringLiteral("1234"), QStringLiteral("4"), {Face(3)});
    const RollLogModel& log = rig.window.Side().Log();
    QTRY_COMPARE(log.rowCount(), 2);
    const QModelIndex newest = log.index(0);
    const QString shown = QStringLiteral("3 ").repeated(300);
    QVERIFY(newest.data().toString().endsWith(QStringLiteral("Dice: ") + shown +
                                              QStringLiteral("... and 934 more.")));
    // Grouped as the evening over the entries groups its counts.
    QVERIFY(
        newest.data().toString().contains(QStringLiteral("1,234 dice at target 4: 0 "
                                                         "successes (high roll 3, total roll "
                                                         "3,702)")));
    QVERIFY(newest.data(Qt::AccessibleTextRole)
                .toString()
                .endsWith(QStringLiteral("Dice: ") + QStringLiteral("3 ").repeated(1233) +
                          QStringLiteral("3.")));
}

void RollLogTest::theLogWindowCopiesAndClosesFromTheKeyboard() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(5)});
    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(2)});
    rig.ui.txtInput[0]->setFocus();  // a field does not keep Ctrl+L for itself
    QTest::keyClick(rig.ui.txtInput[0], Qt::Key_L, Qt::ControlModifier);
    RollLogWindow* window = rig.window.Side().LogWindow();
    QVERIFY(window);
    QTRY_COMPARE(rig.window.Side().Log().rowCount(), 3);
    // The log shares activation with the dice window, so wait for the
    // application to see it as the active one.
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QListView* entries = window->Entries();
    entries->setFocus();
    QTest::keyClick(entries, Qt::Key_Home);
    QTest::keyClick(entries, Qt::Key_Down, Qt::ShiftModifier);
    ResetClipboard();
    QTest::keyClick(entries, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(),
             QStringLiteral("12:34:56  Roll, 1 die at target 4: 1 success (high roll 5, total roll "
                            "5); luck: about average. Dice: 5.\n12:34:56  Roll, 1 die at target 4: "
                            "0 successes (high roll 2, total roll 2); luck: about average. Dice: "
                            "2."));
    QCOMPARE(window->Status()->text(), QStringLiteral("2 rolls copied."));
    QTest::keyClick(entries, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
    rig.window.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &rig.window);
    QTest::keyClick(&rig.window, Qt::Key_L, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QTest::keyClick(entries, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
}

void RollLogTest::theLogWindowClosesWithTheDiceWindow() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QTest::keyClick(&rig.window, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(rig.window.Side().LogWindow()->isVisible());
    rig.window.close();
    QVERIFY(!rig.window.Side().LogWindow()->isVisible());
}

// Screen readers read the row the log opens on: the newest roll, not the one
// the rolls made while it was closed have pushed the current row to.
void RollLogTest::eachOpeningStartsOnTheNewestRoll() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.window.Side().ShowLog();
    QListView* entries = rig.window.Side().LogWindow()->Entries();
    QCOMPARE(entries->currentIndex().row(), 0);
    rig.window.Side().LogWindow()->close();
    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(5)});
    rig.Roll(QStringLiteral("1"), QStringLiteral("4"), {Face(2)});
    rig.window.Side().ShowLog();
    QCOMPARE(entries->currentIndex().row(), 0);
    QCOMPARE(rig.window.Side().Log().rowCount(), 3);
    QVERIFY(entries->currentIndex()
                .data(Qt::AccessibleTextRole)
                .toString()
                .endsWith(QStringLiteral("Dice: 2.")));
    QCOMPARE(entries->selectionModel()->selectedRows().size(), 0);
}

void RollLogTest::theLogKeepsTheNewestThousand() {
    RollLogModel log;
    auto addRolls = [&](int first, int last) {
        for (int i = first; i <= last; ++i) {
            RollRecord record;
            record.SecondsSinceMidnight = static_cast<float>(i);
            log.Add(std::make_shared<const RollRecord>(record));
        }
    };
    auto secondsAt = [&](int row) {
        return QTime::fromString(log.index(row).data().toString().left(8), "hh:mm:ss")
                   .msecsSinceStartOfDay() /
               1000;
    };
    addRolls(1, 1);  // shown at once, so the next burst waits
    addRolls(2, 1500);
    QCOMPARE(log.rowCount(), 1);
    QTRY_COMPARE(log.rowCount(), 1000);
    QCOMPARE(secondsAt(0), 1500);
    QCOMPARE(secondsAt(999), 501);
    addRolls(1501, 1510);
    QTRY_COMPARE(secondsAt(0), 1510);
    QCOMPARE(log.rowCount(), 1000);
    QCOMPARE(secondsAt(999), 511);
}

}  // namespace corvane

QTEST_MAIN(corvane::RollLogTest)
#include "RollLogTest.moc"
