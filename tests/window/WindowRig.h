#pragma once

#include <QApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "EngineFakes.h"
#include "FakeDialogs.h"
#include "runtime/Alerts.h"
#include "window/chances/ChancesWindow.h"
#include "window/log/RollLogWindow.h"
#include "window/pools/PoolsWindow.h"
#include "window/roller/DicePicture.h"
#include "window/roller/frmRoller.h"

namespace corvane::testing_support {

class FakeAlerts final : public Alerts {
public:
    void Beep() override { ++beeps; }
    void ShowMessage(std::string_view title, std::string_view text) override {
        messages.push_back({std::string(title), std::string(text)});
    }
    struct Message {
        std::string title, text;
    };
    int beeps = 0;
    std::vector<Message> messages;
};

// A window with scripted dice, scripted dialogs and recorded beeps and boxes,
// which keeps its pools in a folder of its own.
struct WindowRig {
    explicit WindowRig(const QString& poolsFile = {})
        : window(random, clock, alerts, dialogs,
                 poolsFile.isEmpty() ? config.filePath(QStringLiteral("pools.json")) : poolsFile) {}

    ScriptedRandom random;
    FixedClock clock;
    FakeAlerts alerts;
    FakeDialogs dialogs;
    QTemporaryDir config;
    frmRoller window;
    const RollerControls& ui = window.Controls();

    bool ShowAndActivate() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    // Types the two fields and clicks Roll with the given draws.
    void Roll(const QString& dice, const QString& target, std::vector<float> draws) {
        ui.txtInput[0]->setText(dice);
        ui.txtInput[1]->setText(target);
        random.Script(std::move(draws));
        ui.btnRoll->click();
    }

    // The results list as a screen reader or the eye reads it.
    int RowCount() const { return ui.lstResults->model()->rowCount(); }
    QModelIndex RowIndex(int row) const { return ui.lstResults->model()->index(row, 0); }
    QString Row(int row) const { return RowIndex(row).data().toString(); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < RowCount(); ++i) rows << Row(i);
        return rows;
    }
    int CurrentRow() const { return ui.lstResults->currentIndex().row(); }
    qsizetype SelectedRowCount() const {
        return ui.lstResults->selectionModel()->selectedRows().size();
    }
    // As a click on the row selects it.
    void SelectRow(int row) { ui.lstResults->setCurrentIndex(RowIndex(row)); }

    // A side window opened, once the application takes it as the active
    // window (its shortcuts follow that, a moment after the window system's);
    // null when it never does.
    RollLogWindow* OpenLog() {
        window.Side().ShowLog();
        return Activated(window.Side().LogWindow());
    }
    ChancesWindow* OpenChances() {
        window.Side().ShowChances();
        return Activated(window.Side().Chances());
    }
    PoolsWindow* OpenPools() {
        window.Side().ShowPools();
        return Activated(window.Side().Pools());
    }
    template <class Window>
    static Window* Activated(Window* shown) {
        shown->activateWindow();
        return QTest::qWaitFor([&] { return QApplication::activeWindow() == shown; }) ? shown
                                                                                      : nullptr;
    }
};

}  // namespace corvane::testing_support
