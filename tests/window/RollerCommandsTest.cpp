#include <QClipboard>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include "ShippedLanguages.h"
#include "WindowRig.h"
#include "window/Translations.h"
#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogWindow.h"
#include "window/log/RollText.h"
#include "window/pools/PoolsWindow.h"

namespace corvane {
namespace {

using testing_support::ExamplePoolDraws;
using testing_support::Face;
using testing_support::WindowRig;

// The window a command is given in: the dice window itself or one beside it.
QWidget* OpenWindow(WindowRig& rig, const QString& name) {
    if (name == QStringLiteral("log")) return rig.OpenLog();
    if (name == QStringLiteral("chances")) return rig.OpenChances();
    if (name == QStringLiteral("pools")) return rig.OpenPools();
    return WindowRig::Activated(&rig.window);
}

// Opens the context menu as the Menu key does (or by Shift+F10, which many
// keyboards without a Menu key have) and picks the entry, opening the submenu
// that holds it by the Right key, as a player would; false when the menu has
// no such entry.
bool PickFromMenu(QWidget* widget, const QString& entry, bool byShiftF10) {
    bool picked = false;
    QTimer::singleShot(0, widget, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        while (menu && !picked) {
            QMenu* deeper = nullptr;
            for (QAction* action : menu->actions()) {
                picked = picked || action->text() == entry;
                if (action->text() == entry) menu->setActiveAction(action);
                if (!action->menu()) continue;
                for (const QAction* inner : action->menu()->actions()) {
                    if (inner->text() != entry) continue;
                    menu->setActiveAction(action);
                    deeper = action->menu();
                }
            }
            if (picked || !deeper) break;
            QTest::keyClick(menu, Qt::Key_Right);
            menu = deeper;
        }
        if (menu) QTest::keyClick(menu, picked ? Qt::Key_Return : Qt::Key_Escape);
    });
    if (byShiftF10) {
        QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint centre = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, widget->mapToGlobal(centre));
        QApplication::sendEvent(widget, &event);
    }
    return picked;
}

struct Command {
    const char* name;
    QKeySequence key;
    const char* menuEntry;  // null: not in the menus
    RollType rolls;         // for the three roll commands
};

const Command kCommands[] = {
    {"roll", QKeySequence(Qt::ALT | Qt::Key_R), "&Roll", RollType::NewRoll},
    {"enterRolls", QKeySequence(Qt::Key_Return), nullptr, RollType::NewRoll},
    {"rerollFailures", QKeySequence(Qt::ALT | Qt::Key_F), "Reroll &Failures",
     RollType::RerollFailures},
    {"rerollFromMarker", QKeySequence(Qt::ALT | Qt::Key_M), "Reroll from &Marker Down",
     RollType::RerollFromMarker},
    {"copyRoll", QKeySequence(Qt::CTRL | Qt::Key_C), "Copy Roll", {}},
    {"rollLog", QKeySequence(Qt::CTRL | Qt::Key_L), "Roll Log", {}},
    {"chances", QKeySequence(Qt::CTRL | Qt::Key_G), "Chances", {}},
    {"savePool", QKeySequence(Qt::CTRL | Qt::Key_S), "Save Pool...", {}},
    {"pools", QKeySequence(Qt::CTRL | Qt::Key_P), "Pools", {}},
    {"rollPool1", QKeySequence(Qt::CTRL | Qt::Key_1), "Roll 1: P1", {}},
    {"rollPool2", QKeySequence(Qt::CTRL | Qt::Key_2), "Roll 2: P2", {}},
    {"rollPool3", QKeySequence(Qt::CTRL | Qt::Key_3), "Roll 3: P3", {}},
    {"rollPool4", QKeySequence(Qt::CTRL | Qt::Key_4), "Roll 4: P4", {}},
    {"rollPool5", QKeySequence(Qt::CTRL | Qt::Key_5), "Roll 5: P5", {}},
    {"rollPool6", QKeySequence(Qt::CTRL | Qt::Key_6), "Roll 6: P6", {}},
    {"rollPool7", QKeySequence(Qt::CTRL | Qt::Key_7), "Roll 7: P7", {}},
    {"rollPool8", QKeySequence(Qt::CTRL | Qt::Key_8), "Roll 8: P8", {}},
    {"rollPool9", QKeySequence(Qt::CTRL | Qt::Key_9), "Roll 9: P9", {}},
    {"about", QKeySequence(Qt::Key_F1), "About Corvane Dice", {}},
    {"quit", QKeySequence(Qt::CTRL | Qt::Key_Q), "Quit", {}},
};

const char* const kWindows[] = {"dice", "log", "chances", "pools"};

// Nine saved pools, P1 to P9, each of one die more than its number.
void SaveNinePools(WindowRig& rig) {
    QList<PoolEdit> edits;
    for (int i = 1; i <= 9; ++i) {
        edits << PoolEdit::Put(
            {QStringLiteral("P%1").arg(i), Int16(static_cast<std::int16_t>(i + 1)), Int16(4)});
    }
    rig.window.Pools().Change(edits, {}, &rig.window);
}

