#include "window/table/FramedSocket.h"

#include <QTcpSocket>

namespace corvane {
FramedSocket::FramedSocket(QTcpSocket* socket, table::FrameSender self, QObject* parent)
    : QObject(parent), socket_(socket), self_(self) {
    socket_->setParent(this);
    // Qt reads no further ahead than this, so a connection holds at most
    // about two frames, whatever the other end sends.
    socket_->setReadBufferSize(table::kMaxFrameSize);
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket_, &QTcpSocket::readyRead, this, &FramedSocket::Read);
    connect(socket_, &QTcpSocket::disconnected, this,
            [this] { Lose(tr("The connection closed.")); });
    connect(socket_, &QAbstractSocket::errorOccurred, this, [this] {
        if (socket_->state() != QAbstractSocket::ConnectedState) Lose(socket_->errorString());
    });
    ping_.setInterval(kPingMs);
    connect(&ping_, &QTimer::timeout, this, [this] { Send(table::PingFrame{}); });
    silence_.setInterval(kSilenceMs);
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this,
            [this] { Lose(tr("The other end stopped answering.")); });
    silence_.start();
}

FramedSocket::~FramedSocket() { closed_ = true; }

void FramedSocket::Authenticate(const table::FrameKey& key, const table::ConnectionNonce& nonce) {
    sealer_.emplace(key, nonce, self_);
    ping_.start();
}

void FramedSocket::Send(const table::WirePayload& payload) {
    if (closed_ || !sealer_) return;
    // Only an end that reads nothing lets this much wait: the host tops up a
    // member's entries as they drain.
    if (socket_->bytesToWrite() > kMostUnsent) {
        Lose(tr("The other end stopped reading."));
        return;
    }
    const table::Bytes frame = sealer_->Seal(table::EncodePayload(payload));
    socket_->write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
    ping_.start();
}

void FramedSocket::Close() {
    if (closed_) return;
    closed_ = true;
    ping_.stop();
    silence_.stop();
    socket_->flush();
    socket_->disconnectFromHost();
}

void FramedSocket::Read() {
    std::vector<table::Bytes> bodies;
    while (!closed_ && socket_->bytesAvailable() > 0) {
        const QByteArray chunk = socket_->read(table::kMaxFrameSize);
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(chunk.constData()),
                                     static_cast<std::size_t>(chunk.size()));
        bodies.clear();
        const auto fault = reader_.Feed(bytes, bodies);
        for (const table::Bytes& body : bodies) {
            if (closed_) return;
            Take(body);
        }
        if (fault) Lose(tr("A frame was larger or smaller than any frame may be."));
    }
}

void FramedSocket::Take(const table::Bytes& body) {
    silence_.start();
    if (!sealer_) {
        // Only the host's first frame comes before the key, and only a member reads it.
        const auto payload = table::DecodePayload(table::UncheckedPayload(body));
        if (self_ == table::FrameSender::Member && payload &&
            std::holds_alternative<table::HelloFrame>(*payload)) {
            emit hello(std::get<table::HelloFrame>(*payload), body);
        } else {
            Lose(tr("A frame came that no member of this table sends."));
        }
        return;
    }
    const auto payload = sealer_->Open(body);
    const auto read = payload ? table::DecodePayload(*payload) : std::nullopt;
    if (!read) {
        Lose(tr("A frame came without this table's code."));
        return;
    }
    if (!std::holds_alternative<table::PingFrame>(*read)) emit received(*read);
}

void FramedSocket::Lose(const QString& why) {
    if (closed_) return;
    Close();
    emit lost(why);
}

}  // namespace corvane
