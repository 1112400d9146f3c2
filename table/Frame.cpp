#include "table/Frame.h"

#include <sodium.h>

#include <algorithm>

#include "table/Crypto.h"

namespace corvane::table {

FrameKey DeriveFrameKey(std::string_view code, const Hash& table) {
    EnsureSodium();
    FrameKey key{};
    static_assert(crypto_pwhash_SALTBYTES <= sizeof(Hash));
    // Only memory running out makes the hash fail; a key of zeros then opens
    // no frame of a real table, so joining fails as with a wrong code.
    if (crypto_pwhash(key.data(), key.size(), code.data(), code.size(), table.data(),
                      crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                      crypto_pwhash_ALG_ARGON2ID13) != 0) {
        key.fill(0);
    }
    return key;
}

namespace {

using Mac = std::array<std::uint8_t, kFrameMacSize>;

Mac FrameMac(const FrameKey& key, const ConnectionNonce& nonce, FrameSender sender,
             std::uint64_t number, std::span<const std::uint8_t> payload) {
    ByteWriter header;
    header.Raw(nonce);
    header.U8(static_cast<std::uint8_t>(sender));
    header.U64(number);
    crypto_auth_hmacsha256_state state;
    crypto_auth_hmacsha256_init(&state, key.data(), key.size());
    crypto_auth_hmacsha256_update(&state, header.Written().data(), header.Written().size());
    crypto_auth_hmacsha256_update(&state, payload.data(), payload.size());
    Mac mac{};
    crypto_auth_hmacsha256_final(&state, mac.data());
    return mac;
}

FrameSender Other(FrameSender sender) {
    return sender == FrameSender::Host ? FrameSender::Member : FrameSender::Host;
}

}  // namespace

FrameSealer::FrameSealer(const FrameKey& key, const ConnectionNonce& nonce, FrameSender self)
    : key_(key), nonce_(nonce), self_(self) {
    EnsureSodium();
}

Bytes FrameSealer::Seal(std::span<const std::uint8_t> payload) {
    ByteWriter out;
    out.U32(static_cast<std::uint32_t>(payload.size() + kFrameMacSize));
    out.Raw(payload);
    out.Raw(FrameMac(key_, nonce_, self_, sent_++, payload));
    return out.Take();
}

std::optional<Bytes> FrameSealer::Open(std::span<const std::uint8_t> body) {
    if (body.size() <= kFrameMacSize) return std::nullopt;
    const auto payload = body.first(body.size() - kFrameMacSize);
    const Mac mac = FrameMac(key_, nonce_, Other(self_), received_, payload);
    if (!SameBytes(mac, body.last(kFrameMacSize))) return std::nullopt;
    ++received_;
    return Bytes(payload.begin(), payload.end());
}

std::optional<FrameFault> FrameReader::Feed(std::span<const std::uint8_t> bytes,
                                            std::vector<Bytes>& frames) {
    while (!fault_ && !bytes.empty()) {
        if (lengthRead_ < length_.size()) {
            length_[lengthRead_++] = bytes.front();
            bytes = bytes.subspan(1);
            if (lengthRead_ < length_.size()) continue;
            ByteReader in(length_);
            bodySize_ = in.U32();
            if (bodySize_ > kMaxFrameSize - kFrameLengthSize) fault_ = FrameFault::TooLarge;
            if (bodySize_ <= kFrameMacSize) fault_ = FrameFault::TooSmall;
            body_.clear();
            continue;
        }
        const std::size_t take = std::min(bytes.size(), bodySize_ - body_.size());
        body_.insert(body_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
        bytes = bytes.subspan(take);
        if (body_.size() == bodySize_) {
            frames.push_back(std::move(body_));
            body_ = {};
            lengthRead_ = 0;
        }
    }
    return fault_;
}

std::span<const std::uint8_t> UncheckedPayload(std::span<const std::uint8_t> body) {
    if (body.size() <= kFrameMacSize) return {};
    return body.first(body.size() - kFrameMacSize);
}

}  // namespace corvane::table
