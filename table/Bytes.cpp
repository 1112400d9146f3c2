#include "table/Bytes.h"

namespace corvane::table {

void ByteWriter::U16(std::uint16_t value) {
    U8(static_cast<std::uint8_t>(value >> 8));
    U8(static_cast<std::uint8_t>(value));
}

void ByteWriter::U32(std::uint32_t value) {
    U16(static_cast<std::uint16_t>(value >> 16));
    U16(static_cast<std::uint16_t>(value));
}

void ByteWriter::U64(std::uint64_t value) {
    U32(static_cast<std::uint32_t>(value >> 32));
    U32(static_cast<std::uint32_t>(value));
}

void ByteWriter::Raw(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(std::string_view text) {
    U8(static_cast<std::uint8_t>(text.size()));
    for (char c : text) U8(static_cast<std::uint8_t>(c));
}

std::span<const std::uint8_t> ByteReader::Raw(std::size_t count) {
    if (failed_ || bytes_.size() - offset_ < count) {
        failed_ = true;
        return {};
    }
    const auto out = bytes_.subspan(offset_, count);
    offset_ += count;
    return out;
}

std::uint8_t ByteReader::U8() {
    const auto read = Raw(1);
    return read.empty() ? 0 : read[0];
}

std::uint16_t ByteReader::U16() {
    const auto high = U8();
    return static_cast<std::uint16_t>((high << 8) | U8());
}

std::uint32_t ByteReader::U32() {
    const std::uint32_t high = U16();
    return (high << 16) | U16();
}

std::uint64_t ByteReader::U64() {
    const std::uint64_t high = U32();
    return (high << 32) | U32();
}

std::string ByteReader::Text() {
    const std::size_t size = U8();
    const auto read = Raw(size);
    return {read.begin(), read.end()};
}

std::string ToHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 15]);
    }
    return out;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::optional<Bytes> FromHex(std::string_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    Bytes out;
    out.reserve(text.size() / 2);
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return out;
}

}  // namespace corvane::table
