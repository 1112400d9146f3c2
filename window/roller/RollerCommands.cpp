#include "window/roller/RollerCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>

#include "runtime/Alerts.h"
#include "window/log/RollText.h"
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

// A key the window already gives a command of its own (the log's Ctrl+C
// copies its selected rolls) stays that window's.
bool Clashes(const QAction* command, const QList<QAction*>& own) {
    for (const QAction* action : own) {
        for (const QKeySequence& key : command->shortcuts()) {
            if (action->shortcuts().contains(key)) return true;
        }
    }
    return false;
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
    about_ = Make(tr("About Corvane Dice"), {QKeySequence(Qt::Key_F1)}, &RollerCommands::ShowAbout);
    quit_ = Make(tr("Quit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { window_.close(); });
    // From any of the program's windows, as in other desktop programs.
    quit_->setShortcutContext(Qt::ApplicationShortcut);
    separator_ = new QAction(this);
    separator_->setSeparator(true);
    window_.addActions({copyRoll_, showLog_, showChances_, about_, quit_});
}

void RollerCommands::ConnectSignals() {
    connect(&side_, &SideWindows::created, this, &RollerCommands::JoinSideWindow);
    // The fields claim Ctrl+C for themselves, even with nothing selected.
    for (QLineEdit* field : ui_.txtInput) field->installEventFilter(this);
    ui_.lstResults->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_.lstResults, &QWidget::customContextMenuRequested, this,
            &RollerCommands::ShowListMenu);
}

void RollerCommands::JoinSideWindow(QWidget* window) {
    const QList<QAction*> own = window->actions();
    if (!own.isEmpty()) window->addAction(separator_);
    QList<QAction*> commands = rollActions_;
    commands << copyRoll_ << showLog_ << showChances_ << about_ << quit_;
    for (QAction* command : commands) {
        if (!Clashes(command, own)) window->addAction(command);
    }
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void RollerCommands::CopyRoll() {
    const RollRecord* last = window_.LastRecord();
    if (!last) return;
    QGuiApplication::clipboard()->setText(CopiedLine(*last));
    ui_.lblStatus->setText(tr("Roll copied."));
}

void RollerCommands::ShowAbout() {
    alerts_.ShowMessage(tr("About Corvane Dice").toStdString(), AboutText().toStdString());
}

void RollerCommands::ShowListMenu(const QPoint& at) {
    QMenu menu(&window_);
    menu.addActions({copyRoll_, showLog_, showChances_});
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
