#include "table/Transcript.h"

#include <charconv>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

namespace corvane::table {
namespace {

constexpr std::string_view kFirstLine = "corvane-table-transcript 1";
// Hexadecimal of the largest message, its time and the space between.
constexpr std::size_t kMaxLineSize = 2 * kMaxMessageSize + 21;
// Larger than a long evening's transcript by far, small enough to read whole.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t{256} << 20;

std::optional<Entry> ParseEntry(std::string_view line) {
    if (line.size() > kMaxLineSize) return std::nullopt;
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos || space == 0) return std::nullopt;
    Entry entry;
    const auto [end, error] = std::from_chars(line.data(), line.data() + space, entry.timeMs);
    if (error != std::errc() || end != line.data() + space) return std::nullopt;
    auto bytes = FromHex(line.substr(space + 1));
    if (!bytes) return std::nullopt;
    entry.message = std::move(*bytes);
    return entry;
}

}  // namespace

std::string WriteTranscript(std::span<const Entry> entries) {
    std::string text(kFirstLine);
    text += '\n';
    for (const Entry& entry : entries) {
        text += std::to_string(entry.timeMs) + ' ' + ToHex(entry.message) + '\n';
    }
    return text;
}

CheckReport CheckTranscript(std::string_view text) {
    CheckReport report;
    const std::size_t firstEnd = text.find('\n');
    if (text.substr(0, firstEnd) != kFirstLine) {
        report.readable = false;
        return report;
    }
    TableState table;
    std::size_t at = firstEnd == std::string_view::npos ? text.size() : firstEnd + 1;
    std::size_t entry = 0;
    while (at < text.size() && !report.fault) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++entry;
        const std::optional<Entry> parsed = ParseEntry(line);
        report.fault = parsed ? table.Apply(parsed->timeMs, parsed->message)
                              : Fault{Refusal::UnreadableEntry, DecodeFault::Truncated, 0, {}};
        if (report.fault) report.faultEntry = entry;
    }
    for (const Round& round : table.Rounds()) {
        report.lines.push_back(DescribeRound(round, table.Seats()));
    }
    report.lines.push_back(report.fault ? DescribeFault(report.faultEntry, *report.fault)
                                        : "every round checks");
    return report;
}

std::string DescribeFault(std::size_t entry, const Fault& fault) {
    std::string text = "fault at entry " + std::to_string(entry);
    if (fault.round != 0) text += ", round " + std::to_string(fault.round);
    if (!fault.member.empty()) text += ", member " + fault.member;
    text += ": ";
    text += fault.reason == Refusal::Malformed ? DecodeFaultText(fault.decode)
                                               : RefusalText(fault.reason);
    return text;
}

int VerifyTranscriptFile(const char* path, std::ostream& out) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    const bool fits = !error && size <= kMaxFileSize && file;
    if (fits) text << file.rdbuf();
    const CheckReport report =
        fits && file ? CheckTranscript(text.str()) : CheckReport{false, {}, {}, 0};
    if (!report.readable) {
        out << path << ": not a table transcript that can be read\n";
        return 2;
    }
    for (const std::string& line : report.lines) out << line << '\n';
    return report.fault ? 1 : 0;
}

}  // namespace corvane::table
