#pragma once

// What the table's tests share: windows of the test at a table on 127.0.0.1,
// real programs in configuration folders of their own, and a network that
// drops connections when told.
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include "WindowRig.h"
#include "window/log/RollLogModel.h"
#include "window/table/TableHost.h"
#include "window/table/TableSession.h"

namespace corvane::testing_support {

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

inline quint16 Host(Seat& seat, const QString& name) {
    if (seat.table().Host(name, kCode, 0, QHostAddress::LocalHost)) return 0;
    return qobject_cast<TableHost*>(seat.table().Link())->Port();
}

inline bool AllSeated(const std::vector<Seat*>& seats, std::size_t members) {
    return std::all_of(seats.begin(), seats.end(), [members](Seat* s) {
        return s->table().Seated() && s->table().Link()->State().Seats().size() == members;
    });
}

// Whether the host has closed a raw connection. Wine at times tells a socket
// that is still sending neither of the data nor of the close that follow, so
// there it is read directly; elsewhere the close must come as the notice a
// program waits for.
inline bool Closed(QTcpSocket& socket) {
#ifdef _WIN32
    if (socket.state() == QAbstractSocket::ConnectedState) socket.waitForReadyRead(0);
#endif
    return socket.state() == QAbstractSocket::UnconnectedState;
}

// A real program, in a configuration folder of its own.
inline std::unique_ptr<QProcess> Program(const QStringList& arguments,
                                         const QTemporaryDir& config) {
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

}  // namespace corvane::testing_support
