#include "window/pools/PoolsWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "window/common/AccessibleRoles.h"
#include "window/common/CloseKeys.h"
#include "window/common/ItemFocus.h"
#include "window/common/StatusLine.h"
#include "window/pools/PoolKeeper.h"

namespace corvane {

PoolsWindow::PoolsWindow(PoolKeeper& keeper, Announcer& announcer, QWidget* parent)
    : QWidget(parent, Qt::Window),
      keeper_(keeper),
      entries_(new QListWidget(this)),
      status_(new QLabel(this)),
      statusLine_(new StatusLine(*status_, announcer)) {
    ExposeAsWindow(*this);
    setWindowTitle(tr("Pools"));
    entries_->setAccessibleName(tr("Saved pools; Ctrl+1 to Ctrl+9 roll the first nine"));
    entries_->setSelectionMode(QAbstractItemView::SingleSelection);
    entries_->setUniformItemSizes(true);
    status_->setFrameShape(QFrame::Panel);
    status_->setFrameShadow(QFrame::Sunken);
    ExposeAsStatusLine(*status_);
    auto* keys = new QLabel(tr("Enter rolls, F2 renames, Delete deletes, Alt+Up and Alt+Down "
                               "move the selected pool."),
                            this);
    keys->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entries_);
    layout->addWidget(keys);
    layout->addWidget(status_);
    SetupActions();
    ConnectSignals();
    ShowPools();
    KeepCurrentRowHeard(*entries_);
}

// What it opens with, where the screen has the room.
QSize PoolsWindow::sizeHint() const { return QSize(360, 320); }

void PoolsWindow::SetupActions() {
    const auto make = [this](const QString& text, const QList<QKeySequence>& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        // The list's own keys (Enter, Delete) would go to the list first.
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    make(tr("Roll Pool"), {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
         &PoolsWindow::RollSelected);
    make(tr("Rename Pool..."), {QKeySequence(Qt::Key_F2)},
         [this] { TellOn(statusLine_, keeper_.Rename(Selected(), this)); });
    make(tr("Delete Pool"), {QKeySequence(QKeySequence::Delete)}, &PoolsWindow::DeleteSelected);
    make(tr("Undo Delete"), {QKeySequence(QKeySequence::Undo)}, &PoolsWindow::UndoDelete);
    make(tr("Move Up"), {QKeySequence(Qt::ALT | Qt::Key_Up)}, [this] { MoveSelected(-1); });
    make(tr("Move Down"), {QKeySequence(Qt::ALT | Qt::Key_Down)}, [this] { MoveSelected(1); });
    make(tr("Export Pools..."), {}, [this] { TellOn(statusLine_, keeper_.Export(this)); });
    make(tr("Import Pools..."), {}, [this] { TellOn(statusLine_, keeper_.Import(this)); });
    AddCloseKeys(*this);
}

void PoolsWindow::ConnectSignals() {
    connect(&keeper_, &PoolKeeper::changed, this, &PoolsWindow::ShowPools);
    connect(entries_, &QListWidget::itemDoubleClicked, this, &PoolsWindow::RollSelected);
}

void PoolsWindow::ShowPools() {
    const QString selected = Selected();
    // Read first: the first read of the file tells of a change, which shows
    // the pools too, and must not do so in the middle of this.
    keeper_.Load(QApplication::activeWindow());
    const SavedPoolList& pools = keeper_.List();
    entries_->clear();
    shown_.clear();
    for (const SavedPool& pool : pools) {
        const auto place = static_cast<int>(shown_.size());
        // The first nine roll by Ctrl and their place from every window.
        entries_->addItem(
            place < kPoolsWithKeys
                ? tr("%1 (%2)").arg(PoolText(pool), QKeySequence(Qt::CTRL | (Qt::Key_1 + place))
                                                        .toString(QKeySequence::NativeText))
                : PoolText(pool));
        shown_ << pool.Name;
    }
    const qsizetype row = IndexOfPool(pools, selected);
    entries_->setCurrentRow(static_cast<int>(row >= 0 ? row : 0));
}

QString PoolsWindow::Selected() const {
    // By the rows as shown: the list may have changed under them.
    const int row = entries_->currentRow();
    if (row < 0 || row >= shown_.size() || !entries_->currentItem()->isSelected()) return {};
    return shown_[row];
}

void PoolsWindow::RollSelected() {
    const qsizetype index = IndexOfPool(keeper_.List(), Selected());
    if (index >= 0) emit rollRequested(keeper_.List()[index]);
}

void PoolsWindow::DeleteSelected() {
    const QString name = Selected();
    const qsizetype index = IndexOfPool(keeper_.List(), name);
    if (index < 0) return;
    deleted_ << Deleted{keeper_.List()[index], index};
    TellOn(statusLine_, keeper_.Change({PoolEdit::Remove(name)},
                                       tr("Pool deleted; Ctrl+Z brings it back."), this));
    entries_->setCurrentRow(std::min(static_cast<int>(index), entries_->count() - 1));
}

void PoolsWindow::UndoDelete() {
    if (deleted_.isEmpty()) return;
    const Deleted last = deleted_.takeLast();
    if (TellOn(statusLine_, keeper_.Change({PoolEdit::Restore(last.pool, last.at)},
                                           tr("Pool restored."), this))) {
        entries_->setCurrentRow(static_cast<int>(IndexOfPool(keeper_.List(), last.pool.Name)));
    }
}

void PoolsWindow::MoveSelected(qsizetype by) {
    const QString name = Selected();
    if (name.isEmpty()) return;
    const qsizetype to = IndexOfPool(keeper_.List(), name) + by;
    if (to < 0 || to >= keeper_.List().size()) {
        statusLine_->Tell(by < 0 ? tr("The pool is first already.")
                                 : tr("The pool is last already."));
        return;
    }
    TellOn(statusLine_, keeper_.Change({PoolEdit::Move(name, by)}, tr("Pool moved."), this));
}

void PoolsWindow::closeEvent(QCloseEvent* event) {
    // Undo lasts as long as the window is open; minimised, it still is.
    deleted_.clear();
    QWidget::closeEvent(event);
}

}  // namespace corvane
