#include "base/Interval.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace zorvel::interval {
namespace {

struct NumberCase {
    const char* text;
    std::optional<double> expected;
};

TEST(IntervalTest, NumericTestAcceptsBlanksSignDecimalsAndExponent) {
    const NumberCase cases[] = {
        {"5", 5.0},
        {"  +2.5 ", 2.5},
        {"\t7\t", 7.0},
        {"-3", -3.0},
        {"0.25", 0.25},
        {".5", 0.5},
        {"4.", 4.0},
        {"1e1", 10.0},
        {"1E1", 10.0},
        {"2.5e-1", 0.25},
        {"-1.5E+2", -150.0},
        {"007", 7.0},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0.0},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(parseNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(IntervalTest, NumericTestRejectsWhatIsNotOneNumber) {
    const char* const rejected[] = {"",    " ",     "abc",   "1,5",   "1 000", "+",  ".",
                                    "1e",  "1e+",   "e5",    "0x10",  "$5",    "5$", "+-1",
                                    "- 1", "1.2.3", "1e2.5", "5 sec", "\n5",   "1\n"};
    for (const char* text : rejected) {
        EXPECT_EQ(parseNumber(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IntervalTest, RoundsHalfToEvenWithinSixteenBits) {
    const NumberCase cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.5", 0},
        {"1.5", 2},
        {"-1.5", -2},
        {"2.4999", 2},
        {"2.5001", 3},
        {"-0.4", 0},
        {"32767.4", 32767},
        {"32767.5", std::nullopt},
        {"-32768.5", -32768},
        {"-32768.6", std::nullopt},
        {"-32769", std::nullopt},
        {"1e400", std::nullopt},
    };
    for (const NumberCase& c : cases) {
        const std::optional<std::int16_t> rounded = roundToInt16(*parseNumber(c.text));
        const std::optional<double> got = rounded ? std::optional<double>(*rounded) : std::nullopt;
        EXPECT_EQ(got, c.expected) << c.text;
    }
    EXPECT_EQ(roundToInt16(std::nan("")), std::nullopt);
}

TEST(IntervalTest, TimesThousandOverflowsPastThirtyTwoSeconds) {
    EXPECT_EQ(timesThousand(32), 32000);
    EXPECT_EQ(timesThousand(-32), -32000);
    EXPECT_EQ(timesThousand(0), 0);
    EXPECT_EQ(timesThousand(33), std::nullopt);
    EXPECT_EQ(timesThousand(-33), std::nullopt);
    EXPECT_EQ(timesThousand(32767), std::nullopt);
}

TEST(IntervalTest, MillisecondsOnlyForIntervalsATimerCanTake) {
    const struct {
        const char* text;
        std::optional<int> expected;
    } cases[] = {
        {"32", 32000},
        {"33", std::nullopt},
        {"-1", std::nullopt},
        {"0", 0},
        {"2.5", 2000},
        {"3.5", 4000},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {" 5 ", 5000},
        {"1e1", 10000},
        {"-0.4", 0},
        {"32.5", 32000},
        {"32.6", std::nullopt},
        {"-0.6", std::nullopt},
        {"40000", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(millisecondsFromText(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(IntervalTest, LeadingNumberReadsLeniently) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"3abc", 3},    {"0.4", 0.4},   {" 1 2 3", 123}, {"\t4\n2", 42}, {"-3", -3}, {"abc", 0},
        {"", 0},        {"1.2.3", 1.2}, {"1e2", 100},    {"1e", 1},      {"1e+", 1}, {"2E-1", 0.2},
        {"1 e 2", 100}, {"+7x", 7},     {"- 5", -5},     {"-", 0},       {".", 0},   {".5", 0.5},
        {"12,5", 12},   {"0x10", 0},    {"1e2e3", 100},  {"1.5.", 1.5},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(leadingNumber("9e999"), std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace zorvel::interval
