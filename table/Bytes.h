#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::table {

using Bytes = std::vector<std::uint8_t>;
using Hash = std::array<std::uint8_t, 32>;

// Appends numbers big-endian and texts with a one-byte length: the one
// canonical encoding that is signed and hashed.
class ByteWriter {
public:
    void U8(std::uint8_t value) { bytes_.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void U64(std::uint64_t value);
    void I16(std::int16_t value) { U16(static_cast<std::uint16_t>(value)); }
    void Raw(std::span<const std::uint8_t> bytes);
    void Text(std::string_view text);

    const Bytes& Written() const { return bytes_; }
    Bytes Take() { return std::move(bytes_); }

private:
    Bytes bytes_;
};

// Reads what ByteWriter wrote. Never reads past the end: once a read falls
// short, every later read fails too, and Failed() says so.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::uint64_t U64();
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    // `count` bytes, or empty and failed when fewer are left.
    std::span<const std::uint8_t> Raw(std::size_t count);
    template <std::size_t N>
    std::array<std::uint8_t, N> Fixed() {
        std::array<std::uint8_t, N> out{};
        const auto read = Raw(N);
        if (!read.empty()) std::copy(read.begin(), read.end(), out.begin());
        return out;
    }
    // A text as ByteWriter::Text wrote it: at most 255 bytes.
    std::string Text();

    bool AtEnd() const { return offset_ == bytes_.size(); }
    bool Failed() const { return failed_; }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    bool failed_ = false;
};

// Lower-case hexadecimal, two digits a byte.
std::string ToHex(std::span<const std::uint8_t> bytes);
// The bytes of an even-length hexadecimal text; nothing for any other text.
std::optional<Bytes> FromHex(std::string_view text);

}  // namespace corvane::table
