#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "CaseName.h"
#include "RaisedError.h"
#include "runtime/NumberText.h"

namespace corvane {
namespace {

constexpr double kOverflows = std::numeric_limits<double>::quiet_NaN();

bool RaisesOverflow(const std::function<void()>& action) {
    return testing_support::RaisedError(action) == ErrorNumber::Overflow;
}

struct ReadCase {
    const char* name;
    std::string text;
    double expected;  // kOverflows when the text must raise Overflow
};

class LeadingNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumberTest, ReadsTheLeadingNumber) {
    const ReadCase& c = GetParam();
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(RaisesOverflow([&] { LeadingNumber(c.text); }));
    } else {
        EXPECT_EQ(LeadingNumber(c.text), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumberTest,
    testing::Values(
        ReadCase{"Empty", "", 0.0}, ReadCase{"Letters", "abc", 0.0}, ReadCase{"Zero", "0", 0.0},
        ReadCase{"Negative", "-4", -4.0}, ReadCase{"PlusSign", "+7", 7.0},
        ReadCase{"Decimal", "2.5", 2.5}, ReadCase{"TrailingLetters", "12abc", 12.0},
        ReadCase{"LeadingBlanks", " \t\r\n 42", 42.0}, ReadCase{"EmbeddedBlankStops", "1 2", 1.0},
        ReadCase{"LeadingPoint", ".5", 0.5}, ReadCase{"TrailingPoint", "5.", 5.0},
        ReadCase{"PointAlone", ".", 0.0}, ReadCase{"SignAlone", "-", 0.0},
        ReadCase{"SignThenBlank", "- 3", 0.0}, ReadCase{"Exponent", "1e3", 1000.0},
        ReadCase{"NegativeExponent", "25E-1", 2.5}, ReadCase{"ExponentWithoutDigits", "1e", 1.0},
        ReadCase{"ExponentSignWithoutDigits", "7e+x", 7.0},
        ReadCase{"CommaIsNotADecimalPoint", "3,5", 3.0}, ReadCase{"HexIsNotRead", "0x10", 0.0},
        ReadCase{"InfinityIsNotRead", "inf", 0.0}, ReadCase{"NonAsciiStops", "4\xC2\xBD", 4.0},
        ReadCase{"EmbeddedNul",
                 std::string("9\0"
                             "9",
                             3),
                 9.0},
        ReadCase{"Tiny", "1e-400", 0.0}, ReadCase{"ZeroHugeExponent", "0e999999999", 0.0},
        ReadCase{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        ReadCase{"PastLargestDouble", "1e309", kOverflows},
        ReadCase{"NegativePastLargest", "-1e309", kOverflows},
        ReadCase{"HugeExponent", "1e99999999999999999999", kOverflows},
        ReadCase{"FourHundredDigits", std::string(400, '9'), kOverflows}),
    testing_support::CaseName());

struct RoundCase {
    const char* name;
    double value;
    std::optional<int> expected;  // nothing when it must raise Overflow
};

class RoundToInt16Test : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToInt16Test, RoundsHalvesToEven) {
    const RoundCase& c = GetParam();
    if (!c.expected) {
        EXPECT_TRUE(RaisesOverflow([&] { RoundToInt16(c.value); }));
    } else {
        EXPECT_EQ(RoundToInt16(c.value).Value(), *c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToInt16Test,
    testing::Values(RoundCase{"HalfToZero", 0.5, 0}, RoundCase{"OneAndHalfToTwo", 1.5, 2},
                    RoundCase{"TwoAndHalfToTwo", 2.5, 2}, RoundCase{"ThreeAndHalfToFour", 3.5, 4},
                    RoundCase{"MinusHalfToZero", -0.5, 0}, RoundCase{"MinusTwoAndHalf", -2.5, -2},
                    RoundCase{"MinusThreeAndHalf", -3.5, -4},
                    RoundCase{"JustBelowHalf", 2.4999999, 2},
                    RoundCase{"JustAboveHalf", 2.5000001, 3}, RoundCase{"Max", 32767.0, 32767},
                    RoundCase{"MaxPlusFraction", 32767.49, 32767},
                    RoundCase{"MaxPlusHalf", 32767.5, {}}, RoundCase{"Max+1", 32768.0, {}},
                    RoundCase{"Min", -32768.0, -32768}, RoundCase{"MinMinusHalf", -32768.5, -32768},
                    RoundCase{"MinMinusHalfAndABit", -32768.51, {}},
                    RoundCase{"Min-1", -32769.0, {}}, RoundCase{"Huge", 1e300, {}},
                    RoundCase{"NaN", kOverflows, {}}),
    testing_support::CaseName());

TEST(FloorToInt16Test, TakesTheIntegerBelowWithinTheLimits) {
    EXPECT_EQ(FloorToInt16(5.99).Value(), 5);
    EXPECT_EQ(FloorToInt16(-0.5).Value(), -1);
    EXPECT_EQ(FloorToInt16(32767.9).Value(), 32767);
    EXPECT_EQ(FloorToInt16(-32768.0).Value(), -32768);
    EXPECT_TRUE(RaisesOverflow([] { FloorToInt16(32768.0); }));
    EXPECT_TRUE(RaisesOverflow([] { FloorToInt16(-32768.01); }));
    EXPECT_TRUE(RaisesOverflow([] { FloorToInt16(kOverflows); }));
}

TEST(ToTextTest, WritesPlainDecimal) {
    EXPECT_EQ(ToText(Int16(0)), "0");
    EXPECT_EQ(ToText(Int16(32767)), "32767");
    EXPECT_EQ(ToText(Int16(-32768)), "-32768");
}

}  // namespace
}  // namespace corvane
