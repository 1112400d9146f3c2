// Rounds as a table lives them: withheld reveals, sealed rolls, members who
// come and go, and messages the table refuses without changing.
#include <gtest/gtest.h>

#include <tuple>

#include "TableRig.h"
#include "table/SealedRound.h"

namespace corvane::table {
namespace {

using testing_support::TableRig;

std::string Line(const TableRig& rig, std::size_t round) {
    return DescribeRound(rig.state.Rounds()[round - 1], rig.state.Seats());
}

TEST(RoundsTest, AWithheldRevealAbandonsTheRoundOnlyAfterTheLimit) {
    TableRig rig({"Ana", "Bo", "Cy"}, 5'000);
    rig.Request(1, TableRig::NewRoll(1, 4, 4));
    rig.RevealAll(1, {0, 2});
    EXPECT_EQ(Line(rig, 1), "round 1 by Bo: new roll of 4 dice at 4: waiting for Ana, Cy");
    // Until the round is over, no other can start.
    EXPECT_EQ(rig.Request(2, TableRig::NewRoll(2, 1, 1))->reason, Refusal::RoundStillOpen);
    EXPECT_EQ(rig.Enter(rig.members[0].Abandon(1, rig.state.Head()), 4'000)->reason,
              Refusal::TooEarly);
    EXPECT_FALSE(rig.Enter(rig.members[0].Abandon(1, rig.state.Head()), 1'000));
    EXPECT_EQ(Line(rig, 1),
              "round 1 by Bo: new roll of 4 dice at 4: abandoned, not revealed by Ana, Cy");
    // A late reveal changes nothing.
    EXPECT_EQ(rig.Reveal(2, 1)->reason, Refusal::RoundClosed);
    EXPECT_EQ(CheckTranscript(rig.Transcript()).lines.back(), "every round checks");
}

TEST(RoundsTest, ASealedRollIsHiddenUntilTheHostUnsealsIt) {
    TableRig rig({"Ana", "Bo"});
    RequestBody sealed = TableRig::NewRoll(1, 0, 0);
    sealed.seal = Seal::Hidden;
    const Nonce nonce{1, 2, 3};
    sealed.poolCommit = PoolCommitment(nonce, 12, 5);
    EXPECT_EQ(rig.Request(1, sealed)->reason, Refusal::NotHost);
    ASSERT_FALSE(rig.Request(0, sealed));
    rig.RevealAll(1, {}, true);
    EXPECT_EQ(Line(rig, 1), "round 1 by Ana: sealed new roll (pool hidden): sealed, not unsealed");
    EXPECT_EQ(CheckTranscript(rig.Transcript()).lines[0], Line(rig, 1));

    // The host sees the dice first; everyone sees the same once it unseals.
    const auto secrets = OpenSealedSecrets(rig.Last(), rig.members[0]);
    ASSERT_TRUE(secrets);
    EXPECT_EQ((*secrets)[1], *rig.members[1].ContributionFor(1));
    const RoundResult hostView = SealedDice(rig.state, rig.Last(), *secrets, 12, 5);
    const UnsealBody unseal{1, nonce, 12, 5, *secrets};
    UnsealBody wrongPool = unseal, wrongSecret = unseal;
    wrongPool.dice = 13;
    wrongSecret.secrets[1][0] ^= 1;
    for (const auto& [body, reason, member] :
         {std::tuple(wrongPool, Refusal::WrongPool, "Ana"),
          std::tuple(wrongSecret, Refusal::WrongCommitment, "Bo")}) {
        const auto fault = rig.Enter(rig.members[0].Unseal(body, rig.state.Head()));
        EXPECT_EQ(fault->reason, reason);
        EXPECT_EQ(fault->member, member);
    }
    ASSERT_FALSE(rig.Enter(rig.members[0].Unseal(unseal, rig.state.Head())));
    EXPECT_EQ(rig.Last().result->state, hostView.state);
    EXPECT_EQ(Line(rig, 1).rfind("round 1 by Ana: sealed new roll of 12 dice at 5, unsealed: ", 0),
              0U);
}

TEST(RoundsTest, MembersJoinAndLeaveBetweenRounds) {
    TableRig rig({"Ana", "Bo"});
    rig.Request(0, TableRig::NewRoll(1, 3, 4));
    EXPECT_EQ(rig.Enter(rig.members[1].Leave(rig.state.Head()))->reason, Refusal::MemberInRound);
    const std::size_t cy = rig.Add("Cy");
    ASSERT_FALSE(rig.Join(cy));
    // Cy came after the request: the round is Ana's and Bo's.
    rig.RevealAll(1);
    EXPECT_EQ(rig.Last().status, RoundStatus::Done);
    ASSERT_FALSE(rig.Enter(rig.members[1].Leave(rig.state.Head())));
    rig.Request(2, TableRig::NewRoll(2, 3, 4));
    ASSERT_EQ(rig.Last().participants.size(), 2U);
    EXPECT_EQ(rig.Last().participants[1].seat, cy);
    EXPECT_EQ(rig.Reveal(1, 2)->reason, Refusal::UnknownMember);
    EXPECT_EQ(rig.Enter(rig.members[0].Leave(rig.state.Head()))->reason, Refusal::HostCannotLeave);
    // Bo's seat is free again: sixteen members fit, not seventeen.
    for (int i = 0; i < 14; ++i)
        ASSERT_FALSE(rig.Join(rig.Add(std::string(2, static_cast<char>('a' + i)))));
    EXPECT_EQ(rig.Join(rig.Add("one too many"))->reason, Refusal::TooManyMembers);
}

TEST(RoundsTest, OnlyTheHostRemovesAndNeverFromAnOpenRound) {
    TableRig rig({"Ana", "Bo", "Cy"});
    rig.Request(0, TableRig::NewRoll(1, 3, 4));
    const auto remove = [&rig](std::size_t by, std::size_t whom) {
        return rig.Enter(rig.members[by].Remove(rig.members[whom].Key(), rig.state.Head()));
    };
    EXPECT_EQ(remove(0, 2)->reason, Refusal::MemberInRound);
    rig.RevealAll(1);
    EXPECT_EQ(remove(1, 2)->reason, Refusal::NotHost);
    EXPECT_EQ(remove(0, 0)->reason, Refusal::HostCannotLeave);
    ASSERT_FALSE(remove(0, 2));
    EXPECT_FALSE(rig.state.Seats()[2].present);
    EXPECT_EQ(remove(0, 2)->reason, Refusal::UnknownMember);
    EXPECT_EQ(CheckTranscript(rig.Transcript()).fault, std::nullopt);
}

struct RerollCase {
    const char* what;
    std::size_t requester;
    RequestBody request;
    std::optional<Refusal> refusal;
};

TEST(RoundsTest, ARerollNamesTheRequestersLatestPool) {
    const RerollCase rows[] = {
        {"own latest pool", 1, TableRig::Reroll(3, 2), std::nullopt},
        {"own earlier pool", 1, TableRig::Reroll(3, 1), Refusal::NotLatestPool},
        {"another's pool", 0, TableRig::Reroll(3, 2), Refusal::NotLatestPool},
        {"from a marker", 1, TableRig::Reroll(3, 2, 2), std::nullopt},
        {"round number skipped", 1, TableRig::Reroll(4, 2), Refusal::RoundNumber},
    };
    for (const RerollCase& row : rows) {
        TableRig rig({"Ana", "Bo"});
        for (std::uint32_t r = 1; r <= 2; ++r) {
            rig.Request(1, TableRig::NewRoll(r, 6, 6));
            rig.RevealAll(r);
        }
        const Hash head = rig.state.Head();
        const auto fault = rig.Request(row.requester, row.request);
        EXPECT_EQ(fault ? std::optional(fault->reason) : std::nullopt, row.refusal) << row.what;
        if (fault) {
            EXPECT_EQ(rig.state.Head(), head) << row.what;
            continue;
        }
        rig.RevealAll(3);
        const RollerState& before = rig.state.Rounds()[1].result->state;
        const RollerState& after = rig.Last().result->state;
        EXPECT_EQ(after.DiceCount, before.DiceCount) << row.what;
        EXPECT_EQ(after.TargetNumber, before.TargetNumber) << row.what;
    }
}

}  // namespace
}  // namespace corvane::table
