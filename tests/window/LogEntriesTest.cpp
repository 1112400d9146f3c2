#include <QClipboard>
#include <QScrollBar>
#include <QtTest>

#include "WindowRig.h"
#include "window/log/RollLogDelegate.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"

namespace corvane {

using testing_support::Face;
using testing_support::WindowRig;

// The roll log's entries as the window shows them and as they copy.
class LogEntriesTest : public QObject {
    Q_OBJECT
private slots:
    void entriesShowWholeAtAnyWidth_data();
    void entriesShowWholeAtAnyWidth();
    void copiedEntriesKeepTheirTimesAndReplacedDice();
};

// "Dice 4 to 10 were: ", or "Die 10 was: ".
const QRegularExpression kReplaced(QStringLiteral("Dic?e \\d+( to \\d+)? (were|was): "));

// Ten dice, then each reroll: entries long enough to wrap in the window.
void RollAndReroll(WindowRig& rig) {
    rig.random.cycle = true;
    rig.Roll(QStringLiteral("10"), QStringLiteral("5"), {Face(3), Face(6), Face(2), Face(5)});
    rig.ui.Command1->click();
    rig.SelectRow(3);
    rig.ui.Command2->click();
    rig.SelectRow(9);
    rig.ui.Command2->click();
}

void LogEntriesTest::entriesShowWholeAtAnyWidth_data() {
    QTest::addColumn<int>("width");       // 0 leaves the window as it opens
    QTest::addColumn<bool>("whileOpen");  // narrowed once its rows were measured
    QTest::addColumn<int>("later");       // rolls of 20 dice while it is open
    QTest::newRow("asItOpens") << 0 << false << 0;
    QTest::newRow("narrow") << 260 << false << 0;
    QTest::newRow("narrowedWhileOpen") << 260 << true << 0;
    // The window just wide enough for their first line, until they bring the
    // scroll bar, which takes that room: then the line wraps.
    QTest::newRow("scrollBarComes") << 0 << false << 30;
}

void LogEntriesTest::entriesShowWholeAtAnyWidth() {
    QFETCH(int, width);
    QFETCH(bool, whileOpen);
    QFETCH(int, later);
    WindowRig rig;
    RollAndReroll(rig);
    rig.window.Side().ShowLog();
    RollLogWindow& window = *rig.window.Side().LogWindow();
    if (width > 0 && !whileOpen) window.resize(width, window.height());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QListView* entries = window.Entries();
    const QFontMetrics metrics(entries->font());
    QTRY_COMPARE(entries->model()->rowCount(), 5);
    // Rolls come in until one brings the scroll bar; then no more.
    if (later > 0) {
        window.resize(window.width(), 400);
        QTRY_VERIFY(!entries->verticalScrollBar()->isVisible());
    }
    for (int i = 0; i < later && !entries->verticalScrollBar()->isVisible(); ++i) {
        rig.Roll(QStringLiteral("20"), QStringLiteral("4"), {Face(3)});
        QTRY_COMPARE(entries->model()->rowCount(), 6 + i);
        QCoreApplication::processEvents();
        if (i > 0) continue;
        const QString first = entries->model()->index(0, 0).data().toString().section('\n', 0, 0);
        const QRect room = RollLogDelegate::TextRect(entries->viewport()->rect());
        window.resize(window.width() - room.width() + metrics.horizontalAdvance(first) + 1, 400);
    }
    const int rows = entries->model()->rowCount();
    const int newer = rows - 5;  // the rolls made while it was open
    if (later > 0) QVERIFY(entries->verticalScrollBar()->isVisible());
    const QModelIndex newest = entries->model()->index(0, 0);
    const auto fitsWhole = [&](const QModelIndex& index) {
        const QRect room = RollLogDelegate::TextRect(entries->visualRect(index));
        return room.contains(
            metrics.boundingRect(room, RollLogDelegate::kTextFlags, index.data().toString()));
    };
    QTRY_VERIFY(fitsWhole(newest));
    if (whileOpen) {
        const int tallWas = entries->visualRect(newest).height();
        window.resize(width, window.height());
        // The rows measured at the wider width grow to the narrower one.
        QTRY_VERIFY(entries->visualRect(newest).height() > tallWas);
    }
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = entries->model()->index(row, 0);
        const QString text = index.data().toString();
        // The whole text, wrapped to the row's width, fits the row.
        QVERIFY2(fitsWhole(index), qPrintable(text));
        QVERIFY(entries->visualRect(index).right() < entries->viewport()->width());
        // Time and tally first; the replaced dice, for a reroll, on a line of their own.
        const QStringList lines = text.split(QLatin1Char('\n'));
        QVERIFY(QTime::fromString(lines[0].left(8), QStringLiteral("hh:mm:ss")).isValid());
        QVERIFY(lines[1].startsWith(QStringLiteral("Dice: ")));
        QCOMPARE(lines.size() == 3 && lines[2].contains(kReplaced),
                 row >= newer && row < newer + 3);
    }
}

void LogEntriesTest::copiedEntriesKeepTheirTimesAndReplacedDice() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    RollAndReroll(rig);
    RollLogWindow* window = rig.OpenLog();  // its own Ctrl+C needs it active
    QVERIFY(window);
    QListView* entries = window->Entries();
    QTRY_COMPARE(entries->model()->rowCount(), 5);
    entries->setFocus();
    QTest::keyClick(entries, Qt::Key_Home);
    QTest::keyClick(entries, Qt::Key_Down, Qt::ShiftModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("-"));
    QTest::keyClick(entries, Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(copied.size(), 2);
    const RollLogModel& log = rig.window.Side().Log();
    // Oldest first, each the whole entry on one line.
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(copied[i], log.index(1 - i).data().toString().replace(QLatin1Char('\n'), ' '));
        QVERIFY(copied[i].startsWith(QStringLiteral("12:34:56  Reroll from Marker Down, 10 dice")));
        QVERIFY(copied[i].contains(kReplaced));
    }
}

}  // namespace corvane

QTEST_MAIN(corvane::LogEntriesTest)
#include "LogEntriesTest.moc"
