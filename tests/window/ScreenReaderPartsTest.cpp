#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

#include "ScreenReader.h"
#include "WindowRig.h"

namespace corvane {

using testing_support::Face;
using testing_support::PartWithRole;
using testing_support::Said;
using testing_support::WindowRig;

// The parts screen readers look for: the windows as frames, whose name Orca's
// title command reads, the status line its status-bar command reads, and the
// voice announcements come from.
class ScreenReaderPartsTest : public QObject {
    Q_OBJECT
private slots:
    void screenReadersFindTheFrameTheStatusLineAndTheVoice();
    void aLateConnectionHearsTheTitleOnce();
};

void ScreenReaderPartsTest::screenReadersFindTheFrameTheStatusLineAndTheVoice() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rig.window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Corvane Dice"));
    // The roll the window opens with comes before the window does: its opening
    // is what screen readers say, and the voice stays silent until a roll.
    QAccessibleInterface* voicePart = PartWithRole(rig.window, QAccessible::Notification);
    QVERIFY(voicePart);
    QCOMPARE(voicePart->text(QAccessible::Name), QString());
    rig.Roll(QStringLiteral("2"), QStringLiteral("4"), {Face(5), Face(1)});
    QTRY_COMPARE(voicePart->text(QAccessible::Name),
                 QStringLiteral("1 success. High roll 5, total 6."));
    rig.ui.Command2->click();  // no marker
    QAccessibleInterface* status = PartWithRole(rig.window, QAccessible::StatusBar);
    QVERIFY(status);
    QCOMPARE(status->object(), rig.ui.lblStatus);
    QCOMPARE(status->text(QAccessible::Name), QStringLiteral("No marker specified."));
    // The voice takes no room, no focus and no clicks.
    auto* voice = qobject_cast<QWidget*>(voicePart->object());
    QVERIFY(voice && voice->isVisible());
    QVERIFY(voice->size().isEmpty());
    QCOMPARE(voice->focusPolicy(), Qt::NoFocus);

    for (QWidget* side : QList<QWidget*>{rig.OpenLog(), rig.OpenChances(), rig.OpenPools()}) {
        QVERIFY(side);
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(side);
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), side->windowTitle());
    }
}

// When the connection to screen readers comes up after the window opened,
// they hear its title once, however often Qt reports the connection.
void ScreenReaderPartsTest::aLateConnectionHearsTheTitleOnce() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QSignalSpy announced(&rig.window.Announcements(), &Announcer::announced);
    QAccessible::setActive(true);
    QAccessible::setActive(true);
    QTRY_COMPARE(Said(announced), QStringList{"Corvane Dice"});
    QAccessible::setActive(false);
}

}  // namespace corvane

QTEST_MAIN(corvane::ScreenReaderPartsTest)
#include "ScreenReaderPartsTest.moc"
