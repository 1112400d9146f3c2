// Transcripts changed after the fact: the checker names the first entry that
// does not hold, the round and the member, and why.
#include <gtest/gtest.h>

#include "TableRig.h"

namespace corvane::table {
namespace {

using testing_support::TableRig;

constexpr std::size_t kHeader = 134;  // version, kind, table, sender, counter, chain, commit

// Ana hosts Bo and Cy: a public round, a hidden sealed one unsealed, one
// abandoned, Cy leaves, and Bo rerolls his failures.
std::vector<Entry> Evening() {
    TableRig rig({"Ana", "Bo", "Cy"});
    rig.Request(1, TableRig::NewRoll(1, 6, 4));  // entry 4
    rig.RevealAll(1);
    RequestBody sealed = TableRig::NewRoll(2, 0, 0);  // entry 8
    sealed.seal = Seal::Hidden;
    const Nonce nonce{7};
    sealed.poolCommit = PoolCommitment(nonce, 5, 3);
    rig.Request(0, sealed);
    rig.RevealAll(2, {}, true);
    UnsealBody unseal{2, nonce, 5, 3, {}};
    for (std::size_t m = 0; m < 3; ++m)
        unseal.secrets.push_back(*rig.members[m].ContributionFor(2));
    rig.Enter(rig.members[0].Unseal(unseal, rig.state.Head()));  // entry 12
    rig.Request(2, TableRig::NewRoll(3, 2, 3));                  // entry 13
    rig.RevealAll(3, {1});
    rig.Enter(rig.members[0].Abandon(3, rig.state.Head()), 30'000);  // entry 16
    rig.Enter(rig.members[2].Leave(rig.state.Head()));               // entry 17
    rig.Request(1, TableRig::Reroll(4, 1));                          // entry 18
    rig.RevealAll(4);
    return rig.entries;
}

CheckReport Check(const std::vector<Entry>& entries) {
    return CheckTranscript(WriteTranscript(entries));
}

TEST(TamperTest, TheEveningChecksAsWritten) {
    const std::vector<Entry> entries = Evening();
    ASSERT_EQ(entries.size(), 20U);
    const CheckReport report = Check(entries);
    ASSERT_FALSE(report.fault) << report.lines.back();
    EXPECT_EQ(report.lines.size(), 5U);
}

using Change = std::function<void(std::vector<Entry>&)>;
constexpr std::size_t kLast = ~std::size_t{0};  // the signature's last byte

Change Flip(std::size_t entry, std::size_t offset) {
    return [=](std::vector<Entry>& e) {
        Bytes& bytes = e[entry - 1].message;
        bytes[offset == kLast ? bytes.size() - 1 : offset] ^= 0x80;
    };
}

struct Tamper {
    const char* what;
    Change change;
    std::size_t entry;  // counted from 1
    Refusal expected;
    const char* member;
};

// One byte changed in each field of each kind of message, and entries moved.
TEST(TamperTest, TheFirstChangeIsNamed) {
    const Tamper rows[] = {
        {"open version", Flip(1, 0), 1, Refusal::Malformed, ""},
        {"open reveal limit", Flip(1, kHeader + 4), 1, Refusal::Malformed, ""},
        {"open nonce", Flip(1, kHeader + 8), 1, Refusal::BadSignature, "Ana"},
        {"join kind", Flip(2, 1), 2, Refusal::Malformed, ""},
        {"join name", Flip(2, kHeader + 1), 2, Refusal::BadSignature, ""},
        {"join table", Flip(2, 2), 2, Refusal::BadSignature, "Bo"},
        {"request sender", Flip(4, 34), 4, Refusal::UnknownMember, ""},
        {"request counter", Flip(4, 66), 4, Refusal::BadSignature, "Bo"},
        {"request chain", Flip(4, 70), 4, Refusal::BadSignature, "Bo"},
        {"request commitment", Flip(4, 102), 4, Refusal::BadSignature, "Bo"},
        {"request round", Flip(4, kHeader), 4, Refusal::Malformed, ""},
        {"request roll", Flip(4, kHeader + 4), 4, Refusal::Malformed, ""},
        {"request seal", Flip(4, kHeader + 5), 4, Refusal::Malformed, ""},
        {"request dice", Flip(4, kHeader + 6), 4, Refusal::Malformed, ""},
        {"request target", Flip(4, kHeader + 8), 4, Refusal::BadSignature, "Bo"},
        {"request earlier", Flip(4, kHeader + 10), 4, Refusal::Malformed, ""},
        {"request marker", Flip(4, kHeader + 14), 4, Refusal::Malformed, ""},
        {"request pool commitment", Flip(8, kHeader + 16), 8, Refusal::BadSignature, "Ana"},
        {"reveal size", Flip(5, kHeader + 4), 5, Refusal::Malformed, ""},
        {"reveal secret", Flip(6, kHeader + 5), 6, Refusal::BadSignature, "Bo"},
        {"sealed reveal box", Flip(10, kHeader + 20), 10, Refusal::BadSignature, "Bo"},
        {"unseal nonce", Flip(12, kHeader + 4), 12, Refusal::BadSignature, "Ana"},
        {"unseal secret", Flip(12, kHeader + 30), 12, Refusal::BadSignature, "Ana"},
        {"abandon round", Flip(16, kHeader + 3), 16, Refusal::BadSignature, "Ana"},
        {"leave signature", Flip(17, kLast), 17, Refusal::BadSignature, "Cy"},
        {"reroll earlier", Flip(18, kHeader + 13), 18, Refusal::Malformed, ""},
        {"members reordered", [](auto& e) { std::swap(e[1], e[2]); }, 2, Refusal::BadChain, ""},
        {"reveal replayed", [](auto& e) { e.insert(e.begin() + 6, e[5]); }, 7, Refusal::Replayed,
         ""},
        {"reveals swapped", [](auto& e) { std::swap(e[4], e[5]); }, 5, Refusal::BadChain, ""},
        {"reveal moved to a later round",
         [](auto& e) {
             e.insert(e.begin() + 18, e[5]);
             e[18].timeMs = e[17].timeMs;
         },
         19, Refusal::Replayed, ""},
        {"entry time moved back", [](auto& e) { e[6].timeMs -= 11; }, 7, Refusal::TimeBackwards,
         ""},
        {"entry time moved on", [](auto& e) { e[5].timeMs += 1; }, 7, Refusal::BadChain, ""},
        {"abandoned early", [](auto& e) { e[15].timeMs -= 20'000; }, 16, Refusal::TooEarly, ""},
        {"round dropped", [](auto& e) { e.erase(e.begin() + 12, e.begin() + 16); }, 13,
         Refusal::OutOfOrder, ""},
    };
    for (const Tamper& row : rows) {
        std::vector<Entry> entries = Evening();
        row.change(entries);
        const CheckReport report = Check(entries);
        ASSERT_TRUE(report.fault) << row.what;
        EXPECT_EQ(report.faultEntry, row.entry) << row.what << ": " << report.lines.back();
        EXPECT_EQ(report.fault->reason, row.expected) << row.what << ": " << report.lines.back();
        if (*row.member) {
            EXPECT_EQ(report.fault->member, row.member) << row.what;
        }
    }
}

// Every byte of every message, changed, stops the check at that entry.
TEST(TamperTest, NoByteCanChangeUnseen) {
    const std::vector<Entry> evening = Evening();
    for (std::size_t e = 0; e < evening.size(); ++e) {
        for (std::size_t at = 0; at < evening[e].message.size(); at += 7) {
            std::vector<Entry> entries = evening;
            entries[e].message[at] ^= 0x01;
            const CheckReport report = Check(entries);
            ASSERT_TRUE(report.fault) << e << ' ' << at;
            EXPECT_EQ(report.faultEntry, e + 1) << e << ' ' << at;
        }
    }
}

}  // namespace
}  // namespace corvane::table