// The dice window's list offers only the commands beside the buttons; in
// the log's menu its own Copy Rolls and Save Log stand for Copy Roll and
// Save Pool.
bool InMenu(const QString& window, const Command& command) {
    const QLatin1String name(command.name);
    if (window == "dice") {
        return name == "copyRoll" || name == "rollLog" || name == "chances" || name == "savePool" ||
               name == "pools";
    }
    if (window == "log" && (name == "copyRoll" || name == "savePool")) return false;
    return command.menuEntry != nullptr;
}

// Where a command given in the window tells what it did: its own status line,
// or the dice window's for the chart, which has none.
QLabel* StatusOf(WindowRig& rig, const QString& window) {
    if (window == QStringLiteral("log")) return rig.window.Side().LogWindow()->Status();
    if (window == QStringLiteral("pools")) return rig.window.Side().Pools()->Status();
    return rig.ui.lblStatus;
}

}  // namespace

class RollerCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void eachCommandWorksFromEachWindow_data();
    void eachCommandWorksFromEachWindow();
    void accessKeysAreUniqueAndClickTheirButtons_data();
    void accessKeysAreUniqueAndClickTheirButtons();
    void sideMenusListOnlyTheSavedPools();
    void ctrlQDuringALongRollStopsItAndCloses();
    void quittingWithEveryWindowOpenTakesThemDownFirst_data();
    void quittingWithEveryWindowOpenTakesThemDownFirst();
};

void RollerCommandsTest::eachCommandWorksFromEachWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("command");   // in kCommands
    QTest::addColumn<QString>("menu");  // empty: by its key; else how the menu opens
    for (const char* window : kWindows) {
        for (int i = 0; i < static_cast<int>(std::size(kCommands)); ++i) {
            const Command& command = kCommands[i];
            QTest::addRow("%s, %s by key", window, command.name) << window << i << "";
            if (!InMenu(QLatin1String(window), command)) continue;
            for (const char* menu : {"menuKey", "shiftF10"}) {
                QTest::addRow("%s, %s by %s", window, command.name, menu) << window << i << menu;
            }
        }
    }
}

void RollerCommandsTest::eachCommandWorksFromEachWindow() {
    QFETCH(QString, window);
    QFETCH(int, command);
    QFETCH(QString, menu);
    const Command& given = kCommands[command];
    const QString name = QLatin1String(given.name);
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    SaveNinePools(rig);
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    rig.SelectRow(2);  // so that Reroll from Marker Down has a die
    const RollRecord* before = rig.window.LastRecord();
    const RollerState state = rig.window.State();
    const QStringList rows = rig.Rows();
    QGuiApplication::clipboard()->setText(QStringLiteral("-"));
    rig.random.Script({Face(2)});
    rig.dialogs.typed << QStringLiteral("New");

    QWidget* target = OpenWindow(rig, window);
    QVERIFY(target);
    if (!menu.isEmpty()) {
        QWidget* menuOwner = window == "dice" ? rig.ui.lstResults : target->focusWidget();
        if (menuOwner == rig.ui.lstResults) menuOwner->setFocus();
        QVERIFY(PickFromMenu(menuOwner ? menuOwner : target, QLatin1String(given.menuEntry),
                             menu == "shiftF10"));
    } else {
        QWidget* focused = QApplication::focusWidget();
        QTest::keySequence(focused && focused->window() == target ? focused : target, given.key);
    }

    if (name == "roll" || name == "enterRolls" || name.startsWith("reroll")) {
        QTRY_VERIFY(rig.window.LastRecord() != before);
        QCOMPARE(rig.window.LastRecord()->Operation, given.rolls);
    } else if (name == "copyRoll") {
        // The log copies its own entries: with none selected, the newest whole.
        const RollRecord& last = *rig.window.LastRecord();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 window == "log" ? CopiedEntry(last) : CopiedLine(last));
        if (window != "log")
            QCOMPARE(StatusOf(rig, window)->text(), QStringLiteral("Roll copied."));
    } else if (name == "rollLog") {
        QTRY_COMPARE(QApplication::activeWindow(), rig.window.Side().LogWindow());
    } else if (name == "chances") {
        QTRY_COMPARE(QApplication::activeWindow(), rig.window.Side().Chances());
    } else if (name == "about") {
        QCOMPARE(rig.alerts.messages.size(), 1U);
        QCOMPARE(QString::fromStdString(rig.alerts.messages[0].title),
                 QStringLiteral("About Corvane Dice"));
    } else if (name == "savePool") {
        // In the log, Ctrl+S saves the log; everywhere else it asks the pool's name.
        const bool inLog = window == "log" && menu.isEmpty();
        QCOMPARE(rig.dialogs.Texts("save").size(), inLog ? 1 : 0);
        QCOMPARE(rig.dialogs.Texts("text").size(), inLog ? 0 : 1);
        if (!inLog) QCOMPARE(StatusOf(rig, window)->text(), QStringLiteral("Pool saved."));
    } else if (name == "pools") {
        QTRY_COMPARE(QApplication::activeWindow(), rig.window.Side().Pools());
    } else if (name.startsWith("rollPool")) {
        QTRY_VERIFY(rig.window.LastRecord() != before);
        QCOMPARE(rig.window.State().DiceCount.Value(), name.right(1).toInt() + 1);
    } else if (name == "quit") {
        QVERIFY(!rig.window.isVisible());
        QVERIFY(!target->isVisible());
        QVERIFY(rig.window.State() == state);
        QCOMPARE(rig.Rows(), rows);
    }
}

