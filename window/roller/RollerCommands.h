#pragma once

#include <QList>
#include <QObject>
#include <array>

class QAction;
class QKeySequence;
class QPoint;
class QWidget;

namespace corvane {

class Alerts;
class SideWindows;
class frmRoller;
struct RollerControls;

// The program's commands, each one action with its text, its keys and what it
// does, so that each works alike from the dice window, the results list's menu
// and the windows beside. In the dice window the three roll commands are its
// buttons, with their access keys and Enter; in a side window their actions
// click those buttons, and a right click or the Menu key lists every command.
class RollerCommands final : public QObject {
    Q_OBJECT
public:
    RollerCommands(frmRoller& window, SideWindows& side, Alerts& alerts);

    // Puts the last completed roll on the clipboard as one line.
    void CopyRoll();
    void ShowAbout();
    // Rolls the saved pool at this place in the list, counted from 1.
    void RollSavedPool(int number);

    // How many saved pools have a key of their own: Ctrl+1 to Ctrl+9.
    static constexpr int kPoolKeys = 9;

protected:
    // Ctrl+C in a field with no text selected copies the roll, not nothing.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class Slot>
    QAction* Make(const QString& text, const QList<QKeySequence>& keys, Slot slot);
    void SetupActions();
    void ConnectSignals();
    void JoinSideWindow(QWidget* window);
    void ShowListMenu(const QPoint& at);
    void NamePoolKeys();
    // The window the player gave the command in, to ask and tell there.
    QWidget* CommandWindow() const;

    frmRoller& window_;
    const RollerControls& ui_;
    SideWindows& side_;
    Alerts& alerts_;
    QList<QAction*> rollActions_;  // the three buttons' commands
    QAction* copyRoll_ = nullptr;
    QAction* showLog_ = nullptr;
    QAction* showChances_ = nullptr;
    QAction* savePool_ = nullptr;
    QAction* showPools_ = nullptr;
    std::array<QAction*, kPoolKeys> rollPool_{};
    QAction* about_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* separator_ = nullptr;
};

}  // namespace corvane
