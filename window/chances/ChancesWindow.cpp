#include "window/chances/ChancesWindow.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include "engine/RollLuck.h"
#include "engine/Roller.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesText.h"
#include "window/common/AccessibleRoles.h"
#include "window/common/CloseKeys.h"
#include "window/common/RefreshThrottle.h"

namespace corvane {
namespace {

// The summary whole where the window has the height, scrolled where it has
// not, so that the chart keeps its least height.
class SummaryArea final : public QScrollArea {
public:
    explicit SummaryArea(QWidget* parent) : QScrollArea(parent) {}

    QSize sizeHint() const override {
        const QWidget* text = widget();
        if (!text) return QScrollArea::sizeHint();
        return QSize(QScrollArea::sizeHint().width(),
                     text->heightForWidth(viewport()->width()) + 2 * frameWidth());
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        const bool wider = event->size().width() != event->oldSize().width();
        QScrollArea::resizeEvent(event);
        // The text wraps anew, so it needs another height.
        if (wider) updateGeometry();
    }
};

}  // namespace

ChancesWindow::ChancesWindow(const Roller& roller, RollerInputs& inputs, Announcer& announcer,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      roller_(roller),
      inputs_(inputs),
      summary_(new QLabel(this)),
      chart_(new ChancesChart(announcer, this)),
      refresh_(new RefreshThrottle([this] { Refresh(); }, this)) {
    ExposeAsWindow(*this);
    setWindowTitle(ChancesText::WindowTitle());
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // In a short window the summary scrolls and the chart keeps its height.
    auto* summaryArea = new SummaryArea(this);
    summaryArea_ = summaryArea;
    summaryArea->setWidget(summary_);
    summaryArea->setWidgetResizable(true);
    summaryArea->setFrameShape(QFrame::NoFrame);
    summaryArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    summaryArea->setFocusPolicy(Qt::NoFocus);
    summaryArea->setBackgroundRole(QPalette::Window);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryArea);
    layout->addWidget(chart_, 1);
    setFocusProxy(chart_);
    ConnectSignals();
}

// What it opens with, where the screen has the room.
QSize ChancesWindow::sizeHint() const { return QSize(640, 520); }

void ChancesWindow::ConnectSignals() { AddCloseKeys(*this); }

void ChancesWindow::Follow() {
    // A closed window catches up when it is shown again.
    if (isVisible()) refresh_->Request();
}

void ChancesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh_->RefreshNow();
}

void ChancesWindow::Refresh() {
    const RollRecord* last = roller_.LastRecord().get();
    ChancesData chances(roller_.State(), inputs_.DiceText(), inputs_.TargetText(),
                        inputs_.MarkedRow(),
                        last ? std::optional(LuckOfRoll(*last)) : std::nullopt);
    const QString summary = ChancesText::Summary(chances);
    summary_->setText(summary);
    summaryArea_->updateGeometry();
    setAccessibleDescription(summary);
    chart_->Show(std::move(chances));
}

}  // namespace corvane