void RollerCommandsTest::accessKeysAreUniqueAndClickTheirButtons_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("window");
    for (const char* locale : testing_support::kLanguages) {
        for (const char* window : kWindows) {
            QTest::addRow("%s, %s", locale, window) << locale << window;
        }
    }
}

// In every language, from every window: each button has an access key of its
// own, shared with no label, and it clicks that button alone.
void RollerCommandsTest::accessKeysAreUniqueAndClickTheirButtons() {
    QFETCH(QString, locale);
    QFETCH(QString, window);
    const Translations translations{QLocale(locale)};
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    QStringList keys;
    for (auto* label : rig.window.findChildren<QLabel*>()) {
        const QKeySequence key = QKeySequence::mnemonic(label->text());
        if (!key.isEmpty()) keys << key.toString();
    }
    const QList<QPushButton*> buttons = {rig.ui.btnRoll, rig.ui.Command1, rig.ui.Command2};
    QList<QSignalSpy*> clicks;
    for (QPushButton* button : buttons) clicks << new QSignalSpy(button, &QPushButton::clicked);
    QWidget* target = OpenWindow(rig, window);
    QVERIFY(target);
    for (int i = 0; i < buttons.size(); ++i) {
        const QKeySequence key = QKeySequence::mnemonic(buttons[i]->text());
        QVERIFY2(!key.isEmpty(), qPrintable(buttons[i]->text()));
        QVERIFY2(!keys.contains(key.toString()), qPrintable(key.toString()));
        keys << key.toString();
        QTest::keySequence(target, key);
        // An access key presses its button visibly, so the click comes a moment later.
        QTRY_COMPARE(clicks[i]->count(), 1);
        for (int j = 0; j < buttons.size(); ++j) QCOMPARE(clicks[j]->count(), j <= i ? 1 : 0);
    }
    qDeleteAll(clicks);
}

void RollerCommandsTest::sideMenusListOnlyTheSavedPools() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.window.Pools().Change({PoolEdit::Put({QStringLiteral("P1"), Int16(2), Int16(4)})}, {},
                              &rig.window);
    QWidget* log = OpenWindow(rig, QStringLiteral("log"));
    QVERIFY(!PickFromMenu(log->focusWidget(), QStringLiteral("Roll Pool 2"), false));
    QVERIFY(PickFromMenu(log->focusWidget(), QStringLiteral("Roll 1: P1"), false));
    QTRY_COMPARE(rig.window.State().DiceCount.Value(), 2);
}

void RollerCommandsTest::ctrlQDuringALongRollStopsItAndCloses() {
    WindowRig rig;
    QVERIFY(rig.ShowAndActivate());
    rig.Roll(QStringLiteral("5"), QStringLiteral("4"), ExamplePoolDraws());
    const RollerState before = rig.window.State();
    const QStringList rows = rig.Rows();
    // Arrives while the sort of a big pool lets the window's events run.
    QTimer::singleShot(0, &rig.window,
                       [&] { QTest::keyClick(&rig.window, Qt::Key_Q, Qt::ControlModifier); });
    rig.Roll(QStringLiteral("10000"), QStringLiteral("4"), {Face(3), Face(5)});
    QVERIFY(!rig.window.isVisible());
    // Closing stops a running roll before it changes anything.
    QVERIFY(rig.window.State() == before);
    QCOMPARE(rig.Rows(), rows);
}

void RollerCommandsTest::quittingWithEveryWindowOpenTakesThemDownFirst_data() {
    QTest::addColumn<bool>("byKey");
    QTest::newRow("ctrlQ") << true;
    QTest::newRow("closingTheDiceWindow") << false;
}

// Run under ASan, where a side window or a connection outliving what it uses
// shows as a use after free.
void RollerCommandsTest::quittingWithEveryWindowOpenTakesThemDownFirst() {
    QFETCH(bool, byKey);
    QAccessible::setActive(true);  // as with a screen reader listening
    auto rig = std::make_unique<WindowRig>();
    QVERIFY(rig->ShowAndActivate());
    QVERIFY(rig->OpenLog() && rig->OpenPools() && rig->OpenChances());
    rig->ui.txtInput[0]->setText(QStringLiteral("9"));  // the chart's refresh is pending
    rig->Roll(QStringLiteral("7"), QStringLiteral("4"), {Face(3)});
    if (byKey) {
        QTest::keyClick(rig->window.Side().Chances(), Qt::Key_Q, Qt::ControlModifier);
    } else {
        rig->window.close();
    }
    QVERIFY(!rig->window.isVisible());
    rig.reset();
    QTest::qWait(50);  // timers and events left behind must not reach what is gone
    QAccessible::setActive(false);
}

}  // namespace corvane

QTEST_MAIN(corvane::RollerCommandsTest)
#include "RollerCommandsTest.moc"
