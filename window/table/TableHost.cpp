#include "window/table/TableHost.h"

#include <QDateTime>
#include <QTcpSocket>

namespace corvane {
namespace {

template <std::size_t N>
std::array<std::uint8_t, N> RandomBytes() {
    const table::Secret random = table::RandomSecret();
    std::array<std::uint8_t, N> bytes{};
    std::copy_n(random.begin(), N, bytes.begin());
    return bytes;
}

// A member's queue of entries is topped up as the socket drains, so one
// that reads slowly costs the host no more than this.
constexpr qint64 kMostUnsent = 4 * table::kMaxFrameSize;

}  // namespace

TableHost::TableHost(std::string name, QString code, QObject* parent)
    : TableLink(parent), code_(std::move(code)) {
    me_.emplace(table::KeyPair::Generate(), std::move(name));
    Enter(me_->Open(kRevealLimitMs, RandomBytes<16>()));
    key_ = table::DeriveFrameKey(code_.toStdString(), state_.TableId());
    connect(&server_, &QTcpServer::newConnection, this, &TableHost::Accept);
    tick_.setInterval(100);
    connect(&tick_, &QTimer::timeout, this, &TableHost::Tick);
    tick_.start();
}

TableHost::~TableHost() {
    // The connections go first: what they say on their way out must not
    // reach members already gone.
    for (const auto& [socket, connection] : connections_) {
        socket->disconnect(this);
        socket->Socket().disconnect(this);
        delete socket;
    }
}

std::optional<QString> TableHost::Listen(quint16 port, const QHostAddress& address) {
    if (server_.listen(address, port)) return std::nullopt;
    return server_.errorString();
}

bool TableHost::Connected(std::size_t seat) const {
    if (closed_) return false;
    if (seat == 0) return true;
    return std::any_of(connections_.begin(), connections_.end(),
                       [seat](const auto& c) { return c.second.seat == seat; });
}

std::uint64_t TableHost::Now() {
    lastTime_ =
        std::max(lastTime_, static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    return lastTime_;
}

std::optional<table::Fault> TableHost::Enter(const table::Bytes& message) {
    const std::uint64_t time = Now();
    if (auto fault = state_.Apply(time, message)) return fault;
    entries_.push_back({time, message});
    for (auto& [socket, connection] : connections_) {
        if (connection.ready) SendEntries(connection);
    }
    // What follows may enter more, so it works from a copy.
    const table::Entry entry = entries_.back();
    Entered(entry);
    return std::nullopt;
}

void TableHost::Submit(const table::Bytes& message) {
    if (Enter(message)) me_->Withdraw();
}

void TableHost::Accept() {
    while (QTcpSocket* raw = server_.nextPendingConnection()) {
        if (closed_ || connections_.size() >= kMaxConnections) {
            raw->abort();
            raw->deleteLater();
            continue;
        }
        auto* socket = new FramedSocket(raw, table::FrameSender::Host, this);
        connections_[socket] = Connection{socket, std::nullopt, 0, false};
        const auto nonce = RandomBytes<16>();
        socket->Authenticate(key_, nonce);
        socket->Send(table::HelloFrame{state_.TableId(), nonce});
        connect(socket, &FramedSocket::received, this,
                [this, socket](const table::WirePayload& payload) { Take(socket, payload); });
        connect(socket, &FramedSocket::lost, this, [this, socket] { Drop(socket); });
        connect(&socket->Socket(), &QTcpSocket::bytesWritten, this, [this, socket] {
            const auto found = connections_.find(socket);
            if (found != connections_.end() && found->second.ready) SendEntries(found->second);
        });
    }
}

void TableHost::Take(FramedSocket* socket, const table::WirePayload& payload) {
    const auto found = connections_.find(socket);
    if (found == connections_.end()) return;
    Connection& connection = found->second;
    if (const auto* ready = std::get_if<table::ReadyFrame>(&payload); ready && !connection.ready) {
        connection.ready = true;
        connection.sent = std::min<std::size_t>(ready->entries, entries_.size());
        const auto seat = state_.SeatOf(ready->key);
        if (seat && *seat != 0 && state_.Seats()[*seat].present) {
            connection.seat = seat;
            gone_.erase(*seat);
            emit membersChanged();
        }
        SendEntries(connection);
        return;
    }
    const auto* sent = std::get_if<table::MessageFrame>(&payload);
    if (!sent || !connection.ready) {
        socket->Close();
        Drop(socket);
        return;
    }
    if (const auto fault = Enter(sent->message)) {
        socket->Send(table::RefusedFrame{fault->reason});
        return;
    }
    const table::Decoded decoded = table::DecodeMessage(sent->message);
    if (decoded.message->header.kind == table::Kind::Join) {
        connection.seat = state_.SeatOf(decoded.message->header.sender);
        emit membersChanged();
    }
}

void TableHost::SendEntries(Connection& connection) {
    QTcpSocket& socket = connection.socket->Socket();
    while (connection.sent < entries_.size() && socket.bytesToWrite() < kMostUnsent) {
        const table::Entry& entry = entries_[connection.sent++];
        connection.socket->Send(table::EntryFrame{entry.timeMs, entry.message});
    }
}

void TableHost::Drop(FramedSocket* socket) {
    const auto found = connections_.find(socket);
    if (found == connections_.end()) return;
    const auto seat = found->second.seat;
    connections_.erase(found);
    socket->disconnect(this);
    socket->Socket().disconnect(this);
    socket->deleteLater();
    if (seat && !Connected(*seat)) {
        gone_[*seat].start();
        emit membersChanged();
    }
}

void TableHost::Tick() {
    if (closed_) return;
    const auto& rounds = state_.Rounds();
    if (!rounds.empty() && rounds.back().status == table::RoundStatus::Open &&
        Now() - rounds.back().openedAt >= kRevealLimitMs) {
        const table::Round round = rounds.back();
        Submit(me_->Abandon(round.number, state_.Head()));
        // Whoever kept the round waiting and is no longer connected goes, so
        // that the next round does not wait for them too.
        for (const table::Participant& p : round.participants) {
            if (!p.revealed && !Connected(p.seat)) Remove(p.seat);
        }
    }
    for (auto it = gone_.begin(); it != gone_.end();) {
        const std::size_t seat = it->first;
        const bool due = it->second.hasExpired(kComebackMs) || !state_.Seats()[seat].present;
        it = due ? gone_.erase(it) : std::next(it);
        if (due && state_.Seats()[seat].present) Remove(seat);
    }
}

bool TableHost::Remove(std::size_t seat) {
    if (closed_ || seat == 0 || seat >= state_.Seats().size()) return false;
    const table::Bytes message = me_->Remove(state_.Seats()[seat].key, state_.Head());
    if (Enter(message)) {
        me_->Withdraw();
        return false;
    }
    std::vector<FramedSocket*> sent;
    for (auto& [socket, connection] : connections_) {
        if (connection.seat == seat) sent.push_back(socket);
    }
    for (FramedSocket* socket : sent) {
        socket->Close();
        Drop(socket);
    }
    return true;
}

void TableHost::Leave() {
    for (auto& [socket, connection] : connections_) {
        socket->Send(table::ClosingFrame{});
        socket->Close();
    }
    server_.close();
    Close(tr("You closed the table."));
}

}  // namespace corvane
