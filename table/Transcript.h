#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "table/TableState.h"

namespace corvane::table {

// One message as the host entered it, at the host's time in milliseconds.
struct Entry {
    std::uint64_t timeMs = 0;
    Bytes message;
};

// The file: a first line "corvane-table-transcript 1", then a line per
// entry: its time in decimal, a space, and the message in hexadecimal.
std::string WriteTranscript(std::span<const Entry> entries);

struct CheckReport {
    // False for a file that is not a transcript at all.
    bool readable = true;
    // A line per round, and a last one saying whether every round checks.
    std::vector<std::string> lines;
    std::optional<Fault> fault;
    // Counted from 1, the entry that was refused.
    std::size_t faultEntry = 0;
};

// Replays a transcript and describes every round; stops at the first entry
// the table refuses.
CheckReport CheckTranscript(std::string_view text);

std::string DescribeRound(const Round& round, const std::vector<Seat>& seats);
std::string DescribeFault(std::size_t entry, const Fault& fault);

// `--verify FILE`: prints the report; 0 when every round checks, 1 when one
// does not, 2 when the file cannot be read as a transcript.
int VerifyTranscriptFile(const char* path, std::ostream& out);

}  // namespace corvane::table
