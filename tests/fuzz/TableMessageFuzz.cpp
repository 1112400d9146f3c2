// Any bytes at all go through the message decoder: it never reads past them,
// and what it takes for a message has one encoding only, the one it was
// given (the same fields encoded again give the same bytes).
#include <cstdint>
#include <cstdlib>

#include "table/Message.h"

using namespace corvane::table;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const Decoded decoded = DecodeMessage(bytes);
    if (!decoded.message) return 0;
    const Message& message = *decoded.message;
    if (size > kMaxMessageSize || message.bytes.size() != size) std::abort();
    static const KeyPair keys = KeyPair::FromSeed(Secret{});
    const Bytes again = EncodeMessage(message.header, message.body, keys);
    // All but the sender and the signature, which are the other key's.
    if (again.size() != size || !std::equal(again.begin(), again.begin() + 34, data) ||
        !std::equal(again.begin() + 66, again.end() - 64, data + 66)) {
        std::abort();
    }
    return 0;
}
