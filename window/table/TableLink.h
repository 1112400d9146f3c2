#pragma once

#include <QObject>
#include <QTimer>
#include <optional>
#include <vector>

#include "table/Member.h"
#include "table/Transcript.h"

namespace corvane {

// What every program at a table does with the entries the host makes: checks
// each one with its own copy of the table, keeps the transcript, and takes
// part in every round, whether it hosts or joined.
class TableLink : public QObject {
    Q_OBJECT
public:
    // How long a round waits for every member's secret before the host may
    // give it up, and when the wait is told on the status line.
    static constexpr std::uint32_t kRevealLimitMs = 3'000;
    static constexpr int kSlowRoundMs = 500;

    const table::TableState& State() const { return state_; }
    const std::vector<table::Entry>& Entries() const { return entries_; }
    const table::TableMember& Me() const { return *me_; }
    // True while this program holds a seat it may roll from.
    bool Seated() const;
    std::optional<std::size_t> MySeat() const;
    virtual bool Hosting() const = 0;
    // False while a member that just joined reads the table's past: its
    // rounds go to the log, but nobody is told of them as news.
    bool Live() const { return live_; }
    // Whether the member of `seat` is connected right now, as far as this
    // program can know; the host knows for everyone.
    virtual bool Connected(std::size_t seat) const;

    // Asks the table for a round; false, changing nothing, while one is open.
    bool Ask(table::RequestBody request);
    // Leaves the table: a member says so, the host closes it.
    virtual void Leave() = 0;

signals:
    // The seats changed: someone came, left, or connected again.
    void membersChanged();
    // A round closed, done or abandoned; the table's copy holds it.
    void roundClosed(std::uint32_t round);
    // An open round has waited past kSlowRoundMs for these members.
    void roundWaiting(const QStringList& names);
    // Something the players should hear, as a line: who came and went.
    void news(const QString& text);
    // The table is gone for this program, and why; the link does nothing more.
    void closed(const QString& why);

protected:
    explicit TableLink(QObject* parent = nullptr);

    // What follows from an entry the table has just taken.
    void Entered(const table::Entry& entry);
    // Sends a message of this program's member to the table.
    void Send(const table::Bytes& message);
    virtual void Submit(const table::Bytes& message) = 0;
    // The table refused this program's last message: it is taken back.
    void Refused();
    void Close(const QString& why);
    QString NameOf(std::size_t seat) const;

    table::TableState state_;
    std::vector<table::Entry> entries_;
    std::optional<table::TableMember> me_;
    bool closed_ = false;
    bool live_ = true;

    int InFlight() const { return inFlight_; }
    const table::Bytes& LastSent() const { return lastSent_; }

private:
    void CheckSlowRound();
    void RevealIfDue();

    QTimer slow_;
    // This program's messages sent and not yet entered or refused, and the
    // last of them, to send again after a dropped connection.
    int inFlight_ = 0;
    table::Bytes lastSent_;
    std::optional<std::uint32_t> revealDue_;
};

}  // namespace corvane
