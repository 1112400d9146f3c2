#pragma once

#include <optional>
#include <string>
#include <vector>

#include "table/Member.h"
#include "table/SeedStream.h"
#include "table/Transcript.h"

namespace corvane::testing_support {

// A table whose members' keys and secrets follow from their names, so the
// same script always makes the same transcript; the host is members[0].
class TableRig {
public:
    static constexpr std::uint64_t kStart = 1'765'000'000'000;

    explicit TableRig(const std::vector<std::string>& names, std::uint32_t limitMs = 30'000) {
        for (const std::string& name : names) Add(name);
        Enter(members[0].Open(limitMs, table::Nonce{}));
        for (std::size_t i = 1; i < members.size(); ++i) Join(i);
    }

    std::size_t Add(const std::string& name) {
        members.emplace_back(table::KeyPair::FromSeed(table::Sha256(Text(name))), name,
                             [name, n = 0]() mutable {
                                 return table::Sha256(Text(name + ' ' + std::to_string(n++)));
                             });
        return members.size() - 1;
    }
    std::optional<table::Fault> Join(std::size_t m) {
        return Enter(members[m].Join(state.TableId(), state.Head()));
    }

    // Enters a message `stepMs` after the previous; kept only when the table takes it.
    std::optional<table::Fault> Enter(const table::Bytes& message, std::uint64_t stepMs = 10) {
        now += stepMs;
        auto fault = state.Apply(now, message);
        if (!fault) entries.push_back({now, message});
        for (table::TableMember& member : members) {
            if (fault && std::equal(member.Key().begin(), member.Key().end(), &message[34])) {
                member.Withdraw();
            }
        }
        return fault;
    }

    // Asks for a round; every other present member notes its secret for it.
    std::optional<table::Fault> Request(std::size_t m, const table::RequestBody& request) {
        auto fault = Enter(members[m].Request(request, state.Head()));
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (i != m) members[i].NoteRound(request.round);
        }
        return fault;
    }
    std::optional<table::Fault> Reveal(std::size_t m, std::uint32_t round, bool sealed = false) {
        const table::PublicKey host = members[0].Key();
        return Enter(members[m].Reveal(round, state.Head(), sealed ? &host : nullptr));
    }
    // Reveals for every present member but those in `withheld`.
    void RevealAll(std::uint32_t round, const std::vector<std::size_t>& withheld = {},
                   bool sealed = false) {
        for (const table::Participant& p : state.Rounds()[round - 1].participants) {
            if (std::find(withheld.begin(), withheld.end(), p.seat) == withheld.end()) {
                Reveal(p.seat, round, sealed);
            }
        }
    }
    std::uint32_t NextRound() const {
        return static_cast<std::uint32_t>(state.Rounds().size() + 1);
    }
    const table::Round& Last() const { return state.Rounds().back(); }
    std::string Transcript() const { return table::WriteTranscript(entries); }

    static table::RequestBody NewRoll(std::uint32_t round, std::int16_t dice, std::int16_t target) {
        return {.round = round, .dice = dice, .target = target};
    }
    static table::RequestBody Reroll(std::uint32_t round, std::uint32_t earlier,
                                     std::int16_t marker = 0) {
        return {
            .round = round,
            .roll = marker ? table::RollKind::RerollFromMarker : table::RollKind::RerollFailures,
            .earlier = earlier,
            .marker = marker};
    }
    static table::Bytes Text(const std::string& text) { return {text.begin(), text.end()}; }

    std::vector<table::TableMember> members;
    table::TableState state;
    std::vector<table::Entry> entries;
    std::uint64_t now = kStart;
};

}  // namespace corvane::testing_support
