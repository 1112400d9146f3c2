#include "window/roller/frmRoller.h"

#include <QApplication>
#include <QCloseEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "runtime/Alerts.h"
#include "table/SeedStream.h"
#include "window/common/EngineText.h"
#include "window/common/StatusLine.h"
#include "window/log/RollText.h"
#include "window/roller/DicePicture.h"
#include "window/roller/FirstClickSelects.h"
#include "window/roller/Twips.h"

namespace corvane {
namespace {

constexpr int kMinimumOuterWidth = PixelsAtLeast(4000);
constexpr int kMinimumOuterHeight = PixelsAtLeast(4500);
constexpr int kListLeft = Pixels(2820);
constexpr int kListTop = Pixels(120);
constexpr int kEdgeGap = Pixels(60);

}  // namespace

frmRoller::frmRoller(RandomSource& random, Clock& clock, Alerts& alerts, Dialogs& dialogs,
                     const QString& poolsFile, QWidget* parent)
    : QWidget(parent),
      alerts_(alerts),
      dialogs_(dialogs),
      ui_(this),
      roller_(*this, random, clock, *this),
      display_(ui_, roller_.State()),
      announcer_(this),
      status_(new StatusLine(*ui_.lblStatus, announcer_)),
      opening_(announcer_),
      pools_(poolsFile, dialogs, announcer_),
      side_(Services()),
      commands_(Services(), side_),
      tableRolls_(Services(), table_, side_,
                  [this](RollType type, const RollerState* earlier, const table::Hash& seed) {
                      if (earlier) roller_.ResumeFrom(*earlier);
                      table::SeedStream dice(seed);
                      RunRoll([type, &dice](Roller& roller) { roller.Roll(type, dice); });
                  }) {
    ConnectSignals();
    for (QLineEdit* field : ui_.txtInput) new FirstClickSelects(field);
    ui_.txtInput[0]->setFocus();
    Form_Load();
}

frmRoller::~frmRoller() {
    // The windows beside go first (the members they use go next), and nothing
    // still connected may call back into a window half taken down.
    closing_ = true;
    disconnect(qApp, nullptr, this, nullptr);
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

RollerServices frmRoller::Services() {
    return {*this,
            ui_,
            roller_,
            *this,
            announcer_,
            dialogs_,
            alerts_,
            pools_,
            *status_,
            table_,
            [this](Roller::Pool pool) { RollPool(pool); }};
}

void frmRoller::ConnectSignals() {
    connect(ui_.btnRoll, &QPushButton::clicked, this, &frmRoller::btnRoll_Click);
    connect(ui_.Command1, &QPushButton::clicked, this, &frmRoller::Command1_Click);
    connect(ui_.Command2, &QPushButton::clicked, this, &frmRoller::Command2_Click);
    connect(ui_.Image1, &DicePicture::doubleClicked, this, &frmRoller::Image1_DblClick);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (std::size_t i = 0; i < ui_.txtInput.size(); ++i) {
            if (now == ui_.txtInput[i]) txtInput_GotFocus(i);
        }
    });
    connect(ui_.txtInput[0], &QLineEdit::textChanged, &side_, &SideWindows::OddsChanged);
    connect(ui_.txtInput[1], &QLineEdit::textChanged, this, &frmRoller::UpdateOdds);
    connect(ui_.lstResults->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmRoller::UpdateOdds);
}

void frmRoller::Form_Load() {
    roller_.SetLoadValues();
    btnRoll_Click();
}

void frmRoller::RollCommand(RollType type) {
    if (tableRolls_.AtTable()) {
        RunRoll([this, type](Roller&) { tableRolls_.Ask(type); });
        return;
    }
    RunRoll([type](Roller& roller) { roller.Roll(type); });
}

void frmRoller::btnRoll_Click() { RollCommand(RollType::NewRoll); }
void frmRoller::Command1_Click() { RollCommand(RollType::RerollFailures); }
void frmRoller::Command2_Click() { RollCommand(RollType::RerollFromMarker); }

template <class Roll>
void frmRoller::RunRoll(Roll roll) {
    try {
        roll(roller_);
    } catch (const RollFailure& failure) {
        // The roll changed nothing; say why, and carry on.
        alerts_.Beep();
        status_->Tell(ResultsDisplay::ErrorText(failure));
    }
}

