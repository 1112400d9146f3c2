#include "window/table/TableGuest.h"

namespace corvane {
TableGuest::TableGuest(std::string name, QString code, QObject* parent)
    : TableLink(parent), name_(std::move(name)), code_(std::move(code)) {
    live_ = false;
    retry_.setSingleShot(true);
    retry_.setInterval(kRetryMs);
    connect(&retry_, &QTimer::timeout, this, &TableGuest::Connect);
}

TableGuest::~TableGuest() {
    // The connection goes first: what it says on its way out must not reach
    // members already gone.
    if (socket_) socket_->disconnect(this);
    delete socket_;
}

void TableGuest::Join(const QString& host, quint16 port) {
    host_ = host;
    port_ = port;
    Connect();
}

void TableGuest::Connect() {
    if (closed_) return;
    auto* raw = new QTcpSocket;
    socket_ = new FramedSocket(raw, table::FrameSender::Member, this);
    connect(socket_, &FramedSocket::hello, this, &TableGuest::Greet);
    connect(socket_, &FramedSocket::received, this, &TableGuest::Take);
    connect(socket_, &FramedSocket::lost, this, &TableGuest::Lost);
    raw->connectToHost(host_, port_);
}

void TableGuest::Greet(const table::HelloFrame& hello, const table::Bytes& body) {
    if (key_ && key_->first != hello.table) {
        Close(tr("The host now holds another table."));
        return;
    }
    if (!key_) key_.emplace(hello.table, table::DeriveFrameKey(code_.toStdString(), hello.table));
    socket_->Authenticate(key_->second, hello.nonce);
    if (!socket_->OpenHello(body)) {
        key_.reset();
        socket_->Close();
        Close(tr("The code is not this table's."));
        return;
    }
    lostFor_.invalidate();
    online_ = true;
    const auto entries = static_cast<std::uint32_t>(entries_.size());
    socket_->Send(table::ReadyFrame{entries, me_ ? me_->Key() : table::PublicKey{}});
    // A seat the host let go while this program was away is taken anew.
    if (me_ && !Seated()) joinSent_ = false;
    // A message on its way when the connection dropped may or may not have
    // reached the host: sent again, it is entered once, or refused as a
    // replay when it already was, and its entry comes with the others.
    if (InFlight() > 0) socket_->Send(table::MessageFrame{LastSent()});
}

void TableGuest::Take(const table::WirePayload& payload) {
    if (const auto* entry = std::get_if<table::EntryFrame>(&payload)) {
        if (const auto fault = state_.Apply(entry->timeMs, entry->message)) {
            Close(tr("The host sent what does not check: %1")
                      .arg(QString::fromStdString(
                          table::DescribeFault(entries_.size() + 1, *fault))));
            socket_->Close();
            return;
        }
        entries_.push_back({entry->timeMs, entry->message});
        const table::Entry copy = entries_.back();
        Entered(copy);
        // Once the table is caught up to the open round, take a seat: a new
        // one, or again after the host let the old one go.
        if (!joinSent_ && !Seated()) {
            joinSent_ = true;
            me_.emplace(table::KeyPair::Generate(), name_);
            Send(me_->Join(state_.TableId(), state_.Head()));
        }
        const auto& seats = state_.Seats();
        if (copy.message[1] == static_cast<std::uint8_t>(table::Kind::Join) &&
            MySeat() == seats.size() - 1) {
            emit seated();
        }
        return;
    }
    if (const auto* refused = std::get_if<table::RefusedFrame>(&payload)) {
        if (refused->reason == table::Refusal::Replayed) return;
        Refused();
        if (refused->reason == table::Refusal::TooManyMembers) {
            //: %1 is the most members a table seats.
            Close(tr("The table is full: it seats %1.").arg(table::kMaxMembers));
        } else if (!Seated()) {
            joinSent_ = false;
        }
        return;
    }
    if (std::holds_alternative<table::ClosingFrame>(payload)) {
        socket_->Close();
        Close(tr("The host closed the table."));
        return;
    }
    socket_->Close();
    Lost(tr("The host sent a frame no host sends."));
}

void TableGuest::Lost(const QString& why) {
    if (closed_) return;
    socket_->disconnect(this);
    socket_->deleteLater();
    socket_ = nullptr;
    online_ = false;
    emit membersChanged();
    if (!key_ && entries_.empty()) {
        Close(tr("Could not join the table: %1").arg(why));
        return;
    }
    if (!lostFor_.isValid()) {
        lostFor_.start();
        emit news(tr("Lost the table's host; trying again."));
    }
    if (lostFor_.hasExpired(kGiveUpMs)) {
        Close(tr("The table closed: its host is gone."));
        return;
    }
    retry_.start();
}

bool TableGuest::Connected(std::size_t seat) const {
    return TableLink::Connected(seat) && (seat != MySeat() || online_);
}

void TableGuest::Submit(const table::Bytes& message) {
    if (socket_) socket_->Send(table::MessageFrame{message});
}

void TableGuest::Leave() {
    if (Seated() && socket_) socket_->Send(table::MessageFrame{me_->Leave(state_.Head())});
    if (socket_) socket_->Close();
    Close(tr("You left the table."));
}

}  // namespace corvane
