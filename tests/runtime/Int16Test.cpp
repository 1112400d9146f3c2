#include <gtest/gtest.h>

#include <functional>

#include "CaseName.h"
#include "RaisedError.h"
#include "runtime/Int16.h"

namespace corvane {
namespace {

struct ArithmeticCase {
    const char* name;
    std::function<Int16()> compute;
    int expected;  // ignored when overflows
    bool overflows;
};

class Int16Arithmetic : public testing::TestWithParam<ArithmeticCase> {};

TEST_P(Int16Arithmetic, GivesTheSumOrRaisesOverflow) {
    const ArithmeticCase& c = GetParam();
    if (c.overflows) {
        EXPECT_EQ(testing_support::RaisedError([&] { c.compute(); }), ErrorNumber::Overflow);
    } else {
        EXPECT_EQ(c.compute().Value(), c.expected);
    }
}

const Int16 kMax{32767};
const Int16 kMin{-32768};

INSTANTIATE_TEST_SUITE_P(
    Boundaries, Int16Arithmetic,
    testing::Values(
        ArithmeticCase{"Add32766Plus1", [] { return Int16(32766) + Int16(1); }, 32767, false},
        ArithmeticCase{"Add32767Plus1", [] { return kMax + Int16(1); }, 0, true},
        ArithmeticCase{"AddMinPlusMinusOne", [] { return kMin + Int16(-1); }, 0, true},
        ArithmeticCase{"SubMinus32767Minus1", [] { return Int16(-32767) - Int16(1); }, -32768,
                       false},
        ArithmeticCase{"SubMinMinus1", [] { return kMin - Int16(1); }, 0, true},
        ArithmeticCase{"SubZeroMinusMin", [] { return Int16() - kMin; }, 0, true},
        ArithmeticCase{"IncrementMax",
                       [] {
                           Int16 i = kMax;
                           return ++i;
                       },
                       0, true},
        ArithmeticCase{"Increment32766",
                       [] {
                           Int16 i{32766};
                           return ++i;
                       },
                       32767, false},
        ArithmeticCase{"From32767", [] { return Int16::From(32767); }, 32767, false},
        ArithmeticCase{"From32768", [] { return Int16::From(32768); }, 0, true},
        ArithmeticCase{"FromMinus32768", [] { return Int16::From(-32768); }, -32768, false},
        ArithmeticCase{"FromMinus32769", [] { return Int16::From(-32769); }, 0, true}),
    testing_support::CaseName());

TEST(RuntimeErrorTest, CarriesTheClassicNumberAndText) {
    const std::pair<ErrorNumber, const char*> table[] = {
        {ErrorNumber::Overflow, "Overflow"},
        {ErrorNumber::SubscriptOutOfRange, "Subscript out of range"},
    };
    for (const auto& [number, text] : table) {
        EXPECT_STREQ(RuntimeError(number).Text(), text);
    }
    EXPECT_EQ(static_cast<int>(ErrorNumber::Overflow), 6);
    EXPECT_EQ(static_cast<int>(ErrorNumber::SubscriptOutOfRange), 9);
}

}  // namespace
}  // namespace corvane
