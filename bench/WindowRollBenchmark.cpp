// A whole roll as the player sees it: the click on Roll until the window has
// painted the outcome, on the real window (offscreen), against the engine
// alone in the same run (BM_Roll).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "runtime/Alerts.h"
#include "runtime/Clock.h"
#include "runtime/Pcg32Random.h"
#include "window/Companions.h"
#include "window/RollerControls.h"
#include "window/frmRoller.h"

namespace corvane {
namespace {

class SilentAlerts final : public Alerts {
public:
    void Beep() override {}
    void ShowMessage(std::string_view, std::string_view) override {}
};

// The second argument opens the roll log beside the window, which then lists
// every roll as it completes.
void BM_WindowRoll(benchmark::State& benchState) {
    Pcg32Random random(2026);
    SystemClock clock;
    SilentAlerts alerts;
    frmRoller window(random, clock, alerts);
    window.show();
    if (benchState.range(1) != 0) window.Beside().ShowLog();
    QCoreApplication::processEvents();
    window.Controls().txtInput[0]->setText(QString::number(benchState.range(0)));
    for (auto _ : benchState) {
        window.Controls().btnRoll->click();
        QCoreApplication::processEvents();
        window.repaint();
    }
}

BENCHMARK(BM_WindowRoll)
    ->ArgsProduct({{6, 1000, 7000}, {0, 1}})
    ->ArgNames({"dice", "log"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
