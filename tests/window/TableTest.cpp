// Tables on 127.0.0.1 only, on ports the system picks, each wait bounded:
// windows of this test at one table, and real programs for the faults that
// take a process down.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include "StopProgram.h"
#include "WindowRig.h"
#include "table/Transcript.h"
#include "table/Wire.h"
#include "window/CommandLine.h"
#include "window/log/EveningHeader.h"
#include "window/log/RollLogModel.h"
#include "window/log/RollText.h"
#include "window/table/TableHost.h"
#include "window/table/TableSession.h"
#include "window/table/TableText.h"

namespace corvane {

using testing_support::WindowRig;

namespace {

const QString kCode = QStringLiteral("amber fox lantern");
constexpr int kWaitMs = 10'000;

struct Seat {
    std::unique_ptr<WindowRig> rig = std::make_unique<WindowRig>();
    TableSession& table() const { return rig->window.Table(); }
    RollLogModel& log() const { return const_cast<RollLogModel&>(rig->window.Side().Log()); }
    // The table's rounds in the log, oldest first, past the window's own first roll.
    QStringList LogLines() const {
        log().CatchUp();
        QStringList lines;
        for (const RollRecord* r : log().Records(log().AllRows())) {
            if (r->TableRound == 0) continue;
            lines << QString::fromStdString(r->Player) + QString::number(r->TableRound) + ':' +
                         QString::number(r->After.TotalRoll.Value());
        }
        return lines;
    }
};

quint16 Host(Seat& seat, const QString& name) {
    if (seat.table().Host(name, kCode, 0, QHostAddress::LocalHost)) return 0;
    return qobject_cast<TableHost*>(seat.table().Link())->Port();
}

bool AllSeated(const std::vector<Seat*>& seats, std::size_t members) {
    return std::all_of(seats.begin(), seats.end(), [members](Seat* s) {
        return s->table().Seated() && s->table().Link()->State().Seats().size() == members;
    });
}

// Whether the host has closed a raw connection. Wine at times tells a socket
// that is still sending neither of the data nor of the close that follow, so
// there it is read directly; elsewhere the close must come as the notice a
// program waits for.
bool Closed(QTcpSocket& socket) {
#ifdef _WIN32
    if (socket.state() == QAbstractSocket::ConnectedState) socket.waitForReadyRead(0);
#endif
    return socket.state() == QAbstractSocket::UnconnectedState;
}

// A real program, in a configuration folder of its own.
std::unique_ptr<QProcess> Program(const QStringList& arguments, const QTemporaryDir& config) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(CORVANE_PROGRAM), arguments);
    return process;
}

// Passes bytes between members and the host on 127.0.0.1, until told to cut
// every connection, as a network that drops them would.
class Relay final : public QObject {
public:
    explicit Relay(quint16 hostPort) : host_(hostPort) {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* member = server_.nextPendingConnection()) {
                auto* host = new QTcpSocket(member);
                host->connectToHost(QHostAddress::LocalHost, host_);
                connect(member, &QTcpSocket::readyRead, host,
                        [=] { host->write(member->readAll()); });
                connect(host, &QTcpSocket::readyRead, member,
                        [=] { member->write(host->readAll()); });
                connect(host, &QTcpSocket::disconnected, member, &QTcpSocket::abort);
                connect(member, &QTcpSocket::disconnected, host, &QTcpSocket::abort);
                members_ << member;
            }
        });
    }
    quint16 Port() const { return server_.serverPort(); }
    void Cut() {
        for (QTcpSocket* member : members_) member->abort();
        members_.clear();
    }

private:
    quint16 host_;
    QTcpServer server_;
    QList<QTcpSocket*> members_;
};

}  // namespace

class TableTest : public QObject {
    Q_OBJECT
private slots:
    void threeWindowsRollTheSameRoundsInTheSameOrder();
    void strangersAndBadFramesChangeNothing();
    void aMemberWhoseConnectionDropsComesBackToItsSeat();
    void aMemberThatStopsAnsweringIsGivenUpAndAHostThatDiesIsReported();
    void addressesReadAsHostAndPort_data();
    void addressesReadAsHostAndPort();
    void theCommandLineSaysWhatIsWrong_data();
    void theCommandLineSaysWhatIsWrong();
};

