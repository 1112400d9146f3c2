#pragma once

#include <QList>
#include <QObject>
#include <array>

#include "window/pools/SavedPool.h"
#include "window/roller/RollerServices.h"

class QAction;
class QKeySequence;
class QPoint;
class QWidget;

namespace corvane {

class SideWindows;

// The program's commands, each one action with its text, its keys and what it
// does, so that each works alike from the dice window, the results list's menu
// and the windows beside. In the dice window the three roll commands are its
// buttons, with their access keys and Enter; in a side window their actions
// click those buttons, and a right click or the Menu key lists every command.
class RollerCommands final : public QObject {
    Q_OBJECT
public:
    RollerCommands(const RollerServices& services, SideWindows& side);

    // Puts the last completed roll on the clipboard as one line.
    void CopyRoll();
    void ShowAbout();
    // Rolls the saved pool at this place in the list, counted from 1.
    void RollSavedPool(int number);

protected:
    // Ctrl+C in a field copies the roll, unless the player selected text there.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a command is offered. In the dice window the three roll commands
    // are its buttons.
    enum Place { kDiceWindow = 1, kSideWindows = 2, kListMenu = 4 };

    template <class Slot>
    QAction* Make(const QString& text, const QList<QKeySequence>& keys, int places, Slot slot);
    // The commands offered there, in the order the menus list them.
    QList<QAction*> In(Place place) const;
    void SetupActions();
    void ConnectSignals();
    void JoinSideWindow(QWidget* window);
    void ShowListMenu(const QPoint& at);
    // A side window's menu: its commands, and the saved pools.
    void ShowSideMenu(QWidget& window, const QPoint& at);
    // The window the player gave the command in, to ask and tell there.
    QWidget* CommandWindow() const;
    // Its status line, or the dice window's where it has none (the chart).
    StatusLine& CommandStatus() const;

    RollerServices services_;
    QWidget& window_;
    const RollerControls& ui_;
    SideWindows& side_;
    // Every command, each with the places it is offered in.
    QList<std::pair<QAction*, int>> commands_;
    std::array<QAction*, kPoolsWithKeys> rollPool_{};
    QAction* separator_ = nullptr;
};

}  // namespace corvane
