#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "table/Wire.h"

class QTcpSocket;

namespace corvane {

// One connection of a table, as frames: it reads at most a frame ahead,
// checks each frame's HMAC once the key is known, pings when it has been
// quiet and gives up on an end that has said nothing for kSilenceMs.
class FramedSocket final : public QObject {
    Q_OBJECT
public:
    static constexpr int kPingMs = 2'000;
    static constexpr int kSilenceMs = 8'000;
    static constexpr qint64 kMostUnsent = 16 * static_cast<qint64>(table::kMaxFrameSize);

    // Takes the socket over; it goes with this object.
    FramedSocket(QTcpSocket* socket, table::FrameSender self, QObject* parent = nullptr);
    ~FramedSocket() override;

    // From now on every frame carries its HMAC under this key and nonce.
    void Authenticate(const table::FrameKey& key, const table::ConnectionNonce& nonce);
    // Whether the host's first frame carries its HMAC under that key.
    bool OpenHello(const table::Bytes& body) { return sealer_ && sealer_->Open(body); }
    void Send(const table::WirePayload& payload);
    // Closes the connection; `lost` is not signalled for it.
    void Close();
    QTcpSocket& Socket() { return *socket_; }

signals:
    // The host's first frame, before a key can check it: its payload, and
    // the frame's body to check once the key is derived.
    void hello(const table::HelloFrame& hello, const table::Bytes& body);
    void received(const table::WirePayload& payload);
    // The connection is gone: closed by the other end, silent, or sending
    // what no member of this table would.
    void lost(const QString& why);

private:
    void Read();
    void Take(const table::Bytes& body);
    void Lose(const QString& why);

    QTcpSocket* socket_;
    table::FrameSender self_;
    table::FrameReader reader_;
    std::optional<table::FrameSealer> sealer_;
    QTimer ping_;
    QTimer silence_;
    bool closed_ = false;
};

}  // namespace corvane
