// How the checker writes a round (what was asked, and what came of it) and
// why it refused an entry.
#include <string>

#include "table/Transcript.h"

namespace corvane::table {
namespace {

std::string Number(std::int64_t n) { return std::to_string(n); }

std::string RequestText(const Round& round) {
    const RequestBody& r = round.request;
    switch (r.roll) {
        case RollKind::NewRoll: {
            std::string text = r.seal == Seal::Public ? "new roll" : "sealed new roll";
            if (r.seal == Seal::Hidden && !round.unsealed) return text + " (pool hidden)";
            return text + " of " + Number(round.dice) + " dice at " + Number(round.target);
        }
        case RollKind::RerollFailures:
            return "reroll failures of round " + Number(r.earlier);
        case RollKind::RerollFromMarker:
            return "reroll from marker " + Number(r.marker) + " of round " + Number(r.earlier);
    }
    return "roll";
}

const char* RollFaultText(RollFault fault) {
    switch (fault) {
        case RollFault::DiceField:
            return "the dice count is past the limits";
        case RollFault::TargetField:
            return "the target is past the limits";
        case RollFault::TotalThisTime:
            return "the dice added up past 32767";
        case RollFault::TotalTooLarge:
            return "the pool is too large";
        case RollFault::RerollTooLarge:
            return "the reroll's dice would pass the limit";
        case RollFault::PoolOutOfStep:
            return "the pool is out of step";
    }
    return "the roll stopped";
}

std::string ResultText(const RoundResult& result) {
    if (result.fault) return std::string("failed: ") + RollFaultText(*result.fault);
    if (result.outcome != RollOutcome::Completed) return "refused: " + result.refusal;
    const RollerState& s = result.state;
    std::string text;
    for (Int16 die : s.DiceResults.Dice()) text += Number(die.Value()) + ' ';
    text += "(successes " + Number(s.Successes.Value()) + ", high " + Number(s.HighRoll.Value()) +
            ", total " + Number(s.TotalRoll.Value());
    return text + (s.IsBotch() ? ", botch)" : ")");
}

// The members of the round who have not revealed.
std::string Missing(const Round& round, const std::vector<Seat>& seats) {
    std::string names;
    for (const Participant& p : round.participants) {
        if (p.revealed) continue;
        if (!names.empty()) names += ", ";
        names += seats[p.seat].name;
    }
    return names;
}

}  // namespace

std::string DescribeRound(const Round& round, const std::vector<Seat>& seats) {
    std::string text = "round " + Number(round.number) + " by " + seats[round.requester].name +
                       ": " + RequestText(round);
    switch (round.status) {
        case RoundStatus::Open:
            return text + ": waiting for " + Missing(round, seats);
        case RoundStatus::Abandoned:
            return text + ": abandoned, not revealed by " + Missing(round, seats);
        case RoundStatus::Sealed:
            return text + ": sealed, not unsealed";
        case RoundStatus::Done:
            break;
    }
    if (round.unsealed) text += ", unsealed";
    return text + ": " + ResultText(*round.result);
}

const char* RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::UnreadableEntry:
            return "entry is not a time and a message";
        case Refusal::Malformed:
            return "malformed message";
        case Refusal::TimeBackwards:
            return "entry time before the previous entry's";
        case Refusal::NotOpenedFirst:
            return "the table is not opened first";
        case Refusal::AlreadyOpened:
            return "the table is already open";
        case Refusal::WrongTable:
            return "message for another table";
        case Refusal::UnknownMember:
            return "sender is not a member";
        case Refusal::AlreadyMember:
            return "key already at the table";
        case Refusal::TooManyMembers:
            return "the table is full";
        case Refusal::BadSignature:
            return "bad signature";
        case Refusal::Replayed:
            return "replayed message";
        case Refusal::OutOfOrder:
            return "message out of order";
        case Refusal::BadChain:
            return "wrong chain head";
        case Refusal::NotHost:
            return "only the host may send this";
        case Refusal::HostCannotLeave:
            return "the host cannot leave";
        case Refusal::MemberInRound:
            return "leaving during a round";
        case Refusal::RoundNumber:
            return "wrong round number";
        case Refusal::RoundStillOpen:
            return "a round is still open";
        case Refusal::NotLatestPool:
            return "not the requester's latest pool";
        case Refusal::NoSuchRound:
            return "no such round";
        case Refusal::RoundClosed:
            return "round not open";
        case Refusal::NotParticipant:
            return "not a participant of the round";
        case Refusal::AlreadyRevealed:
            return "already revealed";
        case Refusal::WrongContribution:
            return "contribution of the wrong kind";
        case Refusal::WrongCommitment:
            return "secret does not match the commitment";
        case Refusal::TooEarly:
            return "abandoned before the time limit";
        case Refusal::NotSealed:
            return "round is not sealed and made";
        case Refusal::WrongSecretCount:
            return "wrong number of secrets";
        case Refusal::WrongPool:
            return "pool or target do not match the request";
    }
    return "refused";
}

}  // namespace corvane::table
