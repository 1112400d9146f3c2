#include "window/roller/RollerCommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

#include "runtime/Alerts.h"
#include "window/common/ContextMenuKey.h"
#include "window/common/StatusLine.h"
#include "window/log/RollText.h"
#include "window/pools/PoolKeeper.h"
#include "window/roller/AboutText.h"
#include "window/roller/FirstClickSelects.h"
#include "window/roller/RollerControls.h"
#include "window/roller/SideWindows.h"

namespace corvane {
namespace {

// A button's caption on one line, as a menu entry, keeping its access key.
QString MenuText(const QPushButton* button) {
    return button->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The access key of a button (Alt+R), in whatever language its caption is.
QKeySequence AccessKey(const QPushButton* button) { return QKeySequence::mnemonic(button->text()); }

// The command's keys that the window does not already give a command of its
// own: the log's Ctrl+C copies its selected rolls, the Pools window's Enter
// rolls the selected pool.
QList<QKeySequence> FreeKeys(const QAction* command, const QList<QAction*>& own) {
    QList<QKeySequence> free = command->shortcuts();
    for (const QAction* action : own) {
        for (const QKeySequence& key : action->shortcuts()) free.removeAll(key);
    }
    return free;
}

}  // namespace

RollerCommands::RollerCommands(const RollerServices& services, SideWindows& side)
    : services_(services), window_(services.diceWindow), ui_(services.controls), side_(side) {
    SetupActions();
    ConnectSignals();
}

template <class Slot>
QAction* RollerCommands::Make(const QString& text, const QList<QKeySequence>& keys, int places,
                              Slot slot) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    commands_ << std::pair(action, places);
    if (places & kDiceWindow) window_.addAction(action);
    return action;
}

QList<QAction*> RollerCommands::In(Place place) const {
    QList<QAction*> offered;
    for (const auto& [action, places] : commands_) {
        if (places & place) offered << action;
    }
    return offered;
}

void RollerCommands::SetupActions() {
    for (QPushButton* button : {ui_.btnRoll, ui_.Command1, ui_.Command2}) {
        QList<QKeySequence> keys = {AccessKey(button)};
        // Roll is the dice window's default button; beside it Enter rolls too.
        if (button == ui_.btnRoll)
            keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
        Make(MenuText(button), keys, kSideWindows, [button] { button->click(); });
    }
    constexpr int kWindows = kDiceWindow | kSideWindows;
    constexpr int kEverywhere = kWindows | kListMenu;
    Make(tr("Copy Roll"), QKeySequence::keyBindings(QKeySequence::Copy), kEverywhere,
         &RollerCommands::CopyRoll);
    Make(tr("Roll Log"), {QKeySequence(Qt::CTRL | Qt::Key_L)}, kEverywhere,
         [this] { side_.ShowLog(); });
    // G for graph: the text fields claim most other letters for editing.
    Make(tr("Chances"), {QKeySequence(Qt::CTRL | Qt::Key_G)}, kEverywhere,
         [this] { side_.ShowChances(); });
    Make(tr("Save Pool..."), {QKeySequence(Qt::CTRL | Qt::Key_S)}, kEverywhere, [this] {
        TellOn(&CommandStatus(),
               services_.pools.SaveFromFields(services_.inputs.DiceText(),
                                              services_.inputs.TargetText(), CommandWindow()));
    });
    Make(tr("Pools"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, kEverywhere,
         [this] { side_.ShowPools(); });
    Make(tr("Table"), {QKeySequence(Qt::CTRL | Qt::Key_T)}, kEverywhere,
         [this] { side_.ShowTable(); });
    for (int i = 0; i < kPoolsWithKeys; ++i) {
        const auto key = static_cast<Qt::Key>(Qt::Key_1 + i);
        rollPool_[i] = Make(tr("Roll Pool %1").arg(i + 1), {QKeySequence(Qt::CTRL | key)}, kWindows,
                            [this, i] { RollSavedPool(i + 1); });
    }
    Make(tr("About Corvane Dice"), {QKeySequence(Qt::Key_F1)}, kWindows,
         &RollerCommands::ShowAbout);
    QAction* quit = Make(tr("Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, kWindows,
                         [this] { window_.close(); });
    // From any of the program's windows, as in other desktop programs.
    quit->setShortcutContext(Qt::ApplicationShortcut);
    separator_ = new QAction(this);
    separator_->setSeparator(true);
}

void RollerCommands::ConnectSignals() {
    connect(&side_, &SideWindows::created, this, &RollerCommands::JoinSideWindow);
    // The fields claim Ctrl+C for themselves, even with nothing selected.
    for (QLineEdit* field : ui_.txtInput) field->installEventFilter(this);
    ui_.lstResults->setContextMenuPolicy(Qt::CustomContextMenu);
    AddContextMenuKey(window_);
    connect(ui_.lstResults, &QWidget::customContextMenuRequested, this,
            &RollerCommands::ShowListMenu);
}

void RollerCommands::JoinSideWindow(QWidget* window) {
    const QList<QAction*> own = window->actions();
    if (!own.isEmpty()) window->addAction(separator_);
    for (QAction* command : In(kSideWindows)) {
        const QList<QKeySequence> free = FreeKeys(command, own);
        if (free == command->shortcuts()) {
            window->addAction(command);
        } else if (!free.isEmpty()) {
            // Here the command keeps only the keys the window leaves it.
            auto* stand = new QAction(command->text(), window);
            stand->setShortcuts(free);
            connect(stand, &QAction::triggered, command, &QAction::trigger);
            window->addAction(stand);
        }
    }
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window, &QWidget::customContextMenuRequested, this,
            [this, window](const QPoint& at) { ShowSideMenu(*window, at); });
    AddContextMenuKey(*window);
}

void RollerCommands::ShowSideMenu(QWidget& window, const QPoint& at) {
    services_.pools.Load(&window);
    const SavedPoolList& pools = services_.pools.List();
    QMenu menu(&window);
    // Only the pools there are, by name and key, in a menu of their own so
    // that nine of them leave the window's menu short.
    QMenu* poolMenu = nullptr;
    for (QAction* action : window.actions()) {
        const auto key = std::find(rollPool_.begin(), rollPool_.end(), action);
        if (key == rollPool_.end()) {
            menu.addAction(action);
            continue;
        }
        const auto index = static_cast<qsizetype>(key - rollPool_.begin());
        if (index >= pools.size()) continue;
        //: A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.
        action->setText(tr("Roll %1: %2").arg(index + 1).arg(pools[index].Name));
        if (!poolMenu) poolMenu = menu.addMenu(tr("Roll a Pool"));
        poolMenu->addAction(action);
    }
    menu.exec(window.mapToGlobal(at));
}

void RollerCommands::RollSavedPool(int number) {
    services_.pools.Load(CommandWindow());
    const SavedPoolList& pools = services_.pools.List();
    if (number > pools.size()) {
        services_.alerts.Beep();
        CommandStatus().Tell(tr("No pool %1 saved.").arg(number));
        return;
    }
    services_.rollPool({pools[number - 1].Dice, pools[number - 1].Target});
}

QWidget* RollerCommands::CommandWindow() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : &window_;
}

StatusLine& RollerCommands::CommandStatus() const {
    StatusLine* own = StatusLine::Of(CommandWindow());
    return own ? *own : services_.status;
}

void RollerCommands::CopyRoll() {
    const RollRecord* last = services_.roller.LastRecord().get();
    if (!last) return;
    QApplication::clipboard()->setText(CopiedLine(*last));
    CommandStatus().Tell(tr("Roll copied."));
}

void RollerCommands::ShowAbout() {
    services_.alerts.ShowMessage(tr("About Corvane Dice").toStdString(), AboutText().toStdString());
}

void RollerCommands::ShowListMenu(const QPoint& at) {
    QMenu menu(&window_);
    menu.addActions(In(kListMenu));
    menu.exec(ui_.lstResults->viewport()->mapToGlobal(at));
}

bool RollerCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        const FirstClickSelects* clicks = field ? FirstClickSelects::Of(field) : nullptr;
        const bool players =
            field && field->hasSelectedText() && (!clicks || clicks->PlayerSelected());
        if (field && !players && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            CopyRoll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
