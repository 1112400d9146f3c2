#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "table/Bytes.h"
#include "table/Crypto.h"

namespace corvane::table {

// The bounds every decoder holds to.
inline constexpr std::size_t kMaxMessageSize = 1024;
inline constexpr std::size_t kMaxNameSize = 32;
inline constexpr std::size_t kMaxMembers = 16;
inline constexpr std::uint32_t kMaxRound = 1'000'000;
inline constexpr std::uint32_t kMinRevealLimitMs = 1'000;
inline constexpr std::uint32_t kMaxRevealLimitMs = 600'000;
inline constexpr std::uint8_t kProtocolVersion = 1;

enum class Kind : std::uint8_t { Open = 1, Join, Leave, Request, Reveal, Abandon, Unseal, Remove };
// The three roll operations, numbered as the engine numbers them.
enum class RollKind : std::uint8_t { NewRoll = 0, RerollFailures = 1, RerollFromMarker = 2 };
enum class Seal : std::uint8_t { Public = 0, Shown = 1, Hidden = 2 };

using Nonce = std::array<std::uint8_t, 16>;

struct Header {
    Kind kind = Kind::Open;
    Hash table{};
    PublicKey sender{};
    std::uint32_t counter = 0;
    Hash chain{};
    Hash commit{};
};

struct OpenBody {
    std::string name;
    std::uint32_t revealLimitMs = 0;
    Nonce nonce{};
};
struct JoinBody {
    std::string name;
};
struct LeaveBody {};
struct RequestBody {
    std::uint32_t round = 0;
    RollKind roll = RollKind::NewRoll;
    Seal seal = Seal::Public;
    std::int16_t dice = 0;
    std::int16_t target = 0;
    std::uint32_t earlier = 0;
    std::int16_t marker = 0;
    Hash poolCommit{};
};
struct RevealBody {
    std::uint32_t round = 0;
    Bytes contribution;
};
struct AbandonBody {
    std::uint32_t round = 0;
};
struct UnsealBody {
    std::uint32_t round = 0;
    Nonce nonce{};
    std::int16_t dice = 0;
    std::int16_t target = 0;
    std::vector<Secret> secrets;
};

// The host seats out a member who is gone for good or whom it sends away.
struct RemoveBody {
    PublicKey member{};
};

using Body = std::variant<OpenBody, JoinBody, LeaveBody, RequestBody, RevealBody, AbandonBody,
                          UnsealBody, RemoveBody>;

struct Message {
    Header header;
    Body body;
    Signature signature{};
    // Every byte as sent; the signature covers all but its own last 64.
    Bytes bytes;
};

// Why bytes are not a message.
enum class DecodeFault {
    Oversized,
    Truncated,
    UnknownVersion,
    UnknownKind,
    BadField,
    TrailingBytes,
};

struct Decoded {
    std::optional<Message> message;
    DecodeFault fault = DecodeFault::Truncated;
};

// The canonical bytes of a message, signed with `keys`; the header's kind
// is taken from the body.
Bytes EncodeMessage(Header header, const Body& body, const KeyPair& keys);
Decoded DecodeMessage(std::span<const std::uint8_t> bytes);
const char* DecodeFaultText(DecodeFault fault);

// What a hidden sealed roll commits to: its pool and target, with a nonce.
Hash PoolCommitment(const Nonce& nonce, std::int16_t dice, std::int16_t target);

}  // namespace corvane::table
