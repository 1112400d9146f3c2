// What a table lives through on 127.0.0.1: strangers, bad frames and floods,
// a member that stops answering, and a host that dies, with real programs
// for what takes a process down; each wait bounded.
#include "StopProgram.h"
#include "TableSeats.h"
#include "table/Transcript.h"
#include "table/Wire.h"

namespace corvane {

using namespace testing_support;

class TableFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void strangersAndBadFramesChangeNothing();
    void aMemberThatStopsAnsweringIsGivenUpAndAHostThatDiesIsReported();
};

void TableFaultsTest::strangersAndBadFramesChangeNothing() {
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

void TableFaultsTest::aMemberThatStopsAnsweringIsGivenUpAndAHostThatDiesIsReported() {
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

}  // namespace corvane

QTEST_MAIN(corvane::TableFaultsTest)
#include "TableFaultsTest.moc"
