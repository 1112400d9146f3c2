#pragma once

#include <functional>

#include "engine/Roller.h"

class QWidget;

namespace corvane {

class Alerts;
class Announcer;
class Dialogs;
class PoolKeeper;
class StatusLine;
class TableSession;
struct RollerControls;

// What the dice window lends the windows beside it and the commands: enough
// to show, ask, tell and roll, without the window itself.
struct RollerServices {
    QWidget& diceWindow;
    const RollerControls& controls;
    const Roller& roller;
    RollerInputs& inputs;
    Announcer& announcer;
    Dialogs& dialogs;
    Alerts& alerts;
    PoolKeeper& pools;
    // The dice window's status line, for news from a window that has none.
    StatusLine& status;
    // The table this program sits at, if any.
    TableSession& table;
    // A new roll of a saved pool, as if the player had typed it.
    std::function<void(Roller::Pool)> rollPool;
};

}  // namespace corvane
