// Tempotik — a click-speed meter. Licensed under the MIT licence.
#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "captions.h"

namespace tempotik {
namespace {

struct RoundingRow {
    const char* name;
    double value;
    int expected;

    friend void PrintTo(const RoundingRow& row, std::ostream* out) { *out << row.name; }
};

class DoubleToCounterRounding : public testing::TestWithParam<RoundingRow> {};

TEST_P(DoubleToCounterRounding, RoundsHalfToEven) {
    EXPECT_EQ(doubleToCounter(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DoubleToCounterRounding,
    testing::Values(RoundingRow{"0.5 rounds to 0", 0.5, 0}, RoundingRow{"1.5 rounds to 2", 1.5, 2},
                    RoundingRow{"2.5 rounds to 2", 2.5, 2},
                    RoundingRow{"2.5000001 rounds to 3", 2.5000001, 3},
                    RoundingRow{"119.5 rounds to 120", 119.5, 120},
                    RoundingRow{"32767.4 rounds to 32767", 32767.4, 32767},
                    RoundingRow{"-0.5 rounds to 0", -0.5, 0},
                    RoundingRow{"-1.5 rounds to -2", -1.5, -2},
                    RoundingRow{"-32768.5 rounds to -32768", -32768.5, -32768}),
    [](const auto& row) {
        std::string name = row.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

TEST(DoubleToCounter, OverflowsOutsideSixteenBits) {
    EXPECT_EQ(errorNumberOf([] { doubleToCounter(32767.5); }), 6);
    EXPECT_EQ(errorNumberOf([] { doubleToCounter(-32768.6); }), 6);
    EXPECT_EQ(errorNumberOf([] { doubleToCounter(1e300); }), 6);
    EXPECT_EQ(errorNumberOf([] { doubleToCounter(std::numeric_limits<double>::quiet_NaN()); }), 6);
}

TEST(DoubleToCaption, WholeNumbersArePlainDigits) {
    EXPECT_EQ(doubleToCaption(98.0), "98");
    EXPECT_EQ(doubleToCaption(-1.0), "-1");
    EXPECT_EQ(doubleToCaption(0.0), "0");
    EXPECT_EQ(doubleToCaption(-0.0), "0");
    EXPECT_EQ(doubleToCaption(32768.0), "32768");
    EXPECT_EQ(doubleToCaption(999999999999999.0), "999999999999999");
}

TEST(DoubleToCaption, OtherNumbersKeepFifteenDigits) {
    EXPECT_EQ(doubleToCaption(1e15), "1E+15");
    EXPECT_EQ(doubleToCaption(0.5), "0.5");
}

TEST(CounterToCaption, PrintsPlainDigits) {
    EXPECT_EQ(counterToCaption(0), "0");
    EXPECT_EQ(counterToCaption(99), "99");
    EXPECT_EQ(counterToCaption(32767), "32767");
    EXPECT_EQ(counterToCaption(-32768), "-32768");
}

TEST(CaptionToDouble, ReadsDecimalText) {
    EXPECT_EQ(captionToDouble("0"), 0.0);
    EXPECT_EQ(captionToDouble("99"), 99.0);
    EXPECT_EQ(captionToDouble("-1"), -1.0);
    EXPECT_EQ(captionToDouble(" 12 "), 12.0);
    EXPECT_EQ(captionToDouble("1E+15"), 1e15);
}

TEST(CaptionToDouble, TextThatIsNoNumberIsATypeMismatch) {
    for (const char* text : {"", " ", "abc", "1x", "1 2", "nan", "inf"}) {
        EXPECT_EQ(errorNumberOf([text] { captionToDouble(text); }), 13) << '"' << text << '"';
    }
}

TEST(CheckedCounter, ArithmeticLimits) {
    EXPECT_EQ(checkedAdd(32766, 1), 32767);
    EXPECT_EQ(checkedMultiply(273, 120), 32760);
    EXPECT_EQ(errorNumberOf([] { checkedAdd(32767, 1); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedAdd(-32768, -1); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedMultiply(274, 120); }), 6);
}

TEST(CheckedDouble, DivisionByZeroAndOverflowAreErrors) {
    EXPECT_EQ(checkedQuotient(5.0, 2.0), 2.5);
    EXPECT_EQ(errorNumberOf([] { checkedQuotient(5.0, 0.0); }), 11);
    EXPECT_EQ(errorNumberOf([] { checkedProduct(1e308, 10.0); }), 6);
    EXPECT_EQ(errorNumberOf([] { checkedSum(std::numeric_limits<double>::max(), 1e300); }), 6);
}

}  // namespace
}  // namespace tempotik
