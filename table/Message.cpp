#include "table/Message.h"

namespace corvane::table {
namespace {

constexpr std::size_t kSignatureSize = 64;

struct BodyWriter {
    ByteWriter& out;
    void operator()(const OpenBody& b) const {
        out.Text(b.name);
        out.U32(b.revealLimitMs);
        out.Raw(b.nonce);
    }
    void operator()(const JoinBody& b) const { out.Text(b.name); }
    void operator()(const LeaveBody&) const {}
    void operator()(const RequestBody& b) const {
        out.U32(b.round);
        out.U8(static_cast<std::uint8_t>(b.roll));
        out.U8(static_cast<std::uint8_t>(b.seal));
        out.I16(b.dice);
        out.I16(b.target);
        out.U32(b.earlier);
        out.I16(b.marker);
        out.Raw(b.poolCommit);
    }
    void operator()(const RevealBody& b) const {
        out.U32(b.round);
        out.U8(static_cast<std::uint8_t>(b.contribution.size()));
        out.Raw(b.contribution);
    }
    void operator()(const AbandonBody& b) const { out.U32(b.round); }
    void operator()(const UnsealBody& b) const {
        out.U32(b.round);
        out.Raw(b.nonce);
        out.I16(b.dice);
        out.I16(b.target);
        out.U8(static_cast<std::uint8_t>(b.secrets.size()));
        for (const Secret& s : b.secrets) out.Raw(s);
    }
    void operator()(const RemoveBody& b) const { out.Raw(b.member); }
};

bool ValidName(const std::string& name) { return !name.empty() && name.size() <= kMaxNameSize; }
bool ValidRound(std::uint32_t round) { return round >= 1 && round <= kMaxRound; }

bool ValidRequest(const RequestBody& b) {
    if (!ValidRound(b.round) || b.roll > RollKind::RerollFromMarker || b.seal > Seal::Hidden) {
        return false;
    }
    const bool zeroPool = b.poolCommit == Hash{};
    if (b.roll == RollKind::NewRoll) {
        if (b.earlier != 0 || b.marker != 0) return false;
        if (b.seal == Seal::Hidden) return b.dice == 0 && b.target == 0 && !zeroPool;
        return b.dice >= 1 && zeroPool;
    }
    const bool markerFits = b.roll == RollKind::RerollFromMarker ? b.marker >= 1 : b.marker == 0;
    return markerFits && b.seal == Seal::Public && b.dice == 0 && b.target == 0 && zeroPool &&
           b.earlier >= 1 && b.earlier < b.round;
}

// Reads the body of `kind`; false when a field is out of its bounds.
bool ReadBody(Kind kind, ByteReader& in, Body& body) {
    switch (kind) {
        case Kind::Open: {
            OpenBody b{in.Text(), in.U32(), in.Fixed<16>()};
            body = b;
            return ValidName(b.name) && b.revealLimitMs >= kMinRevealLimitMs &&
                   b.revealLimitMs <= kMaxRevealLimitMs;
        }
        case Kind::Join: {
            JoinBody b{in.Text()};
            body = b;
            return ValidName(b.name);
        }
        case Kind::Leave:
            body = LeaveBody{};
            return true;
        case Kind::Request: {
            RequestBody b;
            b.round = in.U32();
            b.roll = static_cast<RollKind>(in.U8());
            b.seal = static_cast<Seal>(in.U8());
            b.dice = in.I16();
            b.target = in.I16();
            b.earlier = in.U32();
            b.marker = in.I16();
            b.poolCommit = in.Fixed<32>();
            body = b;
            return ValidRequest(b);
        }
        case Kind::Reveal: {
            RevealBody b;
            b.round = in.U32();
            const std::size_t size = in.U8();
            const auto read = in.Raw(size);
            b.contribution.assign(read.begin(), read.end());
            body = b;
            return ValidRound(b.round) && (size == 32 || size == kSealedSecretSize);
        }
        case Kind::Abandon: {
            AbandonBody b{in.U32()};
            body = b;
            return ValidRound(b.round);
        }
        case Kind::Unseal: {
            UnsealBody b;
            b.round = in.U32();
            b.nonce = in.Fixed<16>();
            b.dice = in.I16();
            b.target = in.I16();
            const std::size_t count = in.U8();
            if (count > kMaxMembers) return false;
            for (std::size_t i = 0; i < count && !in.Failed(); ++i) {
                b.secrets.push_back(in.Fixed<32>());
            }
            body = b;
            return ValidRound(b.round) && count >= 1 && b.dice >= 1;
        }
        case Kind::Remove:
            body = RemoveBody{in.Fixed<32>()};
            return true;
    }
    return false;
}

}  // namespace

Bytes EncodeMessage(Header header, const Body& body, const KeyPair& keys) {
    header.kind = static_cast<Kind>(body.index() + 1);
    header.sender = keys.Public();
    ByteWriter out;
    out.U8(kProtocolVersion);
    out.U8(static_cast<std::uint8_t>(header.kind));
    out.Raw(header.table);
    out.Raw(header.sender);
    out.U32(header.counter);
    out.Raw(header.chain);
    out.Raw(header.commit);
    std::visit(BodyWriter{out}, body);
    out.Raw(keys.Sign(out.Written()));
    return out.Take();
}

Decoded DecodeMessage(std::span<const std::uint8_t> bytes) {
    Decoded result;
    if (bytes.size() > kMaxMessageSize) {
        result.fault = DecodeFault::Oversized;
        return result;
    }
    if (bytes.size() < kSignatureSize + 2) return result;
    ByteReader in(bytes.first(bytes.size() - kSignatureSize));
    Message message;
    if (in.U8() != kProtocolVersion) {
        result.fault = DecodeFault::UnknownVersion;
        return result;
    }
    const std::uint8_t kind = in.U8();
    if (kind < 1 || kind > static_cast<std::uint8_t>(Kind::Remove)) {
        result.fault = DecodeFault::UnknownKind;
        return result;
    }
    message.header.kind = static_cast<Kind>(kind);
    message.header.table = in.Fixed<32>();
    message.header.sender = in.Fixed<32>();
    message.header.counter = in.U32();
    message.header.chain = in.Fixed<32>();
    message.header.commit = in.Fixed<32>();
    const bool fieldsFit = ReadBody(message.header.kind, in, message.body);
    if (in.Failed()) return result;
    if (!fieldsFit) {
        result.fault = DecodeFault::BadField;
        return result;
    }
    if (!in.AtEnd()) {
        result.fault = DecodeFault::TrailingBytes;
        return result;
    }
    const auto signature = bytes.last(kSignatureSize);
    std::copy(signature.begin(), signature.end(), message.signature.begin());
    message.bytes.assign(bytes.begin(), bytes.end());
    result.message = std::move(message);
    return result;
}

const char* DecodeFaultText(DecodeFault fault) {
    switch (fault) {
        case DecodeFault::Oversized:
            return "message too large";
        case DecodeFault::Truncated:
            return "message cut short";
        case DecodeFault::UnknownVersion:
            return "unknown protocol version";
        case DecodeFault::UnknownKind:
            return "unknown message kind";
        case DecodeFault::BadField:
            return "a field out of its bounds";
        case DecodeFault::TrailingBytes:
            return "bytes after the message";
    }
    return "malformed message";
}

Hash PoolCommitment(const Nonce& nonce, std::int16_t dice, std::int16_t target) {
    ByteWriter out;
    out.Raw(nonce);
    out.I16(dice);
    out.I16(target);
    return Sha256(out.Written());
}

}  // namespace corvane::table
