#pragma once

#include <string>
#include <string_view>

#include "runtime/Int16.h"

namespace corvane {

// The leading number of a text, 0 when the text does not begin with one.
//
// What it reads, in order:
//   - any blanks first: spaces, tabs, carriage returns and line feeds;
//   - an optional sign, "+" or "-";
//   - digits with an optional decimal part after "." (".5" and "5." count);
//   - an optional exponent: "e" or "E", an optional sign and at least one digit.
// Reading stops at the first character that does not fit, so "12abc" is 12,
// "1e" is 1 and "1 2" is 1. Nothing else is read: no "," as a decimal
// separator, no digit grouping, no hexadecimal, no digits other than 0-9.
// It only looks inside the text. A number too large for a double raises
// Overflow; one too small to tell from 0 reads as 0.
double LeadingNumber(std::string_view text);

// The nearest 16-bit integer, exact halves going to the even neighbour
// (2.5 gives 2, 3.5 gives 4). Raises Overflow outside -32768..32767.
Int16 RoundToInt16(double value);

// The largest integer not above the value. Raises Overflow outside -32768..32767.
Int16 FloorToInt16(double value);

// Plain decimal: a minus sign when negative, no blanks, no grouping.
std::string ToText(Int16 value);

}  // namespace corvane