void TableTest::threeWindowsRollTheSameRoundsInTheSameOrder() {
    Seat ana, bo, cy;
    const quint16 port = Host(ana, QStringLiteral("Ana"));
    QVERIFY(port != 0);
    bo.table().Join(QStringLiteral("Bo"), kCode, QStringLiteral("127.0.0.1"), port);
    cy.table().Join(QStringLiteral("Cy"), kCode, QStringLiteral("127.0.0.1"), port);
    const std::vector<Seat*> all = {&ana, &bo, &cy};
    QVERIFY(QTest::qWaitFor([&] { return AllSeated(all, 3); }, kWaitMs));

    // Each member rolls, then rerolls its own pool both ways.
    QSignalSpy heard(&ana.rig->window.Announcements(), &Announcer::announced);
    int rounds = 0;
    for (Seat* seat : all) {
        const RollerControls& ui = seat->rig->ui;
        ui.txtInput[0]->setText(seat == &bo ? QStringLiteral("3000") : QStringLiteral("12"));
        ui.txtInput[1]->setText(QStringLiteral("4"));
        for (QPushButton* button : {ui.btnRoll, ui.Command1, ui.Command2}) {
            if (button == ui.Command2) seat->rig->SelectRow(2);
            button->click();
            ++rounds;
            QVERIFY(QTest::qWaitFor(
                [&] {
                    return std::all_of(all.begin(), all.end(),
                                       [&](Seat* s) { return s->LogLines().size() == rounds; });
                },
                kWaitMs));
        }
        const table::Round& last = seat->table().Link()->State().Rounds().back();
        QCOMPARE(seat->rig->window.State(), last.result->state);
    }
    for (Seat* seat : all) {
        QCOMPARE(seat->LogLines(), ana.LogLines());
        QCOMPARE(seat->table().Transcript(), ana.table().Transcript());
    }
    QVERIFY(ana.LogLines().first().startsWith(QStringLiteral("Ana1:")));
    QVERIFY(ana.LogLines().last().startsWith(QStringLiteral("Cy9:")));
    const RollRecord* newest = ana.log().Records({ana.log().index(0)}).first();
    QVERIFY(LogEntry(*newest).first().contains(QStringLiteral("  Cy, round 9, checked: Reroll")));
    // Ana hears each of the others' rolls once, in a line of its own.
    const table::Round& bosFirst = ana.table().Link()->State().Rounds()[3];
    const QString bo4 = QStringLiteral("Bo: %1 successes, high roll %2.")
                            .arg(bosFirst.result->state.Successes.Value())
                            .arg(bosFirst.result->state.HighRoll.Value());
    QCOMPARE(std::count_if(heard.begin(), heard.end(),
                           [&](const QList<QVariant>& said) { return said.first() == bo4; }),
             1);
    // The evening of each member under the whole table's.
    RollLogWindow* logWindow = ana.rig->OpenLog();
    QVERIFY(logWindow);
    QTRY_COMPARE_WITH_TIMEOUT(
        logWindow->Evening()->Members()->text().count(QStringLiteral(": 3 rolls, ")), 3, kWaitMs);
    QVERIFY(logWindow->Evening()->Members()->text().startsWith(QStringLiteral("Ana: 3 rolls, ")));
    QTemporaryDir folder;
    const QString log = folder.filePath(QStringLiteral("evening.txt"));
    QVERIFY(bo.table().SaveTranscriptBeside(log).contains(QStringLiteral("evening-transcript")));
    std::ostringstream report;
    const QString transcript = folder.filePath(QStringLiteral("evening-transcript.txt"));
    QCOMPARE(table::VerifyTranscriptFile(transcript.toLocal8Bit().constData(), report), 0);
}

