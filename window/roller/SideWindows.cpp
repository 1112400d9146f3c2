#include "window/roller/SideWindows.h"

#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"
#include "window/pools/PoolsWindow.h"
#include "window/roller/frmRoller.h"

namespace corvane {
namespace {

// Brings a side window up beside the dice window, ready for the keyboard.
void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

SideWindows::SideWindows(frmRoller& diceWindow)
    : QObject(&diceWindow), diceWindow_(diceWindow), log_(new RollLogModel(this)) {}

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
        logWindow_ = new RollLogWindow(*log_, diceWindow_.Questions(), diceWindow_.Announcements(),
                                       &diceWindow_);
        emit created(logWindow_);
    }
    Present(logWindow_);
}

void SideWindows::ShowChances() {
    if (!chancesWindow_) {
        chancesWindow_ = new ChancesWindow(diceWindow_.State(), diceWindow_, &diceWindow_);
        emit created(chancesWindow_);
    }
    Present(chancesWindow_);
}

void SideWindows::ShowPools() {
    if (!poolsWindow_) {
        poolsWindow_ = new PoolsWindow(diceWindow_.Pools(), &diceWindow_);
        connect(poolsWindow_, &PoolsWindow::rollRequested, &diceWindow_, &frmRoller::RollPool);
        emit created(poolsWindow_);
    }
    Present(poolsWindow_);
}

}  // namespace corvane
