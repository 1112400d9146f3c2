// The saved pools' costs: reading and saving a full list of 1000 pools, and
// opening the window with no pools file (as for a player who never saved one)
// beside opening it with 1000 saved pools, in the same run. The window reads
// the file only when the pools are first needed, which the first of Ctrl+1 to
// Ctrl+9 then pays for (BM_PoolsLoad).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "BenchWindow.h"
#include "runtime/Clock.h"
#include "runtime/Pcg32Random.h"
#include "window/common/AtomicFile.h"
#include "window/pools/PoolStore.h"
#include "window/roller/frmRoller.h"

namespace corvane {
namespace {

SavedPoolList FullList() {
    SavedPoolList pools;
    for (int i = 0; i < kMostPools; ++i) {
        pools << SavedPool{QStringLiteral("Pool number %1 of the evening").arg(i),
                           Int16(static_cast<std::int16_t>(1 + i % 30)),
                           Int16(static_cast<std::int16_t>(2 + i % 9))};
    }
    return pools;
}

// A folder holding a pools file of 1000 pools.
struct FullFile {
    FullFile() {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(PoolFileBytes(FullList()));
    }
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("pools.json"));
};

void BM_PoolsLoad(benchmark::State& benchState) {
    FullFile full;
    AtomicFile writer;
    const PoolStore store(full.path, writer);
    for (auto _ : benchState) benchmark::DoNotOptimize(store.Read());
}

// One pool saved into the full list: the lock, reading the file again and
// writing it whole.
void BM_PoolsSave(benchmark::State& benchState) {
    FullFile full;
    AtomicFile writer;
    PoolStore store(full.path, writer);
    const QList<PoolEdit> edits = {
        PoolEdit::Put({QStringLiteral("Pool number 7 of the evening"), Int16(7), Int16(4)})};
    for (auto _ : benchState) {
        benchmark::DoNotOptimize(store.Save(edits, PoolStore::IfUnreadable::Refuse));
    }
}

// From nothing to a window shown with its first roll and idle. The argument
// is how many pools the file holds; 0 is no file at all.
void BM_WindowStart(benchmark::State& benchState) {
    FullFile full;
    const QString path = benchState.range(0) == 0 ? bench::NoPoolsFile() : full.path;
    Pcg32Random random(2026);
    SystemClock clock;
    bench::SilentAlerts alerts;
    bench::NoDialogs dialogs;
    for (auto _ : benchState) {
        frmRoller window(random, clock, alerts, dialogs, path);
        window.show();
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_PoolsLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoolsSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowStart)->Arg(0)->Arg(1000)->ArgName("pools")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
