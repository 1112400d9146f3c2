// A whole roll as the player sees it: the click on Roll until the window has
// painted the outcome, on the real window (offscreen), against the engine
// alone in the same run (BM_Roll).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "BenchWindow.h"
#include "runtime/Clock.h"
#include "runtime/Pcg32Random.h"
#include "window/chances/ChancesChart.h"
#include "window/chances/ChancesData.h"
#include "window/chances/ChancesWindow.h"
#include "window/roller/RollerCommands.h"
#include "window/roller/RollerControls.h"
#include "window/roller/frmRoller.h"

namespace corvane {
namespace {

using bench::NoDialogs;
using bench::NoPoolsFile;
using bench::SilentAlerts;

// The second argument opens the roll log beside the window, which then lists
// every roll as it completes; the third opens the chances chart, which then
// follows every roll.
void BM_WindowRoll(benchmark::State& benchState) {
    Pcg32Random random(2026);
    SystemClock clock;
    SilentAlerts alerts;
    NoDialogs dialogs;
    frmRoller window(random, clock, alerts, dialogs, NoPoolsFile());
    window.show();
    if (benchState.range(1) != 0) window.Side().ShowLog();
    if (benchState.range(2) != 0) window.Side().ShowChances();
    QCoreApplication::processEvents();
    window.Controls().txtInput[0]->setText(QString::number(benchState.range(0)));
    for (auto _ : benchState) {
        window.Controls().btnRoll->click();
        QCoreApplication::processEvents();
        window.repaint();
    }
}

BENCHMARK(BM_WindowRoll)
    ->ArgsProduct({{6, 1000, 7000}, {0, 1}, {0, 1}})
    ->ArgNames({"dice", "log", "chances"})
    ->Unit(benchmark::kMicrosecond);

// One redraw of the chances chart, as it follows a roll when it is not held
// back: the distributions, the summary and the painting, with a row selected
// halfway down so that all three series are drawn.
void BM_ChancesRedraw(benchmark::State& benchState) {
    Pcg32Random random(2026);
    SystemClock clock;
    SilentAlerts alerts;
    NoDialogs dialogs;
    frmRoller window(random, clock, alerts, dialogs, NoPoolsFile());
    window.Controls().txtInput[0]->setText(QString::number(benchState.range(0)));
    window.Controls().btnRoll->click();
    window.show();
    window.Side().ShowChances();
    QCoreApplication::processEvents();
    const Int16 middleRow = Int16::From(benchState.range(0) / 2);
    ChancesChart& chart = *window.Side().Chances()->Chart();
    for (auto _ : benchState) {
        chart.Show(ChancesData(window.State(), window.DiceText(), window.TargetText(), middleRow));
        chart.repaint();
    }
}

BENCHMARK(BM_ChancesRedraw)->Arg(6)->Arg(1000)->Arg(7000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane
