#include "table/TableState.h"

#include <algorithm>

namespace corvane::table {
namespace {

constexpr std::size_t kHost = 0;

Hash NextHead(const Hash& head, std::uint64_t timeMs, std::span<const std::uint8_t> bytes) {
    ByteWriter out;
    out.Raw(head);
    out.U64(timeMs);
    out.Raw(bytes);
    return Sha256(out.Written());
}

Fault Refused(Refusal reason, std::uint32_t round, std::string member) {
    return Fault{reason, DecodeFault::Truncated, round, std::move(member)};
}

// The round a message belongs to, for naming faults.
std::uint32_t RoundOf(const Body& body) {
    if (const auto* b = std::get_if<RequestBody>(&body)) return b->round;
    if (const auto* b = std::get_if<RevealBody>(&body)) return b->round;
    if (const auto* b = std::get_if<AbandonBody>(&body)) return b->round;
    if (const auto* b = std::get_if<UnsealBody>(&body)) return b->round;
    return 0;
}

}  // namespace

std::optional<std::size_t> TableState::SeatOf(const PublicKey& key) const {
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].key == key) return i;
    }
    return std::nullopt;
}

Fault TableState::FaultOf(Refusal reason, std::uint32_t round, std::size_t seat) const {
    return Refused(reason, round, seats_[seat].name);
}

std::optional<Fault> TableState::Check(const Message& message, std::uint64_t timeMs,
                                       std::optional<std::size_t>& seat) const {
    const Header& header = message.header;
    const std::uint32_t round = RoundOf(message.body);
    std::string stranger = "key " + ToHex(std::span(header.sender).first(4));
    if (const auto* open = std::get_if<OpenBody>(&message.body)) stranger = open->name;
    if (const auto* join = std::get_if<JoinBody>(&message.body)) stranger = join->name;
    seat = SeatOf(header.sender);
    if (timeMs < lastTime_) {
        return Refused(Refusal::TimeBackwards, round, seat ? seats_[*seat].name : stranger);
    }
    if (!opened_) {
        if (header.kind != Kind::Open) return Refused(Refusal::NotOpenedFirst, round, stranger);
    } else if (header.kind == Kind::Open) {
        return Refused(Refusal::AlreadyOpened, round, stranger);
    }
    if (header.kind == Kind::Join) {
        if (seat) return FaultOf(Refusal::AlreadyMember, round, *seat);
    } else if (header.kind != Kind::Open && (!seat || !seats_[*seat].present)) {
        return Refused(Refusal::UnknownMember, round, seat ? seats_[*seat].name : stranger);
    }
    const std::string who = seat ? seats_[*seat].name : stranger;
    const auto signedBytes = std::span(message.bytes).first(message.bytes.size() - 64);
    if (!VerifySignature(header.sender, signedBytes, message.signature)) {
        return Refused(Refusal::BadSignature, round, who);
    }
    if (header.table != tableId_) return Refused(Refusal::WrongTable, round, who);
    const std::uint32_t expected = seat ? seats_[*seat].nextCounter : 0;
    if (header.counter < expected) return Refused(Refusal::Replayed, round, who);
    if (header.counter > expected) return Refused(Refusal::OutOfOrder, round, who);
    // The host's messages carry the chain up to the entry before them, so its
    // signatures cover every entry and entry time before; the others name
    // any head they have seen.
    const bool fromHost = header.kind == Kind::Open || seat == kHost;
    if (fromHost ? header.chain != head_ : !heads_.contains(header.chain)) {
        return Refused(Refusal::BadChain, round, who);
    }
    return std::nullopt;
}

std::optional<Fault> TableState::Apply(std::uint64_t timeMs, std::span<const std::uint8_t> bytes) {
    const Decoded decoded = DecodeMessage(bytes);
    if (!decoded.message) {
        Fault fault;
        fault.reason = Refusal::Malformed;
        fault.decode = decoded.fault;
        return fault;
    }
    const Message& message = *decoded.message;
    std::optional<std::size_t> seat;
    if (auto fault = Check(message, timeMs, seat)) return fault;
    if (auto fault = ApplyBody(message, timeMs, seat)) return fault;

    if (message.header.kind == Kind::Open) {
        tableId_ = Sha256(bytes);
        heads_.insert(head_);
    }
    const std::size_t sender = seat ? *seat : *SeatOf(message.header.sender);
    seats_[sender].commit = message.header.commit;
    ++seats_[sender].nextCounter;
    head_ = NextHead(head_, timeMs, bytes);
    heads_.insert(head_);
    lastTime_ = timeMs;
    return std::nullopt;
}

std::optional<Fault> TableState::ApplyBody(const Message& message, std::uint64_t timeMs,
                                           std::optional<std::size_t> seat) {
    const Body& body = message.body;
    if (const auto* open = std::get_if<OpenBody>(&body)) {
        opened_ = true;
        revealLimitMs_ = open->revealLimitMs;
        seats_.push_back(Seat{message.header.sender, open->name, 0, {}, true, 0});
        return std::nullopt;
    }
    if (const auto* join = std::get_if<JoinBody>(&body)) {
        const auto present =
            std::count_if(seats_.begin(), seats_.end(), [](const Seat& s) { return s.present; });
        if (static_cast<std::size_t>(present) >= kMaxMembers) {
            return Refused(Refusal::TooManyMembers, 0, join->name);
        }
        seats_.push_back(Seat{message.header.sender, join->name, 0, {}, true, 0});
        return std::nullopt;
    }
    if (std::holds_alternative<LeaveBody>(body)) {
        if (*seat == kHost) return FaultOf(Refusal::HostCannotLeave, 0, *seat);
        if (InOpenRound(*seat)) return FaultOf(Refusal::MemberInRound, 0, *seat);
        seats_[*seat].present = false;
        return std::nullopt;
    }
    if (const auto* request = std::get_if<RequestBody>(&body)) {
        return ApplyRequest(*request, message, timeMs, *seat);
    }
    if (const auto* reveal = std::get_if<RevealBody>(&body)) return ApplyReveal(*reveal, *seat);
    if (*seat != kHost) return FaultOf(Refusal::NotHost, RoundOf(body), *seat);
    if (const auto* abandon = std::get_if<AbandonBody>(&body)) {
        return ApplyAbandon(*abandon, timeMs);
    }
    if (const auto* remove = std::get_if<RemoveBody>(&body)) {
        const auto removed = SeatOf(remove->member);
        if (!removed || !seats_[*removed].present) return FaultOf(Refusal::UnknownMember, 0, *seat);
        if (*removed == kHost) return FaultOf(Refusal::HostCannotLeave, 0, *seat);
        if (InOpenRound(*removed)) return FaultOf(Refusal::MemberInRound, 0, *removed);
        seats_[*removed].present = false;
        return std::nullopt;
    }
    return ApplyUnseal(std::get<UnsealBody>(body));
}

const Round* TableState::OpenRound() const {
    // A round is asked for only when none is open, so only the last can be.
    if (rounds_.empty() || rounds_.back().status != RoundStatus::Open) return nullptr;
    return &rounds_.back();
}

bool TableState::InOpenRound(std::size_t seat) const {
    const Round* open = OpenRound();
    return open && std::any_of(open->participants.begin(), open->participants.end(),
                               [seat](const Participant& p) { return p.seat == seat; });
}

}  // namespace corvane::table
