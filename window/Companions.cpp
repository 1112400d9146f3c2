#include "window/Companions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QShortcut>

#include "window/ChancesWindow.h"
#include "window/RollLogModel.h"
#include "window/RollLogWindow.h"
#include "window/RollText.h"
#include "window/RollerControls.h"

namespace corvane {
namespace {

const QKeySequence kShowLogKeys(Qt::CTRL | Qt::Key_L);
// G for graph: the text fields claim most other letters for editing.
const QKeySequence kShowChancesKeys(Qt::CTRL | Qt::Key_G);

// Brings a companion window up beside the dice window, ready for the keyboard.
void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

Companions::Companions(QWidget& window, const RollerControls& ui, const RollerState& state,
                       RollerView& view)
    : window_(window), ui_(ui), state_(state), view_(view), log_(new RollLogModel(this)) {
    ConnectSignals();
}

void Companions::ConnectSignals() {
    auto* copy = new QShortcut(QKeySequence::Copy, &window_);
    connect(copy, &QShortcut::activated, this, &Companions::CopyRoll);
    auto* showLog = new QShortcut(kShowLogKeys, &window_);
    connect(showLog, &QShortcut::activated, this, &Companions::ShowLog);
    auto* showChances = new QShortcut(kShowChancesKeys, &window_);
    connect(showChances, &QShortcut::activated, this, &Companions::ShowChances);
    // The fields claim Ctrl+C for themselves, even with nothing selected.
    for (QLineEdit* field : ui_.txtInput) field->installEventFilter(this);
    ui_.lstResults->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_.lstResults, &QWidget::customContextMenuRequested, this, &Companions::ShowListMenu);
}

void Companions::RollCompleted(std::shared_ptr<const RollRecord> record) {
    log_->Add(std::move(record));
}

void Companions::OddsChanged() {
    if (chancesWindow_) chancesWindow_->Follow();
}

void Companions::CloseAll() {
    if (logWindow_) logWindow_->close();
    if (chancesWindow_) chancesWindow_->close();
}

void Companions::CopyRoll() {
    const RollRecord* last = log_->Newest();
    if (!last) return;
    QGuiApplication::clipboard()->setText(CopiedLine(*last));
    ui_.lblStatus->setText(tr("Roll copied."));
}

void Companions::ShowLog() {
    if (!logWindow_) logWindow_ = new RollLogWindow(*log_, &window_);
    Present(logWindow_);
}

void Companions::ShowChances() {
    if (!chancesWindow_) chancesWindow_ = new ChancesWindow(state_, view_, &window_);
    Present(chancesWindow_);
}

void Companions::ShowListMenu(const QPoint& at) {
    QMenu menu(&window_);
    menu.addAction(tr("Copy Roll"), QKeySequence::Copy, this, &Companions::CopyRoll);
    menu.addAction(tr("Roll Log"), kShowLogKeys, this, &Companions::ShowLog);
    menu.addAction(tr("Chances"), kShowChancesKeys, this, &Companions::ShowChances);
    menu.exec(ui_.lstResults->viewport()->mapToGlobal(at));
}

bool Companions::eventFilter(QObject* watched, QEvent* event) {
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
