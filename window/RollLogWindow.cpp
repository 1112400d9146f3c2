#include "window/RollLogWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QShortcut>
#include <QVBoxLayout>

#include "window/RollLogModel.h"

namespace corvane {

RollLogWindow::RollLogWindow(RollLogModel& log, QWidget* parent)
    : QWidget(parent, Qt::Window), log_(log), entries_(new QListView(this)) {
    setWindowTitle(QStringLiteral("Roll Log"));
    entries_->setModel(&log_);
    entries_->setAccessibleName(QStringLiteral("Rolls, newest first"));
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
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &RollLogWindow::CopySelected);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }
}

void RollLogWindow::CopySelected() {
    const QString lines = log_.CopiedLines(entries_->selectionModel()->selectedRows());
    if (!lines.isEmpty()) QGuiApplication::clipboard()->setText(lines);
}

}  // namespace corvane
