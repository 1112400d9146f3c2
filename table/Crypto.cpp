#include "table/Crypto.h"

#include <sodium.h>

#include <stdexcept>

namespace corvane::table {

void EnsureSodium() {
    static const bool ready = sodium_init() >= 0;
    if (!ready) throw std::runtime_error("libsodium could not start");
}

KeyPair KeyPair::Generate() {
    EnsureSodium();
    KeyPair pair;
    crypto_sign_keypair(pair.public_.data(), pair.secret_.data());
    return pair;
}

KeyPair KeyPair::FromSeed(const Secret& seed) {
    EnsureSodium();
    KeyPair pair;
    crypto_sign_seed_keypair(pair.public_.data(), pair.secret_.data(), seed.data());
    return pair;
}

Signature KeyPair::Sign(std::span<const std::uint8_t> message) const {
    Signature signature{};
    crypto_sign_detached(signature.data(), nullptr, message.data(), message.size(), secret_.data());
    return signature;
}

std::optional<Secret> KeyPair::OpenSealed(std::span<const std::uint8_t> box) const {
    std::array<std::uint8_t, 32> boxPublic{};
    std::array<std::uint8_t, 32> boxSecret{};
    if (box.size() != kSealedSecretSize ||
        crypto_sign_ed25519_pk_to_curve25519(boxPublic.data(), public_.data()) != 0 ||
        crypto_sign_ed25519_sk_to_curve25519(boxSecret.data(), secret_.data()) != 0) {
        return std::nullopt;
    }
    Secret secret{};
    const int opened = crypto_box_seal_open(secret.data(), box.data(), box.size(), boxPublic.data(),
                                            boxSecret.data());
    sodium_memzero(boxSecret.data(), boxSecret.size());
    if (opened != 0) return std::nullopt;
    return secret;
}

Hash Sha256(std::span<const std::uint8_t> bytes) {
    EnsureSodium();
    Hash hash{};
    crypto_hash_sha256(hash.data(), bytes.data(), bytes.size());
    return hash;
}

bool VerifySignature(const PublicKey& key, std::span<const std::uint8_t> message,
                     const Signature& signature) {
    EnsureSodium();
    return crypto_sign_verify_detached(signature.data(), message.data(), message.size(),
                                       key.data()) == 0;
}

bool SameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return a.size() == b.size() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

Secret RandomSecret() {
    EnsureSodium();
    Secret secret{};
    randombytes_buf(secret.data(), secret.size());
    return secret;
}

std::optional<std::array<std::uint8_t, kSealedSecretSize>> SealTo(const PublicKey& key,
                                                                  const Secret& secret) {
    EnsureSodium();
    std::array<std::uint8_t, 32> boxPublic{};
    if (crypto_sign_ed25519_pk_to_curve25519(boxPublic.data(), key.data()) != 0) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kSealedSecretSize> box{};
    crypto_box_seal(box.data(), secret.data(), secret.size(), boxPublic.data());
    return box;
}

}  // namespace corvane::table
