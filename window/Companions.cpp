#include "window/Companions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QShortcut>

#include "window/RollLogModel.h"
#include "window/RollLogWindow.h"
#include "window/RollText.h"
#include "window/RollerControls.h"

namespace corvane {
namespace {

const QKeySequence kShowLogKeys(Qt::CTRL | Qt::Key_L);

}  // namespace

Companions::Companions(QWidget& window, const RollerControls& ui)
    : window_(window), ui_(ui), log_(new RollLogModel(this)) {
    ConnectSignals();
}

void Companions::ConnectSignals() {
    auto* copy = new QShortcut(QKeySequence::Copy, &window_);
    connect(copy, &QShortcut::activated, this, &Companions::CopyRoll);
    auto* showLog = new QShortcut(kShowLogKeys, &window_);
    connect(showLog, &QShortcut::activated, this, &Companions::ShowLog);
    // The fields claim Ctrl+C for themselves, even with nothing selected.
    for (QLineEdit* field : ui_.txtInput) field->installEventFilter(this);
    ui_.lstResults->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui_.lstResults, &QWidget::customContextMenuRequested, this, &Companions::ShowListMenu);
}

void Companions::RollCompleted(std::shared_ptr<const RollRecord> record) {
    log_->Add(std::move(record));
}

void Companions::CloseAll() {
    if (logWindow_) logWindow_->close();
}

void Companions::CopyRoll() {
    const RollRecord* last = log_->Newest();
    if (!last) return;
    QGuiApplication::clipboard()->setText(CopiedLine(*last));
    ui_.lblStatus->setText(QStringLiteral("Roll copied."));
}

void Companions::ShowLog() {
    if (!logWindow_) logWindow_ = new RollLogWindow(*log_, &window_);
    logWindow_->show();
    logWindow_->raise();
    logWindow_->activateWindow();
}

void Companions::ShowListMenu(const QPoint& at) {
    QMenu menu(&window_);
    menu.addAction(QStringLiteral("Copy Roll"), QKeySequence::Copy, this, &Companions::CopyRoll);
    menu.addAction(QStringLiteral("Roll Log"), kShowLogKeys, this, &Companions::ShowLog);
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
