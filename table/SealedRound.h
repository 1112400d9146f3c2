#pragma once

#include <optional>
#include <vector>

#include "table/Member.h"
#include "table/TableState.h"

namespace corvane::table {

// The host's side of a sealed round once every reveal is in: the secrets its
// members sealed to it, in member order, as its Unseal carries them; nothing
// when a box does not open with the host's key.
std::optional<std::vector<Secret>> OpenSealedSecrets(const Round& round, const TableMember& host);

// The dice of a sealed new roll as the host sees them before unsealing: the
// same dice every member computes once it is unsealed.
RoundResult SealedDice(const TableState& table, const Round& round,
                       const std::vector<Secret>& secrets, std::int16_t dice, std::int16_t target);

}  // namespace corvane::table
