#pragma once

#include <optional>
#include <variant>

#include "table/Frame.h"
#include "table/TableState.h"

namespace corvane::table {

// What travels in a table's frames, each payload a kind byte and its fields.
//
// The host speaks first: Hello names the table and this connection's nonce.
// The member answers Ready, with how many entries it already holds (0 when
// new) and, coming back, the key it held its seat with. The host then sends
// every entry the member lacks, and each entry it takes from then on; a
// member sends its signed messages, and hears Refused for one the table did
// not take. Either end pings when it has been quiet, and the host says
// Closing before it closes the table.
struct HelloFrame {
    Hash table{};
    ConnectionNonce nonce{};
};
struct ReadyFrame {
    std::uint32_t entries = 0;
    PublicKey key{};
};
struct EntryFrame {
    std::uint64_t timeMs = 0;
    Bytes message;
};
struct MessageFrame {
    Bytes message;
};
struct RefusedFrame {
    Refusal reason = Refusal::Malformed;
};
struct PingFrame {};
struct ClosingFrame {};

using WirePayload = std::variant<HelloFrame, ReadyFrame, EntryFrame, MessageFrame, RefusedFrame,
                                 PingFrame, ClosingFrame>;

Bytes EncodePayload(const WirePayload& payload);
// Nothing for a payload of no known kind, cut short, with bytes left over, or
// with a message larger than a message can be.
std::optional<WirePayload> DecodePayload(std::span<const std::uint8_t> bytes);

}  // namespace corvane::table