void TableTest::strangersAndBadFramesChangeNothing() {
    Seat ana, bo, eve;
    const quint16 port = Host(ana, QStringLiteral("Ana"));
    bo.table().Join(QStringLiteral("Bo"), kCode, QStringLiteral("127.0.0.1"), port);
    QVERIFY(QTest::qWaitFor([&] { return AllSeated({&ana, &bo}, 2); }, kWaitMs));
    QSignalSpy refused(&eve.table(), &TableSession::closed);
    eve.table().Join(QStringLiteral("Eve"), QStringLiteral("amber fox"), "127.0.0.1", port);
    QVERIFY(refused.wait(kWaitMs));
    QCOMPARE(refused.first().first().toString(), QStringLiteral("The code is not this table's."));

    // Raw sockets: a frame under a wrong key, a 10 MB length, a flood of
    // frames, and a frame cut short that never ends.
    const table::FrameKey wrong =
        table::DeriveFrameKey("amber fox", ana.table().Link()->State().TableId());
    table::FrameSealer forger(wrong, table::ConnectionNonce{}, table::FrameSender::Member);
    QByteArray flood;
    for (int i = 0; i < 10'000; ++i) {
        const table::Bytes frame = forger.Seal(table::EncodePayload(table::PingFrame{}));
        flood.append(reinterpret_cast<const char*>(frame.data()),
                     static_cast<qsizetype>(frame.size()));
    }
    const QByteArray sent[] = {flood.left(40), QByteArray("\x00\xA0\x00\x00", 4), flood,
                               flood.left(20)};
    std::vector<std::unique_ptr<QTcpSocket>> raw;
    for (const QByteArray& bytes : sent) {
        raw.push_back(std::make_unique<QTcpSocket>());
        raw.back()->connectToHost(QStringLiteral("127.0.0.1"), port);
        QVERIFY(raw.back()->waitForConnected(kWaitMs));
        raw.back()->write(bytes);
    }
    for (std::size_t i = 0; i + 1 < raw.size(); ++i) {
        QVERIFY(QTest::qWaitFor([&] { return Closed(*raw[i]); }, kWaitMs));
    }
    // The host still rolls with the cut frame hanging: nothing was lost.
    bo.rig->Roll(QStringLiteral("6"), QStringLiteral("4"), {});
    QVERIFY(QTest::qWaitFor([&] { return ana.LogLines().size() == 1; }, kWaitMs));
    QCOMPARE(ana.table().Link()->State().Seats().size(), 2U);
    QCOMPARE(table::CheckTranscript(ana.table().Transcript()).fault, std::nullopt);
}

void TableTest::aMemberWhoseConnectionDropsComesBackToItsSeat() {
    Seat ana, bo;
    Relay network(Host(ana, QStringLiteral("Ana")));
    bo.table().Join(QStringLiteral("Bo"), kCode, QStringLiteral("127.0.0.1"), network.Port());
    QVERIFY(QTest::qWaitFor([&] { return AllSeated({&ana, &bo}, 2); }, kWaitMs));
    auto* host = qobject_cast<TableHost*>(ana.table().Link());
    network.Cut();
    QVERIFY(QTest::qWaitFor([&] { return !host->Connected(1); }, kWaitMs));
    QVERIFY(QTest::qWaitFor([&] { return host->Connected(1) && bo.table().Seated(); }, kWaitMs));
    bo.rig->Roll(QStringLiteral("6"), QStringLiteral("4"), {});
    QVERIFY(QTest::qWaitFor([&] { return ana.LogLines().size() == 1; }, kWaitMs));
    QVERIFY(ana.LogLines().first().startsWith(QStringLiteral("Bo1:")));
    QCOMPARE(ana.table().Link()->State().Seats().size(), 2U);
}

void TableTest::aMemberThatStopsAnsweringIsGivenUpAndAHostThatDiesIsReported() {
    Seat ana;
    const quint16 port = Host(ana, QStringLiteral("Ana"));
    QTemporaryDir deeConfig, halConfig;
    const QString at = QStringLiteral("127.0.0.1:%1").arg(port);
    auto dee = Program({"--join", at, "--code", kCode, "--name", "Dee"}, deeConfig);
    QVERIFY(
        QTest::qWaitFor([&] { return ana.table().Link()->State().Seats().size() == 2; }, kWaitMs));
    // Dee stops answering mid-round: the round is given up in its time, and
    // Dee, gone for good, does not hold up the next.
    QVERIFY(testing_support::StopProgram(*dee));
    ana.rig->Roll(QStringLiteral("6"), QStringLiteral("4"), {});
    dee->kill();
    dee->waitForFinished(kWaitMs);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return ana.rig->ui.lblStatus->text().contains(QStringLiteral("Dee did not answer"));
        },
        TableLink::kRevealLimitMs + kWaitMs));
    QCOMPARE(ana.LogLines().size(), 0);
    ana.rig->Roll(QStringLiteral("6"), QStringLiteral("4"), {});
    QVERIFY(QTest::qWaitFor([&] { return ana.LogLines().size() == 1; }, kWaitMs));

    // A host that dies: the member says so and keeps what it has.
    auto hal = Program({"--host", "--port", "0", "--code", kCode, "--name", "Hal"}, halConfig);
    QVERIFY(hal->waitForReadyRead(kWaitMs));
    const QString line = QString::fromUtf8(hal->readAllStandardOutput());
    const quint16 halPort = static_cast<quint16>(line.section(QLatin1Char(' '), 4, 4).toUInt());
    Seat bo;
    bo.table().Join(QStringLiteral("Bo"), kCode, QStringLiteral("127.0.0.1"), halPort);
    QVERIFY(QTest::qWaitFor([&] { return bo.table().Seated(); }, kWaitMs));
    bo.rig->Roll(QStringLiteral("6"), QStringLiteral("4"), {});
    QVERIFY(QTest::qWaitFor([&] { return bo.LogLines().size() == 1; }, kWaitMs));
    QSignalSpy told(&bo.table(), &TableSession::news);
    hal->kill();
    hal->waitForFinished(kWaitMs);
    QVERIFY(told.wait(kWaitMs));
    QCOMPARE(told.first().first().toString(),
             QStringLiteral("Lost the table's host; trying again."));
    QCOMPARE(bo.LogLines().size(), 1);
    QCOMPARE(table::CheckTranscript(bo.table().Transcript()).fault, std::nullopt);
}

