#include <QScreen>
#include <QtTest>

#include "WindowRig.h"
#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogWindow.h"
#include "window/roller/SidePlacement.h"

namespace corvane {

using testing_support::WindowRig;

// The log and the chart as they ask to open, frame included.
const QSize kLog(736, 350);
const QSize kChart(656, 550);
const QSize kSmallest(260, 240);

class SidePlacementTest : public QObject {
    Q_OBJECT
private slots:
    void sideWindowsOpenBesideTheDiceWindow_data();
    void sideWindowsOpenBesideTheDiceWindow();
    void whereTheSystemPlacesThemTheyLeaveTheDiceWindowRoom_data();
    void whereTheSystemPlacesThemTheyLeaveTheDiceWindowRoom();
    void onASmallScreenTheDiceWindowStepsAside();
    void withNoRoomLeftItCoversAsLittleAsItCan();
    void theLogAndTheChartOpenClearOfTheDiceWindow();
};

void SidePlacementTest::sideWindowsOpenBesideTheDiceWindow_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("dice");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QList<QRect>>("open");
    QTest::addColumn<QString>("side");  // where it goes from the dice window
    QTest::addColumn<bool>("whole");

    const auto row = [](const char* name, const QRect& screen, const QRect& dice,
                        const QSize& wanted, const QList<QRect>& open, const char* side,
                        bool whole) {
        QTest::newRow(name) << screen << dice << wanted << open << side << whole;
    };
    const QRect laptop(0, 0, 1366, 768);
    const QRect halved(0, 0, 960, 540);  // 1920 x 1080 at scale 2
    row("right", laptop, {100, 100, 330, 300}, kChart, {}, "right", true);
    row("leftOfADiceWindowAtTheEdge", laptop, {1000, 100, 330, 300}, kChart, {}, "left", true);
    row("rightUnderTheOpenChart", {0, 0, 1920, 1080}, {100, 100, 330, 300}, kLog,
        {{438, 100, 656, 550}}, "right", true);
    row("rightOnALaptopUnderTheOpenChart", laptop, {0, 0, 330, 300}, kLog, {{338, 0, 656, 300}},
        "right", true);
    row("aboveADiceWindowLowDown", {0, 0, 1366, 1000}, {400, 650, 660, 300}, kLog, {}, "above",
        true);
    row("shrunkOnASmallScreen", halved, {315, 120, 330, 300}, kChart, {}, "right", false);
    row("aScreenWithAnOffset", {1366, 0, 1920, 1080}, {1400, 40, 330, 300}, kLog, {}, "right",
        true);
    // On a laptop the second and the third open smaller rather than over the first.
    const QRect log(338, 0, 736, 350);
    row("chartAfterTheLogOnALaptop", laptop, {0, 0, 330, 300}, kChart, {log}, "right", false);
    row("poolsAfterBothOnALaptop", laptop, {0, 0, 330, 300}, QSize(376, 350),
        {log, {338, 358, 656, 410}}, "right", false);
}

void SidePlacementTest::sideWindowsOpenBesideTheDiceWindow() {
    QFETCH(QRect, screen);
    QFETCH(QRect, dice);
    QFETCH(QSize, wanted);
    QFETCH(QList<QRect>, open);
    QFETCH(QString, side);
    QFETCH(bool, whole);
    const QRect place = BesideDiceWindow(dice, wanted, screen, open, kSmallest);
    QVERIFY(screen.contains(place));
    QVERIFY(!place.intersects(dice));
    for (const QRect& other : open) QVERIFY(!place.intersects(other));
    QCOMPARE(place.size() == wanted, whole);
    QVERIFY(place.width() >= kSmallest.width() && place.height() >= kSmallest.height());
    const QString found = place.left() > dice.right()   ? "right"
                          : place.right() < dice.left() ? "left"
                          : place.top() > dice.bottom() ? "below"
                          : place.bottom() < dice.top() ? "above"
                                                        : "over";
    QCOMPARE(found, side);
}

void SidePlacementTest::whereTheSystemPlacesThemTheyLeaveTheDiceWindowRoom_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("wanted");
    for (const QSize wanted : {kLog, kChart}) {
        QTest::addRow("laptop %dx%d", wanted.width(), wanted.height())
            << QRect(0, 0, 1366, 768) << wanted;
        QTest::addRow("1920x1080 at scale 2, %dx%d", wanted.width(), wanted.height())
            << QRect(0, 0, 960, 540) << wanted;
    }
}

void SidePlacementTest::whereTheSystemPlacesThemTheyLeaveTheDiceWindowRoom() {
    QFETCH(QRect, screen);
    QFETCH(QSize, wanted);
    const QSize dice(330, 300);
    const QSize size = SizeBesideDiceWindow(dice, wanted, screen, kSmallest);
    QVERIFY(size.width() <= wanted.width() && size.height() <= wanted.height());
    const bool sideBySide =
        size.width() + dice.width() <= screen.width() && size.height() <= screen.height();
    const bool stacked =
        size.height() + dice.height() <= screen.height() && size.width() <= screen.width();
    QVERIFY(sideBySide || stacked);
}

void SidePlacementTest::onASmallScreenTheDiceWindowStepsAside() {
    const QRect halved(0, 0, 960, 540);  // 1920 x 1080 at scale 2
    const QRect centred(315, 120, 330, 300);
    const QRect aside = DiceWindowSteppedAside(centred, kChart, halved, kSmallest);
    QCOMPARE(aside.size(), centred.size());
    QVERIFY(halved.contains(aside));
    QCOMPARE(aside.left(), 0);
    const QRect place = BesideDiceWindow(aside, kChart, halved, {}, kSmallest);
    QVERIFY(!place.intersects(aside));
    QVERIFY(place.width() >= 600);
    // With room enough where it stands, it stays.
    const QRect roomy(100, 100, 330, 300);
    QCOMPARE(DiceWindowSteppedAside(roomy, kChart, QRect(0, 0, 1366, 768), kSmallest), roomy);
}

void SidePlacementTest::withNoRoomLeftItCoversAsLittleAsItCan() {
    const QRect halved(0, 0, 960, 540);  // 1920 x 1080 at scale 2
    const QRect dice(0, 125, 315, 285);
    const QRect log(323, 0, 637, 350);
    const QRect place = BesideDiceWindow(dice, kChart, halved, {log}, kSmallest);
    QVERIFY(halved.contains(place));
    QVERIFY(!place.intersects(dice));
    // The log's upper part, its title with it, stays in sight.
    QVERIFY((place & log).height() < log.height() / 2);
}

void SidePlacementTest::theLogAndTheChartOpenClearOfTheDiceWindow() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    const QRect screen = rig.window.screen()->availableGeometry();
    rig.window.Side().ShowChances();
    QWidget* chart = rig.window.Side().Chances();
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    rig.window.Side().ShowLog();
    QWidget* log = rig.window.Side().LogWindow();
    QVERIFY(QTest::qWaitForWindowExposed(log));
    for (QWidget* side : {chart, log}) {
        QVERIFY(!side->frameGeometry().intersects(rig.window.frameGeometry()));
        QVERIFY(screen.contains(side->frameGeometry()));
    }
}

}  // namespace corvane

QTEST_MAIN(corvane::SidePlacementTest)
#include "SidePlacementTest.moc"
