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

#include "runtime/Alerts.h"
#include "window/common/ContextMenuKey.h"
#include "window/log/RollText.h"
#include "window/pools/PoolKeeper.h"
#include "window/roller/AboutText.h"
#include "window/roller/SideWindows.h"
#include "window/roller/frmRoller.h"

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

RollerCommands::RollerCommands(frmRoller& window, SideWindows& side, Alerts& alerts)
    : QObject(&window), window_(window), ui_(window.Controls()), side_(side), alerts_(alerts) {
    SetupActions();
    ConnectSignals();
}

template <class Slot>
QAction* RollerCommands::Make(const QString& text, const QList<QKeySequence>& keys, Slot slot) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void RollerCommands::SetupActions() {
    for (QPushButton* button : {ui_.btnRoll, ui_.Command1, ui_.Command2}) {
        QList<QKeySequence> keys = {AccessKey(button)};
        // Roll is the dice window's default button; beside it Enter rolls too.
        if (button == ui_.btnRoll)
            keys << QKeySequence(Qt::Key_Return) << QKeySequence(Qt::Key_Enter);
        rollActions_ << Make(MenuText(button), keys, [button] { button->click(); });
    }
    copyRoll_ = Make(tr("Copy Roll"), QKeySequence::keyBindings(QKeySequence::Copy),
                     &RollerCommands::CopyRoll);
    showLog_ =
        Make(tr("Roll Log"), {QKeySequence(Qt::CTRL | Qt::Key_L)}, [this] { side_.ShowLog(); });
    // G for graph: the text fields claim most other letters for editing.
    showChances_ =
        Make(tr("Chances"), {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] { side_.ShowChances(); });
    savePool_ = Make(tr("Save Pool..."), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] {
        window_.Pools().SaveFromFields(window_.DiceText(), window_.TargetText(), CommandWindow());
    });
    showPools_ =
        Make(tr("Pools"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { side_.ShowPools(); });
    for (int i = 0; i < kPoolKeys; ++i) {
        const auto key = static_cast<Qt::Key>(Qt::Key_1 + i);
        rollPool_[i] = Make(tr("Roll Pool %1").arg(i + 1), {QKeySequence(Qt::CTRL | key)},
                            [this, i] { RollSavedPool(i + 1); });
    }
    about_ = Make(tr("About Corvane Dice"), {QKeySequence(Qt::Key_F1)}, &RollerCommands::ShowAbout);
    quit_ = Make(tr("Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { window_.close(); });
    // From any of the program's windows, as in other desktop programs.
    quit_->setShortcutContext(Qt::ApplicationShortcut);
    separator_ = new QAction(this);
    separator_->setSeparator(true);
    window_.addActions({copyRoll_, showLog_, showChances_, savePool_, showPools_});
    for (QAction* rollPool : rollPool_) window_.addAction(rollPool);
    window_.addActions({about_, quit_});
}

void RollerCommands::ConnectSignals() {
    connect(&side_, &SideWindows::created, this, &RollerCommands::JoinSideWindow);
    connect(&window_.Pools(), &PoolKeeper::changed, this, &RollerCommands::NamePoolKeys);
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
    QList<QAction*> commands = rollActions_;
    commands << copyRoll_ << showLog_ << showChances_ << savePool_ << showPools_;
    for (QAction* rollPool : rollPool_) commands << rollPool;
    commands << about_ << quit_;
    for (QAction* command : commands) {
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
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    AddContextMenuKey(*window);
    // The window's menu lists the pools' keys by name.
    NamePoolKeys();
}

void RollerCommands::NamePoolKeys() {
    const SavedPoolList& pools = window_.Pools().Pools().List();
    for (int i = 0; i < kPoolKeys; ++i) {
        //: A menu entry that rolls a saved pool: %1 its place in the list (1 to 9), %2 its name.
        rollPool_[i]->setText(i < pools.size() ? tr("Roll %1: %2").arg(i + 1).arg(pools[i].Name)
                                               : tr("Roll Pool %1").arg(i + 1));
    }
}

void RollerCommands::RollSavedPool(int number) {
    const SavedPoolList& pools = window_.Pools().Pools().List();
    if (number > pools.size()) {
        alerts_.Beep();
        const QString text = tr("No pool %1 saved.").arg(number);
        ui_.lblStatus->setText(text);
        window_.Announcements().Announce(text);
        return;
    }
    window_.RollPool(pools[number - 1]);
}

QWidget* RollerCommands::CommandWindow() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : &window_;
}

void RollerCommands::CopyRoll() {
    const RollRecord* last = window_.LastRecord();
    if (!last) return;
    QApplication::clipboard()->setText(CopiedLine(*last));
    const QString copied = tr("Roll copied.");
    ui_.lblStatus->setText(copied);
    window_.Announcements().Announce(copied);
}

void RollerCommands::ShowAbout() {
    alerts_.ShowMessage(tr("About Corvane Dice").toStdString(), AboutText().toStdString());
}

void RollerCommands::ShowListMenu(const QPoint& at) {
    QMenu menu(&window_);
    menu.addActions({copyRoll_, showLog_, showChances_, savePool_, showPools_});
    menu.exec(ui_.lstResults->viewport()->mapToGlobal(at));
}

bool RollerCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && !field->hasSelectedText() &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            CopyRoll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
