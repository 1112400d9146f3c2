#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "WindowRig.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

const std::vector<float> kExamplePool = testing_support::ExamplePoolDraws();

class RollerBehaviourTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithASixDiceRollAndTheDiceFieldSelected();
    void displayShowsTheOutcome_data();
    void displayShowsTheOutcome();
    void lettersInTheDiceFieldRollOneDie();
    void aRollWritesOnlyTheFieldsItChanges();
    void enterInEitherFieldRolls_data();
    void enterInEitherFieldRolls();
    void tabbingIntoAFieldSelectsItsText();
    void refusalsBeepAndLeaveTheListAsItWas_data();
    void refusalsBeepAndLeaveTheListAsItWas();
    void aboutBoxFromThePictureAndFromF1();
    void overflowLeavesEverythingAndTheProgramGoesOn();
    void aClickDuringALongSortIsDropped();
    void closingDuringALongSortKeepsTheLastRoll();
};

void RollerBehaviourTest::opensWithASixDiceRollAndTheDiceFieldSelected() {
    WindowRig rig;
    QCOMPARE(rig.Rows().size(), 6);
    QCOMPARE(rig.ui.lblStatus->text(), QStringLiteral("0 successes."));  // six scripted 1s
    QCOMPARE(rig.CurrentRow(), -1);
    QVERIFY(rig.ShowAndActivate());
    QCOMPARE(QApplication::focusWidget(), rig.ui.txtInput[0]);
    QCOMPARE(rig.ui.txtInput[0]->selectedText(), QStringLiteral("6"));
}

void RollerBehaviourTest::displayShowsTheOutcome_data() {
    QTest::addColumn<QString>("dice");
    QTest::addColumn<QString>("target");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<QString>("successes");
    QTest::addColumn<QString>("highAndTotal");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("status");

    QTest::newRow("examplePool") << "5"
                                 << "4" << kExamplePool << "3"
                                 << "High roll: 9, Total roll: 22"
                                 << QStringList{"9", "5", "4", "3", "1"} << "3 successes.";
    QTest::newRow("botch") << "3"
                           << "4" << std::vector<float>{Face(1)} << "0 (botch)"
                           << "High roll: 1, Total roll: 3" << QStringList{"1", "1", "1"}
                           << "0 successes.";
    QTest::newRow("botchThatSucceeds")
        << "3"
        << "1" << std::vector<float>{Face(1)} << "3 (botch)"
        << "High roll: 1, Total roll: 3" << QStringList{"1", "1", "1"} << "3 successes.";
    QTest::newRow("oneSuccess") << "2"
                                << "-7.5" << std::vector<float>{Face(5), Face(1)} << "2"
                                << "High roll: 5, Total roll: 6" << QStringList{"5", "1"}
                                << "2 successes.";
    QTest::newRow("singularStaysPlural")
        << "2"
        << "5" << std::vector<float>{Face(5), Face(1)} << "1"
        << "High roll: 5, Total roll: 6" << QStringList{"5", "1"} << "1 successes.";
}

void RollerBehaviourTest::displayShowsTheOutcome() {
    QFETCH(QString, dice);
    QFETCH(QString, target);
    QFETCH(std::vector<float>, draws);
    QFETCH(QString, successes);
    QFETCH(QString, highAndTotal);
    QFETCH(QStringList, rows);
    QFETCH(QString, status);

    WindowRig rig;
    rig.Roll(dice, target, draws);
    QCOMPARE(rig.ui.lblResult[0]->text(), successes);
    QCOMPARE(rig.ui.lblResult[0]->accessibleName(), QStringLiteral("Successes: ") + successes);
    QCOMPARE(rig.ui.lblResult[1]->text(), highAndTotal);
    QCOMPARE(rig.Rows(), rows);
    QCOMPARE(rig.SelectedRowCount(), 0);
    QCOMPARE(rig.ui.lblStatus->text(), status);
    QCOMPARE(rig.ui.txtInput[1]->text(), QString::number(rig.window.State().TargetNumber.Value()));
}

void RollerBehaviourTest::lettersInTheDiceFieldRollOneDie() {
    WindowRig rig;
    rig.Roll(QStringLiteral("abc"), QStringLiteral("4"), {Face(2)});
    QCOMPARE(rig.ui.txtInput[0]->text(), QStringLiteral("1"));
    QCOMPARE(rig.Rows(), QStringList{"2"});
}

// Writing a field's text again, unchanged, has screen readers read it out as
// deleted and typed anew; so a roll leaves such a field alone, selection and all.
void RollerBehaviourTest::aRollWritesOnlyTheFieldsItChanges() {
    WindowRig rig;
    rig.ui.txtInput[0]->setText(QStringLiteral("3.0"));
    rig.ui.txtInput[1]->setText(QStringLiteral("4"));
    rig.ui.txtInput[1]->selectAll();
    rig.random.Script({Face(2)});
    rig.ui.btnRoll->click();
    QCOMPARE(rig.ui.txtInput[0]->text(), QStringLiteral("3"));
    QCOMPARE(rig.ui.txtInput[1]->selectedText(), QStringLiteral("4"));
}

void RollerBehaviourTest::enterInEitherFieldRolls_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("diceReturn") << 0 << int(Qt::Key_Return);
    QTest::newRow("targetReturn") << 1 << int(Qt::Key_Return);
    QTest::newRow("diceKeypadEnter") << 0 << int(Qt::Key_Enter);
}

