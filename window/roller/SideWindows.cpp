#include "window/roller/SideWindows.h"

#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"

namespace corvane {
namespace {

// Brings a side window up beside the dice window, ready for the keyboard.
void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

SideWindows::SideWindows(QWidget& diceWindow, const RollerState& state, ChancesSource& source)
    : QObject(&diceWindow),
      diceWindow_(diceWindow),
      state_(state),
      source_(source),
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
}

void SideWindows::ShowLog() {
    if (!logWindow_) {
        logWindow_ = new RollLogWindow(*log_, &diceWindow_);
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

}  // namespace corvane
