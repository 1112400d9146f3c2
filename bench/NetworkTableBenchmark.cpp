// The table on 127.0.0.1: a round from the request to the last member's
// copy of it closing, against the same round without the network
// (BM_TableRound), a round while strangers flood the host with frames, and
// what a hosting program spends while sixteen members roll.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

#include "window/table/TableGuest.h"
#include "window/table/TableHost.h"

namespace corvane {
namespace {

const QString kCode = QStringLiteral("amber fox lantern");

// Runs the events until `done`, for at most ten seconds.
template <class Done>
bool RunUntil(Done done) {
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.hasExpired(10'000)) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

std::vector<std::unique_ptr<TableGuest>> Guests(int count, quint16 port) {
    std::vector<std::unique_ptr<TableGuest>> guests;
    for (int i = 0; i < count; ++i) {
        guests.push_back(std::make_unique<TableGuest>("member " + std::to_string(i), kCode));
        guests.back()->Join(QStringLiteral("127.0.0.1"), port);
    }
    return guests;
}

bool AllSeated(const std::vector<std::unique_ptr<TableGuest>>& guests, std::size_t members) {
    return std::all_of(guests.begin(), guests.end(), [members](const auto& g) {
        return g->Seated() && g->State().Seats().size() == members;
    });
}

double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

// The host and seven members in this one process, so each round's time also
// holds all eight programs' work one after another.
void BM_LoopbackRound(benchmark::State& benchState) {
    TableHost host("host", kCode);
    host.Listen(0, QHostAddress::LocalHost);
    auto guests = Guests(7, host.Port());
    if (!RunUntil([&] { return AllSeated(guests, 8); })) {
        benchState.SkipWithError("the members did not sit down");
        return;
    }
    const auto dice = static_cast<std::int16_t>(benchState.range(0));
    std::vector<double> milliseconds;
    for (auto _ : benchState) {
        const auto round = static_cast<std::uint32_t>(host.State().Rounds().size() + 1);
        QElapsedTimer took;
        took.start();
        host.Ask({.dice = dice, .target = 4});
        const bool closed = RunUntil([&] {
            return std::all_of(guests.begin(), guests.end(), [round](const auto& g) {
                return g->State().Rounds().size() == round &&
                       g->State().Rounds().back().status == table::RoundStatus::Done;
            });
        });
        milliseconds.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
        if (!closed) {
            benchState.SkipWithError("a round did not close");
            return;
        }
    }
    benchState.counters["p50_ms"] = Percentile(milliseconds, 0.50);
    benchState.counters["p99_ms"] = Percentile(milliseconds, 0.99);
}
BENCHMARK(BM_LoopbackRound)->Arg(6)->Arg(7000)->Unit(benchmark::kMillisecond);

// The hosting program's processor time and memory, from /proc.
struct Usage {
    double cpuSeconds = 0;
    double residentMiB = 0;
};
Usage UsageOf(qint64 pid) {
    Usage usage;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = stat.readAll().split(' ');
        if (fields.size() > 23) {
            usage.cpuSeconds = (fields[13].toDouble() + fields[14].toDouble()) / 100.0;
            usage.residentMiB = fields[23].toDouble() * 4096.0 / (1024.0 * 1024.0);
        }
    }
    return usage;
}

// A real hosting program and fifteen members here, each rolling once a
// second, for CORVANE_BENCH_SECONDS (2 unless set; 60 by hand).
void BM_HostWithSixteenMembers(benchmark::State& benchState) {
    const int seconds = std::max(1, qEnvironmentVariableIntValue("CORVANE_BENCH_SECONDS"));
    for (auto _ : benchState) {
        QProcess program;
        program.start(QStringLiteral(CORVANE_PROGRAM),
                      {"--host", "--port", "0", "--code", kCode, "--name", "host"});
        if (!program.waitForReadyRead(10'000)) {
            benchState.SkipWithError("the host did not start");
            return;
        }
        const QString line = QString::fromUtf8(program.readAllStandardOutput());
        const auto port = static_cast<quint16>(line.section(QLatin1Char(' '), 4, 4).toUInt());
        auto guests = Guests(15, port);
        if (!RunUntil([&] { return AllSeated(guests, 16); })) {
            benchState.SkipWithError("the members did not sit down");
            return;
        }
        const Usage before = UsageOf(program.processId());
        QElapsedTimer running;
        running.start();
        std::size_t next = 0;
        // One member after another asks, fifteen rounds a second.
        while (!running.hasExpired(seconds * 1000LL)) {
            const qint64 due = static_cast<qint64>(next) * 1000 / 15;
            if (running.elapsed() >= due &&
                guests[next % guests.size()]->Ask({.dice = 6, .target = 4})) {
                ++next;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        const Usage after = UsageOf(program.processId());
        benchState.counters["rounds"] = static_cast<double>(next);
        benchState.counters["host_cpu_percent"] =
            100.0 * (after.cpuSeconds - before.cpuSeconds) / seconds;
        benchState.counters["host_resident_MiB"] = after.residentMiB;
        program.kill();
        program.waitForFinished();
    }
}
BENCHMARK(BM_HostWithSixteenMembers)->Iterations(1)->Unit(benchmark::kSecond);

// A real hosting program and one member here; meanwhile strangers send the
// host ten frames it cannot open every millisecond, each on a connection of
// its own, since the host drops a connection at its first bad frame.
void BM_RoundUnderFlood(benchmark::State& benchState) {
    QProcess program;
    program.start(QStringLiteral(CORVANE_PROGRAM),
                  {"--host", "--port", "0", "--code", kCode, "--name", "host"});
    if (!program.waitForReadyRead(10'000)) {
        benchState.SkipWithError("the host did not start");
        return;
    }
    const QString line = QString::fromUtf8(program.readAllStandardOutput());
    const auto port = static_cast<quint16>(line.section(QLatin1Char(' '), 4, 4).toUInt());
    auto guests = Guests(1, port);
    if (!RunUntil([&] { return AllSeated(guests, 2); })) {
        benchState.SkipWithError("the member did not sit down");
        return;
    }
    // Each frame a length and that many bytes that no key opens.
    QByteArray frames;
    for (int i = 0; i < 10; ++i) frames += QByteArray("\x00\x00\x00\x40", 4) + QByteArray(64, 'x');
    QObject strangers;
    QTimer flood;
    int connections = 0;
    QObject::connect(&flood, &QTimer::timeout, [&] {
        ++connections;
        auto* socket = new QTcpSocket(&strangers);
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->connectToHost(QStringLiteral("127.0.0.1"), port);
        socket->write(frames);
    });
    flood.start(1);
    QElapsedTimer flooding;
    flooding.start();
    std::vector<double> milliseconds;
    for (auto _ : benchState) {
        const auto round = guests[0]->State().Rounds().size() + 1;
        QElapsedTimer took;
        took.start();
        if (!guests[0]->Ask({.dice = 6, .target = 4}) || !RunUntil([&] {
                return guests[0]->State().Rounds().size() == round &&
                       guests[0]->State().Rounds().back().status == table::RoundStatus::Done;
            })) {
            benchState.SkipWithError("a round did not close");
            break;
        }
        milliseconds.push_back(static_cast<double>(took.nsecsElapsed()) / 1e6);
    }
    flood.stop();
    benchState.counters["frames_per_s"] =
        connections * 10 * 1000.0 / static_cast<double>(flooding.elapsed());
    if (!milliseconds.empty()) {
        benchState.counters["p50_ms"] = Percentile(milliseconds, 0.50);
        benchState.counters["p99_ms"] = Percentile(milliseconds, 0.99);
    }
    program.kill();
    program.waitForFinished();
}
BENCHMARK(BM_RoundUnderFlood)->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane
