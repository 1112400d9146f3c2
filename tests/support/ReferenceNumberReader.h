#pragma once

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::testing_support {

// A slow, plain reader of the leading number of a text, written separately
// from the program's so the two can be checked against each other. It copies
// the characters that form the number and lets the C library convert them.
// Returns nothing where the number is too large for a double.
inline std::optional<double> ReferenceLeadingNumber(std::string_view text) {
    auto digit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::size_t i = 0;
    while (i < text.size() && std::string_view(" \t\r\n").find(text[i]) != std::string_view::npos)
        ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool anyDigit = false;
    while (digit(i)) {
        number += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && text[i] == '.') {
        number += text[i++];
        while (digit(i)) {
            number += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        if (digit(j)) {
            while (digit(j)) exponent += text[j++];
            number += exponent;
        }
    }
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (std::isinf(value)) return std::nullopt;
    return value;
}

// True when the two readings are the same number; values too small to tell
// from zero count as the same whichever way they came out.
inline bool SameReading(double actual, double reference) {
    if (std::fabs(reference) < DBL_MIN) return std::fabs(actual) < DBL_MIN;
    return actual == reference;
}

// Nearest integer, halves to even, within -32768..32767; nothing outside.
inline std::optional<int> ReferenceRound(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode is to-even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace corvane::testing_support
