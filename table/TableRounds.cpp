// The rounds' messages: requests, reveals, abandoning and unsealing.
#include <algorithm>

#include "table/SeedStream.h"
#include "table/TableState.h"

namespace corvane::table {
namespace {

constexpr std::size_t kHost = 0;

bool Matches(const Secret& secret, const Hash& commit) { return SameBytes(Sha256(secret), commit); }

}  // namespace

std::optional<Fault> TableState::ApplyRequest(const RequestBody& request, const Message& message,
                                              std::uint64_t timeMs, std::size_t seat) {
    if (request.round != rounds_.size() + 1)
        return FaultOf(Refusal::RoundNumber, request.round, seat);
    if (OpenRound()) return FaultOf(Refusal::RoundStillOpen, request.round, seat);
    if (request.seal != Seal::Public && seat != kHost) {
        return FaultOf(Refusal::NotHost, request.round, seat);
    }
    if (request.roll != RollKind::NewRoll && request.earlier != seats_[seat].latestPool) {
        return FaultOf(Refusal::NotLatestPool, request.round, seat);
    }
    Round round;
    round.number = request.round;
    round.requester = seat;
    round.request = request;
    round.requestBytes = message.bytes;
    round.openedAt = timeMs;
    round.dice = request.dice;
    round.target = request.target;
    // Everyone present takes part, in the order they came to the table, each
    // with the commitment of its last message before this request.
    for (std::size_t i = 0; i < seats_.size(); ++i) {
        if (seats_[i].present)
            round.participants.push_back(Participant{i, seats_[i].commit, false, {}, {}});
    }
    rounds_.push_back(std::move(round));
    return std::nullopt;
}

std::optional<Fault> TableState::ApplyReveal(const RevealBody& reveal, std::size_t seat) {
    if (reveal.round > rounds_.size()) return FaultOf(Refusal::NoSuchRound, reveal.round, seat);
    Round& round = rounds_[reveal.round - 1];
    if (round.status != RoundStatus::Open) return FaultOf(Refusal::RoundClosed, reveal.round, seat);
    const auto participant = std::find_if(round.participants.begin(), round.participants.end(),
                                          [seat](const Participant& p) { return p.seat == seat; });
    if (participant == round.participants.end()) {
        return FaultOf(Refusal::NotParticipant, reveal.round, seat);
    }
    if (participant->revealed) return FaultOf(Refusal::AlreadyRevealed, reveal.round, seat);
    const bool sealed = round.request.seal != Seal::Public;
    if (reveal.contribution.size() != (sealed ? kSealedSecretSize : sizeof(Secret))) {
        return FaultOf(Refusal::WrongContribution, reveal.round, seat);
    }
    if (!sealed) {
        std::copy(reveal.contribution.begin(), reveal.contribution.end(),
                  participant->secret.begin());
        if (!Matches(participant->secret, participant->commit)) {
            participant->secret = {};
            return FaultOf(Refusal::WrongCommitment, reveal.round, seat);
        }
    }
    if (sealed) participant->sealed = reveal.contribution;
    participant->revealed = true;
    if (std::all_of(round.participants.begin(), round.participants.end(),
                    [](const Participant& p) { return p.revealed; })) {
        if (sealed) {
            round.status = RoundStatus::Sealed;
        } else {
            Finish(round);
        }
    }
    return std::nullopt;
}

std::optional<Fault> TableState::ApplyAbandon(const AbandonBody& abandon, std::uint64_t timeMs) {
    if (abandon.round > rounds_.size()) return FaultOf(Refusal::NoSuchRound, abandon.round, kHost);
    Round& round = rounds_[abandon.round - 1];
    if (round.status != RoundStatus::Open) {
        return FaultOf(Refusal::RoundClosed, abandon.round, kHost);
    }
    if (timeMs - round.openedAt < revealLimitMs_) {
        return FaultOf(Refusal::TooEarly, abandon.round, kHost);
    }
    round.status = RoundStatus::Abandoned;
    return std::nullopt;
}

std::optional<Fault> TableState::ApplyUnseal(const UnsealBody& unseal) {
    if (unseal.round > rounds_.size()) return FaultOf(Refusal::NoSuchRound, unseal.round, kHost);
    Round& round = rounds_[unseal.round - 1];
    if (round.status != RoundStatus::Sealed) {
        return FaultOf(Refusal::NotSealed, unseal.round, kHost);
    }
    if (unseal.secrets.size() != round.participants.size()) {
        return FaultOf(Refusal::WrongSecretCount, unseal.round, kHost);
    }
    for (std::size_t i = 0; i < unseal.secrets.size(); ++i) {
        if (!Matches(unseal.secrets[i], round.participants[i].commit)) {
            return FaultOf(Refusal::WrongCommitment, unseal.round, round.participants[i].seat);
        }
    }
    const RequestBody& request = round.request;
    const bool poolFits = request.seal == Seal::Hidden
                              ? SameBytes(PoolCommitment(unseal.nonce, unseal.dice, unseal.target),
                                          request.poolCommit)
                              : unseal.nonce == Nonce{} && unseal.dice == request.dice &&
                                    unseal.target == request.target;
    if (!poolFits) return FaultOf(Refusal::WrongPool, unseal.round, kHost);
    for (std::size_t i = 0; i < unseal.secrets.size(); ++i) {
        round.participants[i].secret = unseal.secrets[i];
    }
    round.dice = unseal.dice;
    round.target = unseal.target;
    round.unsealed = true;
    Finish(round);
    return std::nullopt;
}

void TableState::Finish(Round& round) {
    std::vector<Secret> secrets;
    for (const Participant& p : round.participants) secrets.push_back(p.secret);
    round.seed = RoundSeed(tableId_, round.number, round.requestBytes, secrets);
    const RequestBody& request = round.request;
    const RollerState* earlier = nullptr;
    if (request.roll != RollKind::NewRoll) earlier = &rounds_[request.earlier - 1].result->state;
    round.result =
        RollRound(request.roll, round.dice, round.target, request.marker, earlier, round.seed);
    round.status = RoundStatus::Done;
    if (round.result->outcome == RollOutcome::Completed && !round.result->fault) {
        seats_[round.requester].latestPool = round.number;
    }
}

}  // namespace corvane::table
