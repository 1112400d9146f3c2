#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace corvane::testing_support {

// Reads a fuzzer's bytes as the values a target needs; past the end, zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::int16_t Word() { return static_cast<std::int16_t>(Byte() | (Byte() << 8)); }
    std::string Text(int longest) {
        static constexpr std::string_view kAlphabet = "0123456789012345.-+e E\t abc,\xC3\xA9";
        std::string text;
        for (int length = Byte() % (longest + 1); length > 0; --length) {
            const std::uint8_t b = Byte();
            text += b < 224 ? kAlphabet[b % kAlphabet.size()] : static_cast<char>(b);
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A property that failed: the fuzzer keeps the input that did it.
inline void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace corvane::testing_support
