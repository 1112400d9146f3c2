#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "table/Message.h"
#include "table/RoundRoll.h"

namespace corvane::table {

// Why a message was refused. A refused message changes nothing.
enum class Refusal {
    // A transcript line that is not a time and a message in hexadecimal.
    UnreadableEntry,
    Malformed,
    TimeBackwards,
    NotOpenedFirst,
    AlreadyOpened,
    WrongTable,
    UnknownMember,
    AlreadyMember,
    TooManyMembers,
    BadSignature,
    Replayed,
    OutOfOrder,
    BadChain,
    NotHost,
    HostCannotLeave,
    MemberInRound,
    RoundNumber,
    RoundStillOpen,
    NotLatestPool,
    NoSuchRound,
    RoundClosed,
    NotParticipant,
    AlreadyRevealed,
    WrongContribution,
    WrongCommitment,
    TooEarly,
    NotSealed,
    WrongSecretCount,
    WrongPool,
};
const char* RefusalText(Refusal refusal);

struct Fault {
    Refusal reason = Refusal::Malformed;
    // Set for a malformed message.
    DecodeFault decode = DecodeFault::Truncated;
    // 0 when the message belongs to no round.
    std::uint32_t round = 0;
    // The member at fault, by name, or by the start of its key when unknown.
    std::string member;
};

// A seat at the table, kept after its member leaves: the rounds name it.
struct Seat {
    PublicKey key{};
    std::string name;
    std::uint32_t nextCounter = 0;
    Hash commit{};
    bool present = true;
    // The member's latest round that made a public pool.
    std::uint32_t latestPool = 0;
};

enum class RoundStatus { Open, Sealed, Done, Abandoned };

struct Participant {
    std::size_t seat = 0;
    Hash commit{};
    bool revealed = false;
    Secret secret{};
    // A sealed round's contribution, which only the host can open.
    Bytes sealed;
};

struct Round {
    std::uint32_t number = 0;
    std::size_t requester = 0;
    RequestBody request;
    Bytes requestBytes;
    std::uint64_t openedAt = 0;
    std::vector<Participant> participants;
    RoundStatus status = RoundStatus::Open;
    bool unsealed = false;
    // The pool and target rolled; a hidden sealed roll's come with its unsealing.
    std::int16_t dice = 0;
    std::int16_t target = 0;
    Hash seed{};
    std::optional<RoundResult> result;
};

// A table as its transcript builds it up, one entry at a time: the members,
// their commitments and counters, the rounds, and the hash chain.
class TableState {
public:
    // Takes the next entry: the host's time for it and the message. Either
    // the entry is refused with the fault, or the table takes it whole.
    std::optional<Fault> Apply(std::uint64_t timeMs, std::span<const std::uint8_t> bytes);

    const Hash& TableId() const { return tableId_; }
    // The hash of every entry so far, chained.
    const Hash& Head() const { return head_; }
    const std::vector<Seat>& Seats() const { return seats_; }
    const std::vector<Round>& Rounds() const { return rounds_; }
    std::optional<std::size_t> SeatOf(const PublicKey& key) const;

private:
    std::optional<Fault> Check(const Message& message, std::uint64_t timeMs,
                               std::optional<std::size_t>& seat) const;
    std::optional<Fault> ApplyBody(const Message& message, std::uint64_t timeMs,
                                   std::optional<std::size_t> seat);
    std::optional<Fault> ApplyRequest(const RequestBody& request, const Message& message,
                                      std::uint64_t timeMs, std::size_t seat);
    std::optional<Fault> ApplyReveal(const RevealBody& reveal, std::size_t seat);
    std::optional<Fault> ApplyAbandon(const AbandonBody& abandon, std::uint64_t timeMs);
    std::optional<Fault> ApplyUnseal(const UnsealBody& unseal);
    const Round* OpenRound() const;
    bool InOpenRound(std::size_t seat) const;
    void Finish(Round& round);
    Fault FaultOf(Refusal reason, std::uint32_t round, std::size_t seat) const;

    bool opened_ = false;
    Hash tableId_{};
    Hash head_{};
    std::set<Hash> heads_;
    std::uint64_t lastTime_ = 0;
    std::uint32_t revealLimitMs_ = 0;
    std::vector<Seat> seats_;
    std::vector<Round> rounds_;
};

}  // namespace corvane::table
