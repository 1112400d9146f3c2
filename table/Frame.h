#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "table/Bytes.h"

namespace corvane::table {

// A frame on the wire: a 4-byte big-endian length, then that many bytes: the
// payload and its 32-byte HMAC-SHA256. The whole frame is at most 64 KiB.
inline constexpr std::size_t kMaxFrameSize = 64 * 1024;
inline constexpr std::size_t kFrameLengthSize = 4;
inline constexpr std::size_t kFrameMacSize = 32;

using FrameKey = std::array<std::uint8_t, 32>;
// Chosen by the host for each connection, so that a frame of one connection
// fails on any other.
using ConnectionNonce = std::array<std::uint8_t, 16>;

// The key every frame of a table carries its HMAC with: libsodium's password
// hash (Argon2id, its interactive limits) of the join code, salted with the
// table's identity. A captured frame lets nobody try codes quickly.
FrameKey DeriveFrameKey(std::string_view code, const Hash& table);

enum class FrameSender : std::uint8_t { Host = 0, Member = 1 };

// One end of one connection. Each HMAC covers the connection's nonce, who
// sent the frame and its number on the connection, so a frame replayed,
// reordered, reflected or moved to another connection does not open.
class FrameSealer {
public:
    FrameSealer(const FrameKey& key, const ConnectionNonce& nonce, FrameSender self);

    // The whole frame, length first; the payload is at most a frame's room.
    Bytes Seal(std::span<const std::uint8_t> payload);
    // The payload of the next frame from the other end, or nothing when it
    // does not carry that frame's HMAC.
    std::optional<Bytes> Open(std::span<const std::uint8_t> body);

private:
    FrameKey key_;
    ConnectionNonce nonce_;
    FrameSender self_;
    std::uint64_t sent_ = 0;
    std::uint64_t received_ = 0;
};

// The most a payload can hold.
inline constexpr std::size_t kMaxPayloadSize = kMaxFrameSize - kFrameLengthSize - kFrameMacSize;

enum class FrameFault {
    // A length past the frame limit: nothing more of it is read.
    TooLarge,
    // A length too short to hold a payload byte and an HMAC.
    TooSmall,
};

// Cuts a stream of bytes into frame bodies (payload and HMAC). It holds at
// most one unfinished frame, so a connection costs at most a frame of memory.
class FrameReader {
public:
    // Takes the bytes; every frame they finish goes to `frames`. After a
    // fault the stream cannot be read further.
    std::optional<FrameFault> Feed(std::span<const std::uint8_t> bytes, std::vector<Bytes>& frames);

private:
    std::array<std::uint8_t, kFrameLengthSize> length_{};
    std::size_t lengthRead_ = 0;
    Bytes body_;
    std::size_t bodySize_ = 0;
    std::optional<FrameFault> fault_;
};

// A frame's payload read before its HMAC can be checked, as a member reads
// the host's first frame to learn the table it must derive the key for.
std::span<const std::uint8_t> UncheckedPayload(std::span<const std::uint8_t> body);

}  // namespace corvane::table
