#include "window/roller/SideWindows.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "window/chances/ChancesWindow.h"
#include "window/common/Announcer.h"
#include "window/common/Settings.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollLogWindow.h"
#include "window/pools/PoolsWindow.h"
#include "window/roller/SidePlacement.h"
#include "window/table/TableSession.h"
#include "window/table/TableWindow.h"

namespace corvane {
namespace {

// Brings a side window up, ready for the keyboard.
void Present(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

// Whether the program may say where its windows go; Wayland places them itself.
bool PlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

SideWindows::SideWindows(const RollerServices& services)
    : services_(services), diceWindow_(services.diceWindow), log_(new RollLogModel(this)) {
    // News of the table shows in its window when that is open, and is heard
    // wherever the player is.
    connect(&services_.table, &TableSession::news, this, [this](const QString& text) {
        if (tableWindow_ && tableWindow_->isVisible()) {
            tableWindow_->Tell(text);
        } else {
            services_.announcer.Announce(text);
        }
    });
}

SideWindows::~SideWindows() {
    // They are the dice window's children, which it would delete only after
    // the log, the pools and the announcer they use are gone.
    delete tableWindow_;
    delete poolsWindow_;
    delete chancesWindow_;
    delete logWindow_;
}

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
    if (tableWindow_) tableWindow_->close();
}

void SideWindows::ShowLog() {
    if (!logWindow_) {
        logWindow_ = new RollLogWindow(*log_, services_.dialogs, services_.announcer, &diceWindow_);
        logWindow_->SaveWithLog([this](const QString& logPath) {
            return services_.table.SaveTranscriptBeside(logPath);
        });
        emit created(logWindow_);
    }
    Place(logWindow_);
    Present(logWindow_);
}

void SideWindows::ShowChances() {
    if (!chancesWindow_) {
        chancesWindow_ = new ChancesWindow(services_.roller, services_.inputs, services_.announcer,
                                           &diceWindow_);
        emit created(chancesWindow_);
    }
    Place(chancesWindow_);
    Present(chancesWindow_);
}

void SideWindows::ShowPools() {
    if (!poolsWindow_) {
        poolsWindow_ = new PoolsWindow(services_.pools, services_.announcer, &diceWindow_);
        connect(poolsWindow_, &PoolsWindow::rollRequested, this, [this](const SavedPool& pool) {
            services_.rollPool({pool.Dice, pool.Target});
        });
        emit created(poolsWindow_);
    }
    Place(poolsWindow_);
    Present(poolsWindow_);
}

void SideWindows::ShowTable() {
    if (!tableWindow_) {
        settings_ = std::make_unique<Settings>(Settings::DefaultPath());
        tableWindow_ =
            new TableWindow(services_.table, *settings_, services_.announcer, &diceWindow_);
        if (!settings_->Problem().isEmpty()) tableWindow_->Tell(settings_->Problem());
        emit created(tableWindow_);
    }
    Place(tableWindow_);
    Present(tableWindow_);
}

void SideWindows::Place(QWidget* window) const {
    // An open window stays where the player has it.
    if (window->isVisible()) return;
    // The side window has no frame before it first shows; the dice window's
    // is the one the window manager will give it.
    const QMargins frame(diceWindow_.geometry().left() - diceWindow_.frameGeometry().left(),
                         diceWindow_.geometry().top() - diceWindow_.frameGeometry().top(),
                         diceWindow_.frameGeometry().right() - diceWindow_.geometry().right(),
                         diceWindow_.frameGeometry().bottom() - diceWindow_.geometry().bottom());
    const QSize wanted = window->sizeHint().grownBy(frame);
    const QSize smallest = window->minimumSizeHint().grownBy(frame);
    const QRect screen = diceWindow_.screen()->availableGeometry();
    if (!PlacesWindows()) {
        window->resize(
            SizeBesideDiceWindow(diceWindow_.frameGeometry().size(), wanted, screen, smallest)
                .shrunkBy(frame));
        return;
    }
    QList<QRect> open;
    for (const QWidget* other :
         {static_cast<QWidget*>(logWindow_), static_cast<QWidget*>(chancesWindow_),
          static_cast<QWidget*>(poolsWindow_), static_cast<QWidget*>(tableWindow_)}) {
        if (other && other != window && other->isVisible()) open << other->frameGeometry();
    }
    // Alone on a small screen, the dice window makes room; with another
    // window beside it already, it stays put.
    QRect dice = diceWindow_.frameGeometry();
    if (open.isEmpty()) {
        dice = DiceWindowSteppedAside(dice, wanted, screen, smallest);
        if (dice != diceWindow_.frameGeometry()) diceWindow_.move(dice.topLeft());
    }
    const QRect place = BesideDiceWindow(dice, wanted, screen, open, smallest);
    window->resize(place.size().shrunkBy(frame));
    window->move(place.topLeft());
}

}  // namespace corvane
