// The decoder's bounds: every message past them is refused, with its reason.
#include <gtest/gtest.h>

#include "TableRig.h"

namespace corvane::table {
namespace {

using testing_support::TableRig;

const KeyPair& Keys() {
    static const KeyPair keys = KeyPair::Generate();
    return keys;
}

Bytes Encoded(const Body& body) { return EncodeMessage(Header{}, body, Keys()); }

struct DecodeCase {
    const char* what;
    Bytes bytes;
    std::optional<DecodeFault> fault;
};

TEST(MessageTest, TheDecoderHoldsToItsBounds) {
    Bytes longest = Encoded(UnsealBody{1, {}, 1, 1, std::vector<Secret>(16)});
    Bytes seventeen = Encoded(UnsealBody{1, {}, 1, 1, std::vector<Secret>(17)});
    Bytes trailing = Encoded(LeaveBody{});
    trailing.insert(trailing.end() - 64, 0);
    Bytes cut = Encoded(JoinBody{"Bo"});
    cut.erase(cut.begin() + 140, cut.end());
    Bytes unknownKind = Encoded(LeaveBody{});
    unknownKind[1] = 9;
    const DecodeCase rows[] = {
        {"sixteen secrets", longest, std::nullopt},
        {"seventeen secrets", seventeen, DecodeFault::BadField},
        {"past the largest size", Bytes(kMaxMessageSize + 1), DecodeFault::Oversized},
        {"empty", Bytes{}, DecodeFault::Truncated},
        {"cut short", cut, DecodeFault::Truncated},
        {"a byte too many", trailing, DecodeFault::TrailingBytes},
        {"unknown version", Bytes(200, 2), DecodeFault::UnknownVersion},
        {"unknown kind", unknownKind, DecodeFault::UnknownKind},
        {"name of 32 bytes", Encoded(JoinBody{std::string(32, 'x')}), std::nullopt},
        {"name of 33 bytes", Encoded(JoinBody{std::string(33, 'x')}), DecodeFault::BadField},
        {"empty name", Encoded(JoinBody{""}), DecodeFault::BadField},
        {"reveal limit too short", Encoded(OpenBody{"Ana", 999, {}}), DecodeFault::BadField},
        {"reveal limit too long", Encoded(OpenBody{"Ana", 600'001, {}}), DecodeFault::BadField},
        {"round 0", Encoded(AbandonBody{0}), DecodeFault::BadField},
        {"the last round", Encoded(AbandonBody{kMaxRound}), std::nullopt},
        {"past the last round", Encoded(AbandonBody{kMaxRound + 1}), DecodeFault::BadField},
        {"no dice", Encoded(TableRig::NewRoll(1, 0, 4)), DecodeFault::BadField},
        {"a reroll of its own round", Encoded(TableRig::Reroll(2, 2)), DecodeFault::BadField},
        {"a reveal of 31 bytes", Encoded(RevealBody{1, Bytes(31)}), DecodeFault::BadField},
        {"a sealed reveal", Encoded(RevealBody{1, Bytes(80)}), std::nullopt},
    };
    for (const DecodeCase& row : rows) {
        const Decoded decoded = DecodeMessage(row.bytes);
        EXPECT_EQ(decoded.message ? std::nullopt : std::optional(decoded.fault), row.fault)
            << row.what;
    }
    EXPECT_LE(longest.size(), kMaxMessageSize);
}

}  // namespace
}  // namespace corvane::table
