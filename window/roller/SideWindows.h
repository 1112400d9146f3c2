#pragma once

#include <QObject>
#include <memory>

#include "window/roller/RollerServices.h"

class QWidget;

namespace corvane {

class ChancesWindow;
class PoolsWindow;
class RollLogModel;
class RollLogWindow;
class Settings;
class TableWindow;
struct RollRecord;

// The windows beside the dice window and what they show: the roll log, which
// gathers every completed roll from the start whether its window is open or
// not, the chances chart and the saved pools. Each is made when first shown
// and closes with the dice window, and is deleted before what it shows.
class SideWindows final : public QObject {
    Q_OBJECT
public:
    // The chart reads the dice window's last roll, fields and selected row;
    // the windows speak through its announcer.
    explicit SideWindows(const RollerServices& services);
    ~SideWindows() override;
    SideWindows(const SideWindows&) = delete;
    SideWindows& operator=(const SideWindows&) = delete;

    // A roll completed.
    void RollCompleted(std::shared_ptr<const RollRecord> record);
    // The odds changed: after a roll, or as a field or the selected row changed.
    void OddsChanged();
    void CloseAll();

    void ShowLog();
    void ShowChances();
    void ShowPools();
    void ShowTable();

    const RollLogModel& Log() const { return *log_; }
    // Null until first shown.
    RollLogWindow* LogWindow() const { return logWindow_; }
    ChancesWindow* Chances() const { return chancesWindow_; }
    PoolsWindow* Pools() const { return poolsWindow_; }
    TableWindow* Table() const { return tableWindow_; }

signals:
    // A side window was just made; the commands join it here.
    void created(QWidget* window);

private:
    // Before a side window opens: beside the dice window, where the window
    // system lets the program say so, and of a size that leaves it in sight.
    void Place(QWidget* window) const;

    RollerServices services_;
    QWidget& diceWindow_;
    RollLogModel* log_;
    RollLogWindow* logWindow_ = nullptr;
    ChancesWindow* chancesWindow_ = nullptr;
    PoolsWindow* poolsWindow_ = nullptr;
    TableWindow* tableWindow_ = nullptr;
    // Read when the Table window first opens, which offers the kept name.
    std::unique_ptr<Settings> settings_;
};

}  // namespace corvane
