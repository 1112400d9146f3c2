#pragma once

#include <array>
#include <optional>
#include <span>

#include "table/Bytes.h"

namespace corvane::table {

using PublicKey = std::array<std::uint8_t, 32>;
using Signature = std::array<std::uint8_t, 64>;
using Secret = std::array<std::uint8_t, 32>;

// A sealed box: an ephemeral public key and the MAC around one secret.
inline constexpr std::size_t kSealedSecretSize = 32 + 48;

// A member's Ed25519 key pair, made for one table.
class KeyPair {
public:
    // A fresh pair from the system's secure random bytes.
    static KeyPair Generate();
    // The pair a 32-byte seed makes: the same seed, the same pair.
    static KeyPair FromSeed(const Secret& seed);

    const PublicKey& Public() const { return public_; }
    Signature Sign(std::span<const std::uint8_t> message) const;
    // Opens a secret sealed to this pair's public key.
    std::optional<Secret> OpenSealed(std::span<const std::uint8_t> box) const;

private:
    PublicKey public_{};
    std::array<std::uint8_t, 64> secret_{};
};

// Starts libsodium once; every function here calls it first.
void EnsureSodium();

Hash Sha256(std::span<const std::uint8_t> bytes);
bool VerifySignature(const PublicKey& key, std::span<const std::uint8_t> message,
                     const Signature& signature);
// Equality in a time that does not depend on where the bytes differ.
bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b);
Secret RandomSecret();
// Encrypts a secret so that only the holder of `key`'s pair can read it.
std::optional<std::array<std::uint8_t, kSealedSecretSize>> SealTo(const PublicKey& key,
                                                                  const Secret& secret);

}  // namespace corvane::table
