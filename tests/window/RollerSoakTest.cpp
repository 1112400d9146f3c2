// Thousands of random user actions on the real window: typing anything,
// clicks, access keys, Enter, selections, resizes, minimising. After each one
// the window must still show one consistent roll.
#include <QtTest>
#include <random>

#include "WindowRig.h"

namespace corvane {

using testing_support::PoolTally;
using testing_support::TallyOf;
using testing_support::WindowRig;

class RollerSoakTest : public QObject {
    Q_OBJECT
private slots:
    void randomActionsKeepTheWindowConsistent();

private:
    void Act(WindowRig& rig);
    void CheckConsistent(WindowRig& rig);
    int Pick(int below) { return static_cast<int>(random_() % static_cast<unsigned>(below)); }
    QString RandomText();

    std::mt19937 random_{1208};
    std::array<int, 4> statusesSeen_{};
};

QString RollerSoakTest::RandomText() {
    static const QStringList kOdd = {
        "",      "-",     "+5",    "2.5",    "3.5",      "1e3",    "-0",
        " 12",   "abc",   "4,5",   "\u0663", "\u00fcnf", "\u2167", "99999999999999999999",
        "1e400", "32767", "32768", "-32769", "9000",     "6554",   "\U0001F3B2",
    };
    if (Pick(3) == 0) return kOdd[Pick(static_cast<int>(kOdd.size()))];
    return QString::number(Pick(60) - 5);
}

void RollerSoakTest::Act(WindowRig& rig) {
    const RollerControls& ui = rig.ui;
    const std::array<QPushButton*, 3> buttons = {ui.btnRoll, ui.Command1, ui.Command2};
    switch (Pick(12)) {
        case 0:
        case 1: {  // type over a field's text
            QLineEdit* field = ui.txtInput[static_cast<std::size_t>(Pick(2))];
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            const QString text = RandomText();
            for (const QChar ch : text) {
                if (ch.unicode() < 128) {
                    QTest::keyClick(field, ch.toLatin1());
                } else {  // as an input method would deliver it
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
                    QApplication::sendEvent(field, &key);
                }
            }
            break;
        }
        case 2:
        case 3:
        case 4:
            QTest::mouseClick(buttons[static_cast<std::size_t>(Pick(3))], Qt::LeftButton);
            break;
        case 5:
            QTest::keyClick(ui.txtInput[static_cast<std::size_t>(Pick(2))], Qt::Key_Return);
            break;
        case 6:
        case 7: {  // select a row, or none
            const int row = Pick(rig.RowCount() + 2) - 1;
            if (row < 0 || row >= rig.RowCount()) {
                ui.lstResults->clearSelection();
            } else {
                QTest::mouseClick(ui.lstResults->viewport(), Qt::LeftButton, {},
                                  ui.lstResults->visualRect(rig.RowIndex(row)).center());
            }
            break;
        }
        case 8:
            rig.window.resize(Pick(900) + 50, Pick(700) + 50);
            break;
        case 9:
            if (Pick(4) == 0) {
                rig.window.showMinimized();
                QCoreApplication::processEvents();
                rig.window.showNormal();
            }
            break;
        case 10:
            if (Pick(8) == 0) {  // access keys press their button visibly first
                static constexpr std::array<Qt::Key, 3> kKeys = {Qt::Key_R, Qt::Key_F, Qt::Key_M};
                const auto index = static_cast<std::size_t>(Pick(3));
                QSignalSpy clicked(buttons[index], &QPushButton::clicked);
                QTest::keyClick(&rig.window, kKeys[index], Qt::AltModifier);
                QTRY_COMPARE(clicked.count(), 1);
            }
            break;
        default:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            break;
    }
    QCoreApplication::processEvents();
}

void RollerSoakTest::CheckConsistent(WindowRig& rig) {
    const RollerControls& ui = rig.ui;
    const RollerState& state = rig.window.State();
    QVERIFY(rig.window.isVisible());
    QList<int> rows;
    for (const QString& row : rig.Rows()) rows << row.toInt();
    QCOMPARE(rows.size(), static_cast<int>(state.DiceResults.Dice().size()));
    QCOMPARE(rows.size(), static_cast<int>(state.DiceCount.Value()));
    QVERIFY(std::is_sorted(rows.rbegin(), rows.rend()));
    const PoolTally tally = TallyOf(rows, state.TargetNumber.Value());
    QCOMPARE(ui.lblResult[0]->text(),
             QString::number(tally.successes) + (tally.botch ? " (botch)" : ""));
    QCOMPARE(ui.lblResult[1]->text(),
             QStringLiteral("High roll: %1, Total roll: %2").arg(tally.high).arg(tally.total));
    const QStringList statuses = {QString::number(tally.successes) + " successes.",
                                  "No failures to reroll.", "No marker specified."};
    QStringList errors;
    for (RollFault fault :
         {RollFault::DiceField, RollFault::TargetField, RollFault::TotalThisTime,
          RollFault::TotalTooLarge, RollFault::RerollTooLarge, RollFault::PoolOutOfStep}) {
        errors << ResultsDisplay::ErrorText(RollFailure(ErrorNumber::Overflow, fault));
    }
    // Any of the errors counts as the fourth kind of status.
    const auto status = errors.contains(ui.lblStatus->text())
                            ? statuses.size()
                            : statuses.indexOf(ui.lblStatus->text());
    QVERIFY2(status >= 0, qPrintable(ui.lblStatus->text()));
    ++statusesSeen_[static_cast<std::size_t>(status)];
    if (!rig.window.isMinimized()) {
        QCOMPARE(ui.lblStatus->geometry().bottom(), rig.window.height() - 1);
        QCOMPARE(ui.lstResults->geometry().right(), rig.window.width() - 4 - 1);
    }
}

void RollerSoakTest::randomActionsKeepTheWindowConsistent() {
    WindowRig rig;
    std::vector<float> draws;
    for (int i = 0; i < 4099; ++i)
        draws.push_back(static_cast<float>(random_() >> 8) / 16777216.0F);
    rig.random.Script(draws);
    rig.random.cycle = true;
    QVERIFY(rig.ShowAndActivate());
    for (int action = 0; action < 3000; ++action) {
        Act(rig);
        CheckConsistent(rig);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after action %1").arg(action)));
    }
    // Rolls, both refusals and overflows all came up along the way.
    for (int seen : statusesSeen_) QVERIFY(seen > 20);
}

}  // namespace corvane

QTEST_MAIN(corvane::RollerSoakTest)
#include "RollerSoakTest.moc"
