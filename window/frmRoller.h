#pragma once

#include <QWidget>

#include "engine/Roller.h"
#include "runtime/EventYield.h"
#include "window/Companions.h"
#include "window/ResultsDisplay.h"
#include "window/RollerControls.h"

class QLineEdit;

namespace corvane {

class Alerts;

// The dice window: turns the user's clicks and keys into rolls, and answers
// what the roller asks of it.
class frmRoller final : public QWidget, public RollerView, public EventYield {
    Q_OBJECT
public:
    frmRoller(RandomSource& random, Clock& clock, Alerts& alerts, QWidget* parent = nullptr);

    const RollerState& State() const { return roller_.State(); }
    const RollerControls& Controls() const { return ui_; }
    // The windows and commands beside this one: the roll log and copying.
    Companions& Beside() { return companions_; }

    // What the roller asks of the window.
    std::string DiceText() override;
    std::string TargetText() override;
    Int16 RowCount() override;
    Int16 MarkedRow() override;
    void SetStatusMessage(std::string_view text) override;
    void Beep() override;
    void ShowOutcome() override;

    // Runs the pending window events in the middle of a long sort.
    YieldOutcome YieldToEvents() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectSignals();
    void Form_Load();
    void Form_Resize();
    void EnforceMinimumSize();
    void btnRoll_Click();
    void Command1_Click();
    void Command2_Click();
    void txtInput_GotFocus(std::size_t index);
    void Image1_DblClick();
    void SetTxtFocus(QLineEdit* field);
    void UpdateOdds();
    void RunRoll(RollType rollType);

    Alerts& alerts_;
    RollerControls ui_;
    Roller roller_;
    ResultsDisplay display_;
    Companions companions_;
    bool shown_ = false;
    bool closing_ = false;
};

}  // namespace corvane
