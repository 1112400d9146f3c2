#include "table/Member.h"

#include <stdexcept>

namespace corvane::table {

TableMember::TableMember(KeyPair keys, std::string name, SecretSource secrets)
    : keys_(std::move(keys)), name_(std::move(name)), source_(std::move(secrets)) {}

Bytes TableMember::Send(Body body, const Hash& chain) {
    previous_ = next_;
    next_ = source_();
    Header header;
    header.table = table_;
    header.counter = counter_++;
    header.chain = chain;
    header.commit = Sha256(next_);
    return EncodeMessage(header, body, keys_);
}

Bytes TableMember::Open(std::uint32_t revealLimitMs, const Nonce& nonce) {
    Bytes bytes = Send(OpenBody{name_, revealLimitMs, nonce}, Hash{});
    table_ = Sha256(bytes);
    return bytes;
}

Bytes TableMember::Join(const Hash& table, const Hash& chain) {
    table_ = table;
    return Send(JoinBody{name_}, chain);
}

Bytes TableMember::Leave(const Hash& chain) { return Send(LeaveBody{}, chain); }
Bytes TableMember::Remove(const PublicKey& member, const Hash& chain) {
    return Send(RemoveBody{member}, chain);
}

Bytes TableMember::Request(const RequestBody& request, const Hash& chain) {
    NoteRound(request.round);
    return Send(request, chain);
}

void TableMember::NoteRound(std::uint32_t round) { contributions_[round] = next_; }

Bytes TableMember::Reveal(std::uint32_t round, const Hash& chain, const PublicKey* sealTo) {
    const Secret secret = contributions_.at(round);
    RevealBody reveal{round, Bytes(secret.begin(), secret.end())};
    if (sealTo) {
        const auto box = SealTo(*sealTo, secret);
        if (!box) throw std::invalid_argument("not a key one can seal to");
        reveal.contribution.assign(box->begin(), box->end());
    }
    return Send(reveal, chain);
}

Bytes TableMember::Abandon(std::uint32_t round, const Hash& chain) {
    return Send(AbandonBody{round}, chain);
}

Bytes TableMember::Unseal(const UnsealBody& unseal, const Hash& chain) {
    return Send(unseal, chain);
}

std::optional<Secret> TableMember::ContributionFor(std::uint32_t round) const {
    const auto found = contributions_.find(round);
    if (found == contributions_.end()) return std::nullopt;
    return found->second;
}

}  // namespace corvane::table
