// Any bytes at all, cut into pieces anywhere, go through a member's frame
// reader, its HMAC check and the payload decoder: nothing reads past what it
// was given or holds more than a frame, and every payload that decodes has
// one encoding, the bytes it came as.
#include <cstdint>
#include <cstdlib>

#include "table/Wire.h"

using namespace corvane::table;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte says where the stream is cut.
    const std::size_t cut = data[0] % 64 + 1;
    const std::span<const std::uint8_t> stream(data + 1, size - 1);
    FrameReader reader;
    std::vector<Bytes> frames;
    for (std::size_t at = 0; at < stream.size(); at += cut) {
        if (reader.Feed(stream.subspan(at, std::min(cut, stream.size() - at)), frames)) break;
    }
    // The key of the zero code; frames the fuzzer makes rarely carry its
    // HMAC, so the payload decoder reads each frame unchecked as well.
    static const FrameKey key{};
    FrameSealer member(key, ConnectionNonce{}, FrameSender::Member);
    for (const Bytes& body : frames) {
        if (body.size() > kMaxFrameSize - kFrameLengthSize) std::abort();
        (void)member.Open(body);
        const auto payload = UncheckedPayload(body);
        const auto read = DecodePayload(payload);
        if (read && EncodePayload(*read) != Bytes(payload.begin(), payload.end())) std::abort();
    }
    return 0;
}
