#pragma once

#include <QElapsedTimer>
#include <QTcpSocket>

#include "window/table/FramedSocket.h"
#include "window/table/TableLink.h"

namespace corvane {

// A seat at a table another program hosts. It checks every entry the host
// sends before it counts, and when the connection drops it tries again for
// as long as the host keeps its seat.
class TableGuest final : public TableLink {
    Q_OBJECT
public:
    static constexpr int kRetryMs = 1'000;
    static constexpr int kGiveUpMs = 60'000;

    TableGuest(std::string name, QString code, QObject* parent = nullptr);
    ~TableGuest() override;

    // Connects and joins; the outcome comes as membersChanged or closed.
    void Join(const QString& host, quint16 port);
    bool Hosting() const override { return false; }
    bool Connected(std::size_t seat) const override;
    void Leave() override;

signals:
    // Joined (again): the table's entries so far are checked and in.
    void seated();

private:
    void Connect();
    void Greet(const table::HelloFrame& hello, const table::Bytes& body);
    void Take(const table::WirePayload& payload);
    void Lost(const QString& why);
    void Submit(const table::Bytes& message) override;

    std::string name_;
    QString code_;
    QString host_;
    quint16 port_ = 0;
    FramedSocket* socket_ = nullptr;
    // The key of the last table greeted with, kept for coming back.
    std::optional<std::pair<table::Hash, table::FrameKey>> key_;
    bool joinSent_ = false;
    bool online_ = false;
    QElapsedTimer lostFor_;
    QTimer retry_;
};

}  // namespace corvane
