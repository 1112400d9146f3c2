#include "table/SeedStream.h"

#include <string_view>

#include "runtime/Pcg32Random.h"
#include "table/Bytes.h"

namespace corvane::table {
namespace {
constexpr std::string_view kSeedLabel = "corvane table seed 1";
}

Hash RoundSeed(const Hash& table, std::uint32_t round, std::span<const std::uint8_t> request,
               std::span<const Secret> secrets) {
    ByteWriter out;
    for (char c : kSeedLabel) out.U8(static_cast<std::uint8_t>(c));
    out.Raw(table);
    out.U32(round);
    out.Raw(Sha256(request));
    for (const Secret& secret : secrets) out.Raw(secret);
    return Sha256(out.Written());
}

void SeedStream::Refill() {
    std::array<std::uint8_t, 40> input{};
    std::copy(seed_.begin(), seed_.end(), input.begin());
    for (std::size_t i = 0; i < 8; ++i) {
        input[32 + i] = static_cast<std::uint8_t>(block_ >> (56 - 8 * i));
    }
    ++block_;
    current_ = Sha256(input);
    used_ = 0;
}

float SeedStream::Next() {
    for (;;) {
        if (used_ == kDrawsPerBlock) Refill();
        const std::size_t at = 3 * used_++;
        const std::uint32_t k = (std::uint32_t{current_[at]} << 16) |
                                (std::uint32_t{current_[at + 1]} << 8) | current_[at + 2];
        if (auto fraction = EvenSixthsFraction(k)) return *fraction;
    }
}

}  // namespace corvane::table
