#pragma once

#include <optional>
#include <string>

namespace corvane {

// A table to sit at as the program starts, from its command line.
struct TableStart {
    enum class Role { Host, Join } role = Role::Host;
    std::string name;
    // The host's: empty for a new code of three words.
    std::string code;
    // The table's host, for joining.
    std::string host;
    // 0 lets the system choose a free port to host on.
    int port = 0;
};

struct CommandLine {
    std::optional<std::string> verify;
    std::optional<TableStart> table;
    bool help = false;
    bool version = false;
    // Why the options make no sense; the program then stops with status 2.
    std::string error;
};

// Reads the program's own options, those that start with "--"; Qt's own,
// with one dash, are left to Qt.
CommandLine ReadCommandLine(int argc, const char* const* argv);

// What --help prints.
extern const char kUsage[];

}  // namespace corvane
