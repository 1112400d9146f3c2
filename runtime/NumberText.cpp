#include "runtime/NumberText.h"

#include <charconv>
#include <cmath>

namespace corvane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberExtent {
    std::size_t end = 0;          // one past the last character of the number
    bool hasDigits = false;       // a number needs at least one mantissa digit
    long long magnitudeHint = 0;  // roughly the decimal exponent of the value
};

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// Finds where the number that starts at `at` ends, and how big it roughly is,
// so that an out-of-range result can be told apart as too big or too small.
NumberExtent MeasureNumber(std::string_view text, std::size_t at) {
    NumberExtent extent;
    long long leadingPlaces = 0;  // digits before the point, minus leading zeros
    long long zerosAfterPoint = 0;
    bool seenNonZero = false;

    for (; at < text.size() && IsDigit(text[at]); ++at) {
        extent.hasDigits = true;
        if (text[at] != '0') seenNonZero = true;
        if (seenNonZero) ++leadingPlaces;
    }
    if (at < text.size() && text[at] == '.') {
        ++at;
        for (; at < text.size() && IsDigit(text[at]); ++at) {
            extent.hasDigits = true;
            if (text[at] != '0') seenNonZero = true;
            if (!seenNonZero) ++zerosAfterPoint;
        }
    }
    extent.end = at;
    if (!extent.hasDigits) return extent;

    long long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t digitsAt = at + 1;
        bool negative = false;
        if (digitsAt < text.size() && (text[digitsAt] == '+' || text[digitsAt] == '-')) {
            negative = text[digitsAt] == '-';
            ++digitsAt;
        }
        const std::size_t digitsEnd = SkipDigits(text, digitsAt);
        if (digitsEnd > digitsAt) {
            for (std::size_t i = digitsAt; i < digitsEnd; ++i) {
                // Saturate: any exponent this large is out of range either way.
                if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
            }
            if (negative) exponent = -exponent;
            extent.end = digitsEnd;
        }
    }
    extent.magnitudeHint = exponent + (leadingPlaces > 0 ? leadingPlaces : -zerosAfterPoint);
    return extent;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const NumberExtent extent = MeasureNumber(text, at);
    if (!extent.hasDigits) return 0.0;

    double value = 0.0;
    const char* first = text.data() + at;
    const char* last = text.data() + extent.end;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (extent.magnitudeHint > 0) RaiseOverflow();
        value = 0.0;
    } else if (error != std::errc() || end != last) {
        // The extent was measured to hold exactly one number; anything else
        // would be a fault in this reader, never in the user's text.
        RaiseOverflow();
    }
    return negative ? -value : value;
}

Int16 RoundToInt16(double value) {
    if (std::isnan(value)) RaiseOverflow();
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) rounded = below + 1.0;
    if (rounded < INT16_MIN || rounded > INT16_MAX) RaiseOverflow();
    return Int16(static_cast<std::int16_t>(rounded));
}

Int16 FloorToInt16(double value) {
    const double below = std::floor(value);
    if (!(below >= INT16_MIN && below <= INT16_MAX)) RaiseOverflow();
    return Int16(static_cast<std::int16_t>(below));
}

std::string ToText(Int16 value) { return std::to_string(value.Value()); }

}  // namespace corvane
