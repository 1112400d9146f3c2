#include "window/log/RollLogWindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QVBoxLayout>

#include "window/common/CloseKeys.h"
#include "window/log/RollLogModel.h"

namespace corvane {

RollLogWindow::RollLogWindow(RollLogModel& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), entries_(new QListView(this)) {
    setWindowTitle(tr("Roll Log"));
    entries_->setModel(&log_);
    entries_->setAccessibleName(tr("Rolls, newest first"));
    entries_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    entries_->setUniformItemSizes(true);
    // A line too long for the window ends in "..." and shows whole as a tooltip;
    // scrolling sideways would hide the times.
    entries_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entries_);
    resize(720, 320);
    ConnectSignals();
}

void RollLogWindow::ConnectSignals() {
    auto* copy = new QAction(tr("Copy Rolls"), this);
    copy->setShortcuts(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this, &RollLogWindow::CopySelected);
    addAction(copy);
    AddCloseKeys(*this);
}

void RollLogWindow::CopySelected() {
    QModelIndexList rows = entries_->selectionModel()->selectedRows();
    // With nothing selected, the newest roll, as Ctrl+C copies it elsewhere.
    if (rows.isEmpty()) {
        log_.CatchUp();
        rows << log_.index(0);
    }
    const QString lines = log_.CopiedLines(rows);
    if (!lines.isEmpty()) QGuiApplication::clipboard()->setText(lines);
}

}  // namespace corvane
