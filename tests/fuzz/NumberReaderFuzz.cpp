// Any bytes at all go through the number reader and the rounding: they may
// raise Overflow and nothing else, and must agree with the reference reader.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ReferenceNumberReader.h"
#include "runtime/NumberText.h"

using namespace corvane;
using namespace corvane::testing_support;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> expected = ReferenceLeadingNumber(text);
    double value = 0;
    try {
        value = LeadingNumber(text);
    } catch (const RuntimeError& error) {
        if (error.Number() != ErrorNumber::Overflow || expected) std::abort();
        return 0;
    }
    if (!expected || !SameReading(value, *expected)) std::abort();

    const std::optional<int> rounded = ReferenceRound(value);
    try {
        const Int16 actual = RoundToInt16(value);
        if (!rounded || actual.Value() != *rounded) std::abort();
    } catch (const RuntimeError& error) {
        if (error.Number() != ErrorNumber::Overflow || rounded) std::abort();
    }
    return 0;
}
