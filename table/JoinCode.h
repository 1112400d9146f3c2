#pragma once

#include <string>
#include <string_view>

namespace corvane::table {

// A new table's code: three words from a list of 256, chosen by the system's
// secure random bytes, as "amber fox lantern".
std::string NewJoinCode();

// A code as typed, as every program derives the table's key from it: letters
// in lower case, words apart by one space, whatever spaces or hyphens the
// player put between them, none at either end.
std::string NormalJoinCode(std::string_view typed);

}  // namespace corvane::table
