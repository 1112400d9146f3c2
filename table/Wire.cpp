#include "table/Wire.h"

namespace corvane::table {
namespace {

struct PayloadWriter {
    ByteWriter& out;
    void operator()(const HelloFrame& p) const {
        out.Raw(p.table);
        out.Raw(p.nonce);
    }
    void operator()(const ReadyFrame& p) const {
        out.U32(p.entries);
        out.Raw(p.key);
    }
    void operator()(const EntryFrame& p) const {
        out.U64(p.timeMs);
        out.Raw(p.message);
    }
    void operator()(const MessageFrame& p) const { out.Raw(p.message); }
    void operator()(const RefusedFrame& p) const { out.U8(static_cast<std::uint8_t>(p.reason)); }
    void operator()(const PingFrame&) const {}
    void operator()(const ClosingFrame&) const {}
};

// The rest of the payload, as a message no larger than one may be.
std::optional<Bytes> Rest(ByteReader& in, std::span<const std::uint8_t> bytes, std::size_t used) {
    if (bytes.size() - used > kMaxMessageSize) return std::nullopt;
    const auto rest = in.Raw(bytes.size() - used);
    return Bytes(rest.begin(), rest.end());
}

}  // namespace

Bytes EncodePayload(const WirePayload& payload) {
    ByteWriter out;
    out.U8(static_cast<std::uint8_t>(payload.index() + 1));
    std::visit(PayloadWriter{out}, payload);
    return out.Take();
}

std::optional<WirePayload> DecodePayload(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    WirePayload payload;
    switch (in.U8()) {
        case 1:
            payload = HelloFrame{in.Fixed<32>(), in.Fixed<16>()};
            break;
        case 2:
            payload = ReadyFrame{in.U32(), in.Fixed<32>()};
            break;
        case 3: {
            const std::uint64_t time = in.U64();
            auto message = Rest(in, bytes, 9);
            if (!message) return std::nullopt;
            payload = EntryFrame{time, std::move(*message)};
            break;
        }
        case 4: {
            auto message = Rest(in, bytes, 1);
            if (!message) return std::nullopt;
            payload = MessageFrame{std::move(*message)};
            break;
        }
        case 5: {
            const std::uint8_t reason = in.U8();
            if (reason > static_cast<std::uint8_t>(Refusal::WrongPool)) return std::nullopt;
            payload = RefusedFrame{static_cast<Refusal>(reason)};
            break;
        }
        case 6:
            payload = PingFrame{};
            break;
        case 7:
            payload = ClosingFrame{};
            break;
        default:
            return std::nullopt;
    }
    if (in.Failed() || !in.AtEnd()) return std::nullopt;
    return payload;
}

}  // namespace corvane::table
