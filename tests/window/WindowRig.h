#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "engine/EngineFakes.h"
#include "runtime/Alerts.h"
#include "window/DicePicture.h"
#include "window/frmRoller.h"

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

// A window with scripted dice and recorded beeps and boxes.
struct WindowRig {
    ScriptedRandom random;
    FixedClock clock;
    FakeAlerts alerts;
    frmRoller window{random, clock, alerts};
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

    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < ui.lstResults->count(); ++i) rows << ui.lstResults->item(i)->text();
        return rows;
    }
};

}  // namespace corvane::testing_support
