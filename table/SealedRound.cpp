#include "table/SealedRound.h"

#include "table/SeedStream.h"

namespace corvane::table {

std::optional<std::vector<Secret>> OpenSealedSecrets(const Round& round, const TableMember& host) {
    if (round.status != RoundStatus::Sealed) return std::nullopt;
    std::vector<Secret> secrets;
    for (const Participant& participant : round.participants) {
        const std::optional<Secret> secret = host.OpenSealed(participant.sealed);
        if (!secret) return std::nullopt;
        secrets.push_back(*secret);
    }
    return secrets;
}

RoundResult SealedDice(const TableState& table, const Round& round,
                       const std::vector<Secret>& secrets, std::int16_t dice, std::int16_t target) {
    const Hash seed = RoundSeed(table.TableId(), round.number, round.requestBytes, secrets);
    return RollRound(RollKind::NewRoll, dice, target, 0, nullptr, seed);
}

}  // namespace corvane::table