void RollerBehaviourTest::enterInEitherFieldRolls() {
    QFETCH(int, field);
    QFETCH(int, key);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QLineEdit* input = rig.ui.txtInput[static_cast<std::size_t>(field)];
    input->setFocus();
    rig.ui.txtInput[0]->setText(QStringLiteral("3"));
    QTest::keyClick(input, static_cast<Qt::Key>(key));
    QCOMPARE(rig.Rows().size(), 3);
    QCOMPARE(rig.random.reseeds.size(), 2U);
}

void RollerBehaviourTest::tabbingIntoAFieldSelectsItsText() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.ui.txtInput[1]->setText(QStringLiteral("12"));
    QTest::keyClick(rig.ui.txtInput[0], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), rig.ui.txtInput[1]);
    QCOMPARE(rig.ui.txtInput[1]->selectedText(), QStringLiteral("12"));
    QTest::keyClicks(rig.ui.txtInput[1], QStringLiteral("5"));
    QCOMPARE(rig.ui.txtInput[1]->text(), QStringLiteral("5"));
}

void RollerBehaviourTest::refusalsBeepAndLeaveTheListAsItWas_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("message");
    QTest::newRow("noFailures") << "abc" << false << "No failures to reroll.";
    QTest::newRow("noMarker") << "4" << true << "No marker specified.";
}

void RollerBehaviourTest::refusalsBeepAndLeaveTheListAsItWas() {
    QFETCH(QString, target);
    QFETCH(bool, marker);
    QFETCH(QString, message);
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), target, kExamplePool);
    const QStringList rows = rig.Rows();
    rig.ui.txtInput[0]->setText(QStringLiteral("typed"));
    (marker ? rig.ui.Command2 : rig.ui.Command1)->click();
    QCOMPARE(rig.alerts.beeps, 1);
    QCOMPARE(rig.ui.lblStatus->text(), message);
    QCOMPARE(rig.Rows(), rows);
    QCOMPARE(rig.ui.txtInput[0]->text(), QStringLiteral("typed"));
}

void RollerBehaviourTest::aboutBoxFromThePictureAndFromF1() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QTest::mouseDClick(rig.ui.Image1, Qt::LeftButton);
    QTest::keyClick(&rig.window, Qt::Key_F1);
    QCOMPARE(rig.alerts.messages.size(), 2U);
    for (const auto& message : rig.alerts.messages) {
        QCOMPARE(message.title, std::string("About Corvane Dice"));
        const QStringList lines = QString::fromStdString(message.text).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Corvane Dice 1.0.1"));
        QVERIFY(lines[1].isEmpty());
        // The owner's notice names the licence the program is under.
        QVERIFY(lines[2].contains(QStringLiteral("GNU GPL, version 3 or later")));
    }
}

void RollerBehaviourTest::overflowLeavesEverythingAndTheProgramGoesOn() {
    WindowRig rig;
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), kExamplePool);
    const QStringList rows = rig.Rows();
    const QString highAndTotal = rig.ui.lblResult[1]->text();
    rig.Roll(QStringLiteral("40000"), QStringLiteral("4"), {Face(1)});
    QCOMPARE(rig.alerts.beeps, 1);
    QCOMPARE(rig.ui.lblStatus->text(),
             QStringLiteral("Dice to Roll: type a number from 1 to 32,766."));
    QCOMPARE(rig.Rows(), rows);
    QCOMPARE(rig.ui.lblResult[0]->text(), QStringLiteral("3"));
    QCOMPARE(rig.ui.lblResult[1]->text(), highAndTotal);
    QCOMPARE(rig.ui.txtInput[0]->text(), QStringLiteral("40000"));
    QCOMPARE(rig.window.State().DiceCount.Value(), 5);

    rig.Roll(QStringLiteral("2"), QStringLiteral("4"), {Face(4)});
    QCOMPARE(rig.Rows(), (QStringList{"4", "4"}));
}

// A pool large enough that the sort yields to the window several times.
const QString kLongPool = QStringLiteral("10000");

void PostClick(QWidget* button) {
    const QPointF inside(5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QCoreApplication::postEvent(
            button, new QMouseEvent(type, inside, button->mapToGlobal(inside), Qt::LeftButton, held,
                                    Qt::NoModifier));
    }
}

void RollerBehaviourTest::aClickDuringALongSortIsDropped() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QSignalSpy clicks(rig.ui.btnRoll, &QPushButton::clicked);
    PostClick(rig.ui.btnRoll);
    rig.Roll(kLongPool, QStringLiteral("4"), {Face(3), Face(5), Face(2)});
    QCOMPARE(clicks.count(), 2);  // ours, and the one that arrived mid-sort
    // The start-up roll and ours: the click that arrived mid-sort rolled nothing.
    QCOMPARE(rig.random.reseeds.size(), 2U);
    QCOMPARE(rig.RowCount(), 10000);
    QCOMPARE(rig.Row(0), QStringLiteral("5"));
}

void RollerBehaviourTest::closingDuringALongSortKeepsTheLastRoll() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), kExamplePool);
    const RollerState before = rig.window.State();
    const QStringList rows = rig.Rows();
    QMetaObject::invokeMethod(&rig.window, &QWidget::close, Qt::QueuedConnection);
    rig.Roll(kLongPool, QStringLiteral("4"), {Face(3), Face(5)});
    QVERIFY(!rig.window.isVisible());
    QVERIFY(rig.window.State() == before);
    QCOMPARE(rig.Rows(), rows);
    QCOMPARE(rig.ui.lblStatus->text(), QStringLiteral("3 successes."));
}

}  // namespace corvane

QTEST_MAIN(corvane::RollerBehaviourTest)
#include "RollerBehaviourTest.moc"
