// The transcript checker on any file at all: it returns, with a line for
// every round it took and a last line that says how the check ended.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "table/Transcript.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text = "corvane-table-transcript 1\n";
    text.append(reinterpret_cast<const char*>(data), size);
    const corvane::table::CheckReport report = corvane::table::CheckTranscript(text);
    if (!report.readable || report.lines.empty()) std::abort();
    return 0;
}
