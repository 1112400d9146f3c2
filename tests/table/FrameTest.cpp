#include <gtest/gtest.h>

#include "table/JoinCode.h"
#include "table/Wire.h"

namespace corvane::table {
namespace {

const Hash kTable = Sha256(Bytes{1, 2, 3});
const ConnectionNonce kNonce{7};

FrameKey Key(std::string_view code) {
    // Deriving a key takes a deliberate while: each code once.
    static const FrameKey right = DeriveFrameKey("amber fox lantern", kTable);
    static const FrameKey wrong = DeriveFrameKey("amber fox lanterns", kTable);
    return code == "right" ? right : wrong;
}

std::vector<Bytes> Bodies(const Bytes& stream, std::size_t chunk) {
    FrameReader reader;
    std::vector<Bytes> frames;
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        const auto piece = std::span(stream).subspan(at, std::min(chunk, stream.size() - at));
        EXPECT_EQ(reader.Feed(piece, frames), std::nullopt);
    }
    return frames;
}

TEST(FrameTest, OnlyTheNextFrameFromTheOtherEndOpens) {
    FrameSealer host(Key("right"), kNonce, FrameSender::Host);
    FrameSealer member(Key("right"), kNonce, FrameSender::Member);
    FrameSealer stranger(Key("wrong"), kNonce, FrameSender::Host);
    FrameSealer elsewhere(Key("right"), ConnectionNonce{8}, FrameSender::Host);
    const Bytes payload = EncodePayload(PingFrame{});
    const auto body = [](const Bytes& frame) { return std::span(frame).subspan(4); };
    const Bytes first = host.Seal(payload);
    const Bytes second = host.Seal(payload);

    EXPECT_FALSE(member.Open(body(stranger.Seal(payload)))) << "without the code";
    EXPECT_FALSE(member.Open(body(elsewhere.Seal(payload)))) << "from another connection";
    EXPECT_FALSE(member.Open(body(second))) << "out of order";
    EXPECT_FALSE(host.Open(body(first))) << "reflected to its sender";
    EXPECT_EQ(member.Open(body(first)), payload);
    EXPECT_FALSE(member.Open(body(first))) << "replayed";
    EXPECT_EQ(member.Open(body(second)), payload);
}

TEST(FrameTest, ReaderCutsAnyChunkingIntoTheSameFramesAndRefusesBadLengths) {
    FrameSealer host(Key("right"), kNonce, FrameSender::Host);
    const Bytes largest(kMaxPayloadSize, 0xAB);
    Bytes stream = host.Seal(Bytes{6});
    const Bytes big = host.Seal(largest);
    ASSERT_EQ(big.size(), kMaxFrameSize);
    stream.insert(stream.end(), big.begin(), big.end());
    for (const std::size_t chunk : {std::size_t{1}, std::size_t{5}, stream.size()}) {
        const std::vector<Bytes> frames = Bodies(stream, chunk);
        ASSERT_EQ(frames.size(), 2U) << chunk;
        EXPECT_EQ(frames[1].size(), kMaxFrameSize - kFrameLengthSize);
    }
    const struct {
        Bytes prefix;
        std::optional<FrameFault> fault;
    } rows[] = {
        {{0x00, 0x00, 0xFF, 0xFC}, std::nullopt},  // the largest body: still waiting for it
        {{0x00, 0x00, 0xFF, 0xFD}, FrameFault::TooLarge},
        {{0x00, 0xA0, 0x00, 0x00}, FrameFault::TooLarge},  // 10 MB, refused before any of it
        {{0x00, 0x00, 0x00, 0x21}, std::nullopt},
        {{0x00, 0x00, 0x00, 0x20}, FrameFault::TooSmall},
    };
    for (const auto& row : rows) {
        FrameReader reader;
        std::vector<Bytes> frames;
        EXPECT_EQ(reader.Feed(row.prefix, frames), row.fault) << ToHex(row.prefix);
        if (row.fault) {
            EXPECT_EQ(reader.Feed(Bytes(40), frames), row.fault);
        }
        EXPECT_TRUE(frames.empty());
    }
}

TEST(FrameTest, PayloadsReadBackAndNothingElseDoes) {
    const Bytes message(kMaxMessageSize, 1);
    const WirePayload payloads[] = {HelloFrame{kTable, kNonce},
                                    ReadyFrame{12, PublicKey{9}},
                                    EntryFrame{1'765'000'000'000, message},
                                    MessageFrame{message},
                                    RefusedFrame{Refusal::WrongPool},
                                    PingFrame{},
                                    ClosingFrame{}};
    for (const WirePayload& payload : payloads) {
        const Bytes bytes = EncodePayload(payload);
        const auto read = DecodePayload(bytes);
        ASSERT_TRUE(read) << payload.index();
        EXPECT_EQ(EncodePayload(*read), bytes);
        EXPECT_FALSE(DecodePayload(std::span(bytes).first(bytes.size() - 1)) &&
                     payload.index() != 3 && payload.index() != 2)
            << "cut short " << payload.index();
    }
    Bytes tooLong = EncodePayload(MessageFrame{message});
    tooLong.push_back(1);
    const Bytes refusals[] = {{}, {0}, {8}, {5, 29}, {6, 0}, tooLong};
    for (const Bytes& bytes : refusals) EXPECT_FALSE(DecodePayload(bytes)) << ToHex(bytes);
}

TEST(FrameTest, JoinCodesReadTheSameHoweverTyped) {
    const struct {
        std::string_view typed, code;
    } rows[] = {
        {"amber fox lantern", "amber fox lantern"},
        {"  Amber  FOX-lantern ", "amber fox lantern"},
        {"amber--fox\tlantern", "amber fox lantern"},
        {" - ", ""},
    };
    for (const auto& row : rows) EXPECT_EQ(NormalJoinCode(row.typed), row.code) << row.typed;
    const std::string code = NewJoinCode();
    EXPECT_EQ(NormalJoinCode(code), code);
    EXPECT_EQ(std::count(code.begin(), code.end(), ' '), 2) << code;
}

}  // namespace
}  // namespace corvane::table
