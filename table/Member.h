#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "table/Message.h"

namespace corvane::table {

// One member's side of the table: its keys, its counter, and the secrets it
// has committed to. Every message it makes is signed and commits to a fresh
// secret; the secret committed before a round's request is the one it
// reveals for that round.
class TableMember {
public:
    using SecretSource = std::function<Secret()>;

    TableMember(KeyPair keys, std::string name, SecretSource secrets = RandomSecret);

    const PublicKey& Key() const { return keys_.Public(); }
    const std::string& Name() const { return name_; }

    // The host's first message; the table's identity is its hash.
    Bytes Open(std::uint32_t revealLimitMs, const Nonce& nonce);
    Bytes Join(const Hash& table, const Hash& chain);
    Bytes Leave(const Hash& chain);
    Bytes Request(const RequestBody& request, const Hash& chain);
    // Keeps the secret now committed to for a round another member asked for.
    void NoteRound(std::uint32_t round);
    // The round's secret in the clear, or sealed to the host's key.
    Bytes Reveal(std::uint32_t round, const Hash& chain, const PublicKey* sealTo = nullptr);
    Bytes Abandon(std::uint32_t round, const Hash& chain);
    Bytes Unseal(const UnsealBody& unseal, const Hash& chain);
    Bytes Remove(const PublicKey& member, const Hash& chain);

    std::optional<Secret> ContributionFor(std::uint32_t round) const;
    // Takes back the last message, which the table refused: the table still
    // holds this member to the counter and commitment before it.
    void Withdraw() {
        --counter_;
        next_ = previous_;
    }
    // What a member sealed to this one's key: the host reads the secrets of
    // a sealed round with it.
    std::optional<Secret> OpenSealed(std::span<const std::uint8_t> box) const {
        return keys_.OpenSealed(box);
    }

private:
    Bytes Send(Body body, const Hash& chain);

    KeyPair keys_;
    std::string name_;
    SecretSource source_;
    Hash table_{};
    std::uint32_t counter_ = 0;
    Secret next_{};
    Secret previous_{};
    std::map<std::uint32_t, Secret> contributions_;
};

}  // namespace corvane::table
