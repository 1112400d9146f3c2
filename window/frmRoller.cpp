#include "window/frmRoller.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "runtime/Alerts.h"
#include "runtime/NumberText.h"
#include "runtime/Version.h"
#include "window/DicePicture.h"
#include "window/OddsText.h"
#include "window/Twips.h"

namespace corvane {
namespace {

constexpr int kMinimumOuterWidth = PixelsAtLeast(4000);
constexpr int kMinimumOuterHeight = PixelsAtLeast(4500);
constexpr int kListLeft = Pixels(2820);
constexpr int kListTop = Pixels(120);
constexpr int kEdgeGap = Pixels(60);

QString Text(Int16 value) { return QString::fromStdString(ToText(value)); }

// What the status line says when a run-time error stopped a roll.
QString ErrorMessage(const RuntimeError& error) {
    switch (error.Number()) {
        case ErrorNumber::Overflow:
            return QStringLiteral("Overflow: a number passed 32767; nothing changed.");
        case ErrorNumber::SubscriptOutOfRange:
            return QStringLiteral("The list and the pool disagreed; nothing changed.");
        default:
            return QStringLiteral("%1 (error %2); nothing changed.")
                .arg(QLatin1String(error.Text()))
                .arg(static_cast<int>(error.Number()));
    }
}

}  // namespace

frmRoller::frmRoller(RandomSource& random, Clock& clock, Alerts& alerts, QWidget* parent)
    : QWidget(parent), alerts_(alerts), ui_(this), roller_(*this, random, clock, *this) {
    setWindowTitle(QStringLiteral("Corvane Dice"));
    setWindowIcon(DicePicture::WindowIcon());
    // Maximised, only the list would grow beside the fixed column of controls.
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    // The window is painted in the colour behind text fields.
    QPalette background = palette();
    background.setColor(QPalette::Window, background.color(QPalette::Base));
    setPalette(background);
    setAutoFillBackground(true);
    resize(kInitialClientWidth, kInitialClientHeight);

    ConnectSignals();
    ui_.txtInput[0]->setFocus();
    Form_Load();
}

QString frmRoller::AboutText() {
    return QStringLiteral("Corvane Dice %1.%2.%3\n\n")
               .arg(kVersionMajor)
               .arg(kVersionMinor)
               .arg(kVersionRevision) +
           QStringLiteral("Copyright \u00A9 2026 the Corvane Dice developers.\n") +
           QStringLiteral("Questions and ideas: dice@corvane.example");
}

void frmRoller::ConnectSignals() {
    connect(ui_.btnRoll, &QPushButton::clicked, this, &frmRoller::btnRoll_Click);
    connect(ui_.Command1, &QPushButton::clicked, this, &frmRoller::Command1_Click);
    connect(ui_.Command2, &QPushButton::clicked, this, &frmRoller::Command2_Click);
    connect(ui_.Image1, &DicePicture::doubleClicked, this, &frmRoller::Image1_DblClick);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &frmRoller::Image1_DblClick);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    for (QLineEdit* field : ui_.txtInput) field->installEventFilter(this);
    connect(ui_.txtInput[1], &QLineEdit::textChanged, this, &frmRoller::UpdateOdds);
    connect(ui_.lstResults, &QListWidget::itemSelectionChanged, this, &frmRoller::UpdateOdds);
}

void frmRoller::Form_Load() {
    roller_.SetLoadValues();
    RunRoll(RollType::NewRoll);
}

void frmRoller::btnRoll_Click() { RunRoll(RollType::NewRoll); }
void frmRoller::Command1_Click() { RunRoll(RollType::RerollFailures); }
void frmRoller::Command2_Click() { RunRoll(RollType::RerollFromMarker); }

void frmRoller::RunRoll(RollType rollType) {
    try {
        roller_.Roll(rollType);
    } catch (const RuntimeError& error) {
        // The roll changed nothing; say why, and carry on.
        alerts_.Beep();
        ui_.lblStatus->setText(ErrorMessage(error));
    }
}

void frmRoller::txtInput_GotFocus(std::size_t index) { SetTxtFocus(ui_.txtInput.at(index)); }

void frmRoller::SetTxtFocus(QLineEdit* field) {
    field->setSelection(0, static_cast<int>(field->text().length()));
}

void frmRoller::Image1_DblClick() {
    alerts_.ShowMessage("About Corvane Dice", AboutText().toStdString());
}

void frmRoller::DisplayResults() {
    const RollerState& state = roller_.State();
    ui_.txtInput[0]->setText(Text(state.DiceCount));
    ui_.txtInput[1]->setText(Text(state.TargetNumber));
    QString successes = Text(state.Successes);
    if (state.TotalRoll == state.DiceCount) successes += QStringLiteral(" (botch)");
    ui_.lblResult[0]->setText(successes);
    ui_.lblResult[0]->setAccessibleName(QStringLiteral("Successes: ") + successes);
    ui_.lblResult[1]->setText(QStringLiteral("High roll: ") + Text(state.HighRoll) +
                              QStringLiteral(", Total roll: ") + Text(state.TotalRoll));
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(state.DiceResults.Dice().size()));
    for (Int16 die : state.DiceResults.Dice()) rows.append(Text(die));
    ui_.lstResults->clear();
    ui_.lstResults->addItems(rows);
    ui_.lblStatus->setText(Text(state.Successes) + QStringLiteral(" successes."));
}

void frmRoller::UpdateOdds() { ShowOdds(ui_, roller_.State(), TargetText(), MarkedRow()); }

std::string frmRoller::DiceText() { return ui_.txtInput[0]->text().toStdString(); }
std::string frmRoller::TargetText() { return ui_.txtInput[1]->text().toStdString(); }
Int16 frmRoller::RowCount() { return Int16::From(ui_.lstResults->count()); }

Int16 frmRoller::MarkedRow() {
    const QList<QListWidgetItem*> selected = ui_.lstResults->selectedItems();
    if (selected.isEmpty()) return Int16(-1);
    return Int16::From(ui_.lstResults->row(selected.first()));
}

void frmRoller::SetStatusMessage(std::string_view text) {
    ui_.lblStatus->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void frmRoller::Beep() { alerts_.Beep(); }
void frmRoller::ShowOutcome() {
    DisplayResults();
    UpdateOdds();
}

YieldOutcome frmRoller::YieldToEvents() {
    // Before the window is first shown there are no events of its own to run.
    if (shown_) QCoreApplication::processEvents();
    return closing_ ? YieldOutcome::WindowClosing : YieldOutcome::Continue;
}

bool frmRoller::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (std::size_t i = 0; i < ui_.txtInput.size(); ++i) {
            if (watched == ui_.txtInput[i]) txtInput_GotFocus(i);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmRoller::keyPressEvent(QKeyEvent* event) {
    // Roll is the default button: Enter anywhere that does not use it itself rolls.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ui_.btnRoll->click();
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