void frmRoller::txtInput_GotFocus(std::size_t index) { SetTxtFocus(ui_.txtInput.at(index)); }

void frmRoller::SetTxtFocus(QLineEdit* field) {
    field->setSelection(0, static_cast<int>(field->text().length()));
}

void frmRoller::Image1_DblClick() { commands_.ShowAbout(); }

void frmRoller::RollPool(Roller::Pool pool) {
    if (tableRolls_.AtTable()) {
        RunRoll([this, pool](Roller&) { tableRolls_.Ask(RollType::NewRoll, &pool); });
        return;
    }
    RunRoll([pool](Roller& roller) { roller.RollPool(pool); });
}

void frmRoller::UpdateOdds() {
    display_.UpdateOdds(TargetText(), MarkedRow());
    side_.OddsChanged();
}

// While a round of the table rolls here, the roller reads the round's request.
std::string frmRoller::DiceText() {
    if (const auto* round = tableRolls_.Inputs()) return round->dice;
    return ui_.txtInput[0]->text().toStdString();
}
std::string frmRoller::TargetText() {
    if (const auto* round = tableRolls_.Inputs()) return round->target;
    return ui_.txtInput[1]->text().toStdString();
}
Int16 frmRoller::RowCount() {
    if (const auto* round = tableRolls_.Inputs()) return round->rows;
    return Int16::From(ui_.lstResults->model()->rowCount());
}

Int16 frmRoller::MarkedRow() {
    if (const auto* round = tableRolls_.Inputs()) return round->markedRow;
    const QModelIndexList selected = ui_.lstResults->selectionModel()->selectedRows();
    if (selected.isEmpty()) return Int16(-1);
    return Int16::From(selected.first().row());
}

void frmRoller::SetStatusMessage(std::string_view text) { status_->Tell(EngineText(text)); }

void frmRoller::Beep() { alerts_.Beep(); }

void frmRoller::ShowOutcome() {
    display_.DisplayResults();
    UpdateOdds();
    side_.RollCompleted(tableRolls_.Marked(roller_.LastRecord()));
    // The status line says only the successes; the ear gets the whole outcome.
    // The roll made as the window opens is not said: the opening is.
    if (shown_) announcer_.Announce(SpokenOutcome(*roller_.LastRecord()));
}

YieldOutcome frmRoller::YieldToEvents() {
    // Before the window is first shown there are no events of its own to run.
    if (shown_) QCoreApplication::processEvents();
    return closing_ ? YieldOutcome::WindowClosing : YieldOutcome::Continue;
}

void frmRoller::keyPressEvent(QKeyEvent* event) {
    // Roll is the default button: Enter anywhere that does not use it itself
    // rolls; on a focused button it clicks that button, as in any dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (focused ? focused : ui_.btnRoll)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmRoller::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmRoller::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmRoller::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shown_ = true;
    closing_ = false;
}

void frmRoller::closeEvent(QCloseEvent* event) {
    // A roll running its events right now sees this and stops untouched.
    closing_ = true;
    side_.CloseAll();
    QWidget::closeEvent(event);
}

void frmRoller::Form_Resize() {
    if (isMinimized()) return;
    EnforceMinimumSize();
    QLabel* status = ui_.lblStatus;
    status->setGeometry(0, height() - status->height(), width(), status->height());
    ui_.lstResults->setGeometry(kListLeft, kListTop, std::max(0, width() - kListLeft - kEdgeGap),
                                std::max(0, status->y() - kListTop - kEdgeGap));
}

void frmRoller::EnforceMinimumSize() {
    // The minimum counts the window manager's frame. When the window is first
    // laid out, the manager may not have told us its frame yet; the size the
    // window opens with is meant for a framed window, so leave it alone then.
    const QSize frame = frameGeometry().size() - size();
    if (!shown_ && frame.isNull()) return;

    const QSize minimumClient(kMinimumOuterWidth - frame.width(),
                              kMinimumOuterHeight - frame.height());
    // Tells the window manager too, so dragging stops at the minimum.
    if (minimumSize() != minimumClient) setMinimumSize(minimumClient);
    if (width() < minimumClient.width() || height() < minimumClient.height()) {
        resize(size().expandedTo(minimumClient));
    }
}

}  // namespace corvane