void TableTest::addressesReadAsHostAndPort_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("host");  // empty: not an address
    QTest::addColumn<int>("port");
    QTest::newRow("address and port") << " 192.168.1.20:5000 "
                                      << "192.168.1.20" << 5000;
    QTest::newRow("no port") << "gm-laptop"
                             << "gm-laptop" << 47321;
    QTest::newRow("ipv6") << "[::1]:65535"
                          << "::1" << 65535;
    QTest::newRow("port 0") << "host:0"
                            << "" << 0;
    QTest::newRow("port past") << "host:65536"
                               << "" << 0;
    QTest::newRow("not a port") << "host:abc"
                                << "" << 0;
    QTest::newRow("no host") << ":5000"
                             << "" << 0;
    QTest::newRow("spaces") << "my host:5000"
                            << "" << 0;
}

void TableTest::addressesReadAsHostAndPort() {
    QFETCH(QString, typed);
    QFETCH(QString, host);
    QFETCH(int, port);
    const auto read = HostAndPort(typed);
    QCOMPARE(read ? read->first : QString(), host);
    if (read) QCOMPARE(read->second, port);
}

void TableTest::theCommandLineSaysWhatIsWrong_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("port");
    QTest::newRow("host") << QStringList{"--host", "--name", "Ana"} << "" << 47321;
    QTest::newRow("any port") << QStringList{"--host", "--port", "0", "--name", "Ana"} << "" << 0;
    QTest::newRow("join") << QStringList{"--join", "::1:5", "--code", "a b", "--name", "Bo"} << ""
                          << 5;
    QTest::newRow("qt's own") << QStringList{"-platform", "offscreen"} << "" << 0;
    QTest::newRow("unknown") << QStringList{"--hots"} << "unknown option --hots" << 0;
    QTest::newRow("no value") << QStringList{"--host", "--name"} << "--name needs a value" << 0;
    QTest::newRow("no name") << QStringList{"--host"} << "a table needs --name NAME" << 0;
    QTest::newRow("long name") << QStringList{"--host", "--name", QString(33, 'x')}
                               << "--name takes 1 to 32 bytes" << 0;
    QTest::newRow("port past") << QStringList{"--host", "--port", "65536", "--name", "A"}
                               << "--port takes a number from 0 to 65535" << 0;
    QTest::newRow("both") << QStringList{"--host", "--join", "h:1", "--name", "A"}
                          << "--host and --join cannot go together" << 0;
    QTest::newRow("join no code") << QStringList{"--join", "h:1", "--name", "A"}
                                  << "--join needs --code CODE" << 0;
    QTest::newRow("join no port") << QStringList{"--join", "h", "--code", "c", "--name", "A"}
                                  << "--join takes HOST:PORT" << 0;
    QTest::newRow("alone") << QStringList{"--code", "c"}
                           << "--port, --code and --name need --host or --join" << 0;
    QTest::newRow("verify alone") << QStringList{"--verify", "f", "--host", "--name", "A"}
                                  << "--verify goes alone" << 0;
}

void TableTest::theCommandLineSaysWhatIsWrong() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QFETCH(int, port);
    std::vector<std::string> words = {"corvane-dice"};
    for (const QString& a : arguments) words.push_back(a.toStdString());
    std::vector<const char*> argv;
    for (const std::string& w : words) argv.push_back(w.c_str());
    const CommandLine line = ReadCommandLine(static_cast<int>(argv.size()), argv.data());
    QCOMPARE(QString::fromStdString(line.error), error);
    if (error.isEmpty() && line.table) QCOMPARE(line.table->port, port);
}

}  // namespace corvane

QTEST_MAIN(corvane::TableTest)
#include "TableTest.moc"
