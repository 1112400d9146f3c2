#pragma once

#include <QWidget>

#include "engine/Roller.h"
#include "runtime/EventYield.h"
#include "window/common/Announcer.h"
#include "window/common/OpeningRetold.h"
#include "window/pools/PoolKeeper.h"
#include "window/roller/ResultsDisplay.h"
#include "window/roller/RollerCommands.h"
#include "window/roller/RollerControls.h"
#include "window/roller/SideWindows.h"
#include "window/roller/TableRolls.h"
#include "window/table/TableSession.h"

class QLineEdit;

namespace corvane {

class Alerts;
class Dialogs;
class StatusLine;

// The dice window: turns the user's clicks and keys into rolls, and answers
// what the roller asks of it and what the chances chart reads of it.
class frmRoller final : public QWidget, public RollerView, public EventYield {
    Q_OBJECT
public:
    // The saved pools are kept in `poolsFile`, which is read when they are
    // first needed and written only when the player saves.
    frmRoller(RandomSource& random, Clock& clock, Alerts& alerts, Dialogs& dialogs,
              const QString& poolsFile, QWidget* parent = nullptr);
    ~frmRoller() override;

    const RollerState& State() const { return roller_.State(); }
    const RollerControls& Controls() const { return ui_; }
    // The last completed roll; null before the first.
    const RollRecord* LastRecord() const { return roller_.LastRecord().get(); }
    RollerCommands& Commands() { return commands_; }
    // The questions, warnings and file dialogs of every window.
    Dialogs& Questions() { return dialogs_; }
    // What the program says to screen readers, from any of its windows.
    Announcer& Announcements() { return announcer_; }
    // The roll log, the chances chart and the Pools window.
    SideWindows& Side() { return side_; }
    PoolKeeper& Pools() { return pools_; }
    TableSession& Table() { return table_; }
    // A new roll of a saved pool; the fields then show it, as after any roll.
    void RollPool(Roller::Pool pool);

    // What the roller asks of the window; the chart reads the fields and the
    // selected row too.
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
    // A roll of the three commands: at a table, a round of the table.
    void RollCommand(RollType type);
    void btnRoll_Click();
    void Command1_Click();
    void Command2_Click();
    void txtInput_GotFocus(std::size_t index);
    void Image1_DblClick();
    void SetTxtFocus(QLineEdit* field);
    void UpdateOdds();
    RollerServices Services();
    // Runs one roll; a roll stopped by an error changed nothing, and says why.
    template <class Roll>
    void RunRoll(Roll roll);

    Alerts& alerts_;
    Dialogs& dialogs_;
    RollerControls ui_;
    Roller roller_;
    ResultsDisplay display_;
    Announcer announcer_;
    StatusLine* status_;
    OpeningRetold opening_;
    PoolKeeper pools_;
    TableSession table_;
    SideWindows side_;
    RollerCommands commands_;
    TableRolls tableRolls_;
    bool shown_ = false;
    bool closing_ = false;
};

}  // namespace corvane
