#include "window/log/RollLogWindow.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "window/common/AccessibleRoles.h"
#include "window/common/Announcer.h"
#include "window/common/AtomicFile.h"
#include "window/common/CloseKeys.h"
#include "window/common/Dialogs.h"
#include "window/common/ItemFocus.h"
#include "window/common/StatusLine.h"
#include "window/log/EveningHeader.h"
#include "window/log/LogFile.h"
#include "window/log/RollLogDelegate.h"
#include "window/log/RollLogModel.h"

namespace corvane {
namespace {

// The list lays its rows out again when it grows taller or shorter, not when
// it narrows; but the entries wrap to its width, so a scroll bar coming or a
// narrower window makes them taller. Left as measured, each would paint its
// last line over the next entry.
class EntryList final : public QListView {
public:
    using QListView::QListView;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QListView::resizeEvent(event);
        if (event->size().width() != event->oldSize().width()) scheduleDelayedItemsLayout();
    }
};

}  // namespace

RollLogWindow::RollLogWindow(RollLogModel& log, Dialogs& dialogs, Announcer& announcer,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      log_(log),
      dialogs_(dialogs),
      announcer_(announcer),
      evening_(new EveningHeader(log.Evening(), log.MembersEvenings(), this)),
      entries_(new EntryList(this)),
      status_(new QLabel(this)),
      statusLine_(new StatusLine(*status_, announcer)) {
    ExposeAsWindow(*this);
    setWindowTitle(tr("Roll Log"));
    entries_->setModel(&log_);
    KeepCurrentRowHeard(*entries_);
    entries_->setAccessibleName(tr("Rolls, newest first"));
    entries_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Each entry wraps to the width, so it shows whole and a narrower window
    // only makes it taller; scrolling sideways would hide the times.
    entries_->setItemDelegate(new RollLogDelegate(entries_));
    entries_->setResizeMode(QListView::Adjust);
    entries_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    ExposeAsStatusLine(*status_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(evening_);
    layout->addWidget(entries_);
    layout->addWidget(status_);
    ConnectSignals();
}

// What it opens with, where the screen has the room: wide enough for a long
// evening's lines in the language and font of the day.
QSize RollLogWindow::sizeHint() const {
    const QMargins margins = layout()->contentsMargins();
    return QSize(std::max(720, evening_->sizeHint().width() + margins.left() + margins.right()),
                 320);
}

void RollLogWindow::ConnectSignals() {
    auto* copy = new QAction(tr("Copy Rolls"), this);
    copy->setShortcuts(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &RollLogWindow::CopySelected);
    auto* save = new QAction(tr("Save Log..."), this);
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { Save(false); });
    auto* saveSelected = new QAction(tr("Save Selected Rolls..."), this);
    saveSelected->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveSelected, &QAction::triggered, this, [this] { Save(true); });
    addActions({copy, save, saveSelected});
    AddCloseKeys(*this);
    // The evening takes in a roll before its row does, and follows the rows.
    connect(&log_, &QAbstractItemModel::rowsInserted, evening_, &EveningHeader::Follow);
}

void RollLogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Each opening starts on the newest roll: the rolls made while the log
    // was closed come in above the row it was on.
    log_.CatchUp();
    entries_->selectionModel()->setCurrentIndex(log_.index(0), QItemSelectionModel::NoUpdate);
    entries_->scrollToTop();
}

void RollLogWindow::CopySelected() {
    QModelIndexList rows = entries_->selectionModel()->selectedRows();
    // With nothing selected, the newest roll, as Ctrl+C copies it elsewhere.
    if (rows.isEmpty()) {
        log_.CatchUp();
        rows << log_.index(0);
    }
    const QString lines = log_.CopiedLines(rows);
    if (lines.isEmpty()) return;
    QGuiApplication::clipboard()->setText(lines);
    // As the dice window says it for its roll, and saving for its rolls.
    const auto count = static_cast<int>(rows.size());
    Tell(count == 1 ? tr("Roll copied.") : tr("%n rolls copied.", nullptr, count));
}

void RollLogWindow::Save(bool selectedOnly) {
    log_.CatchUp();
    const QList<const RollRecord*> records =
        log_.Records(selectedOnly ? entries_->selectionModel()->selectedRows() : log_.AllRows());
    if (records.isEmpty()) {
        Tell(selectedOnly ? tr("No rolls selected.") : tr("No rolls to save."));
        return;
    }
    QString filter;
    const QString chosen = dialogs_.FileToSave(
        this, tr("Save Roll Log"), QStringLiteral("roll-log.txt"), LogFileFilters(), &filter);
    if (chosen.isEmpty()) return;
    QString path = chosen;
    const LogFormat format = LogFormatFor(path, filter);
    if (!dialogs_.MayReplace(this, tr("Save Roll Log"), chosen, path)) return;
    if (const std::optional<QString> error =
            AtomicFile().Write(path, LogFileBytes(format, records, log_.Evening()))) {
        // The path as the system writes paths, as the pools' messages give it.
        const QString text = tr("The roll log could not be saved to %1: %2.")
                                 .arg(QDir::toNativeSeparators(path), *error);
        announcer_.Announce(text);
        dialogs_.Warn(this, tr("Save Roll Log"), text);
        return;
    }
    const auto count = static_cast<int>(records.size());
    QString saved = tr("%n rolls saved.", nullptr, count);
    if (companion_) saved += QLatin1Char(' ') + companion_(path);
    Tell(saved.trimmed());
}

void RollLogWindow::Tell(const QString& text) { statusLine_->Tell(text); }

}  // namespace corvane
