#include "window/roller/SideWindows.h"

#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"
#include "window/pools/PoolsWindow.h"

namespace corvane {
namespace {

// Brings a side window up beside the dice window, ready for the keyboard.
void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

SideWindows::SideWindows(QWidget& diceWindow, const RollerState& state, ChancesSource& source,
                         Dialogs& dialogs, Announcer& announcer, PoolKeeper& pools)
    : QObject(&diceWindow),
      diceWindow_(diceWindow),
      state_(state),
      source_(source),
      dialogs_(dialogs),
      announcer_(announcer),
      pools_(pools),
      log_(new RollLogModel(this)) {}

void SideWindows::RollCompleted(std::shared_ptr<const RollRecord> record) {
    log_->Add(std::move(record));
}

void SideWindows::OddsChanged() {
    if (chancesWindow_) chancesWindow_->Follow();
}

void SideWindows::CloseAll() {
    if (logWindow_) logWindow_->close();
    if (chancesWindow_) chancesWindow_->close();
    if (poolsWindow_) poolsWindow_->close();
}

void SideWindows::ShowLog() {
    if (!logWindow_) {
        logWindow_ = new RollLogWindow(*log_, dialogs_, announcer_, &diceWindow_);
        emit created(logWindow_);
    }
    Present(logWindow_);
}

void SideWindows::ShowChances() {
    if (!chancesWindow_) {
        chancesWindow_ = new ChancesWindow(state_, source_, &diceWindow_);
        emit created(chancesWindow_);
    }
    Present(chancesWindow_);
}

void SideWindows::ShowPools() {
    if (!poolsWindow_) {
        poolsWindow_ = new PoolsWindow(pools_, &diceWindow_);
        connect(poolsWindow_, &PoolsWindow::rollRequested, this, &SideWindows::poolChosen);
        emit created(poolsWindow_);
    }
    Present(poolsWindow_);
}

}  // namespace corvane
