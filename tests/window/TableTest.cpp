// Windows of this test at one table on 127.0.0.1, on ports the system picks,
// each wait bounded; and how the table reads addresses and the command line.
#include "TableSeats.h"
#include "table/Transcript.h"
#include "window/CommandLine.h"
#include "window/log/EveningHeader.h"
#include "window/log/RollLogWindow.h"
#include "window/log/RollText.h"
#include "window/table/TableText.h"

namespace corvane {

using namespace testing_support;

class TableTest : public QObject {
    Q_OBJECT
private slots:
    void threeWindowsRollTheSameRoundsInTheSameOrder();
    void aMemberWhoseConnectionDropsComesBackToItsSeat();
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
