// How the checker writes a round: what was asked, and what came of it.
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

}  // namespace corvane::table
