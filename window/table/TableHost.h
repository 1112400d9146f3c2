#pragma once

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <map>

#include "window/table/FramedSocket.h"
#include "window/table/TableLink.h"

namespace corvane {

// The table this program hosts: it listens only once asked to, enters every
// message it takes, in the order it takes them, and sends each entry to every
// member. It gives up a round whose secrets do not all come in time, and
// seats out a member whose connection stays gone.
class TableHost final : public TableLink {
    Q_OBJECT
public:
    static constexpr quint16 kDefaultPort = 47'321;
    // A member whose connection dropped keeps its seat this long.
    static constexpr int kComebackMs = 60'000;
    // Members, and a few connections on their way in.
    static constexpr std::size_t kMaxConnections = table::kMaxMembers + 8;

    TableHost(std::string name, QString code, QObject* parent = nullptr);
    ~TableHost() override;

    // Listens on `port` of every address of this machine, or of `address`
    // alone; the error in words when it cannot.
    std::optional<QString> Listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
    quint16 Port() const { return server_.serverPort(); }
    const QString& Code() const { return code_; }

    bool Hosting() const override { return true; }
    bool Connected(std::size_t seat) const override;
    void Leave() override;
    // Seats out a member; false while it takes part in an open round.
    bool Remove(std::size_t seat);

private:
    struct Connection {
        FramedSocket* socket = nullptr;
        std::optional<std::size_t> seat;
        // Entries sent so far; the rest follow as the socket drains.
        std::size_t sent = 0;
        bool ready = false;
    };

    void Submit(const table::Bytes& message) override;
    std::optional<table::Fault> Enter(const table::Bytes& message);
    void Accept();
    void Take(FramedSocket* socket, const table::WirePayload& payload);
    void Drop(FramedSocket* socket);
    void SendEntries(Connection& connection);
    void Tick();
    std::uint64_t Now();

    QString code_;
    table::FrameKey key_{};
    QTcpServer server_;
    std::map<FramedSocket*, Connection> connections_;
    // When each seat's connection went, for seats without one.
    std::map<std::size_t, QElapsedTimer> gone_;
    QTimer tick_;
    std::uint64_t lastTime_ = 0;
};

}  // namespace corvane
