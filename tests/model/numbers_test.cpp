// Reading typed numbers, writing doubles back, and rounding to 16 bits.

#include "model/numbers.h"
#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessaline {
namespace {

struct ParseCase {
    const char* name;
    std::string text;
    std::optional<double> value;
};

TEST(ParseNumber, AcceptsPlainNumbersAndRefusesEverythingElse) {
    const std::string many(10'000, '9');
    const ParseCase cases[] = {
        {"whole", "80", 80},
        {"blanks around", "  7 ", 7},
        {"leading plus", "+3.5E+1", 35},
        {"negative fraction", "-2.5e-1", -0.25},
        {"point first", ".5", 0.5},
        {"point last", "5.", 5},
        {"negative zero", "-0", 0},
        {"leading zeros", std::string(10'000, '0') + "7", 7},
        {"10,000 digits scaled down", "1" + std::string(9'999, '0') + "e-9999", 1},
        {"underflow reads as zero", "1e-400", 0},
        {"long fraction underflows to zero", "0." + std::string(10'000, '0') + "5", 0},
        {"huge negative exponent", "1e-99999999999999999999", 0},
        {"smallest subnormal", "4.9e-324", 4.9e-324},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"empty", "", std::nullopt},
        {"blanks only", "   ", std::nullopt},
        {"sign only", "+", std::nullopt},
        {"minus only", "-", std::nullopt},
        {"point only", ".", std::nullopt},
        {"signed point", "-.", std::nullopt},
        {"exponent without digits before", "e5", std::nullopt},
        {"exponent without digits", "1e", std::nullopt},
        {"exponent sign without digits", "1e+", std::nullopt},
        {"fractional exponent", "1e5.5", std::nullopt},
        {"overflow", "1e400", std::nullopt},
        {"negative overflow", "-1e400", std::nullopt},
        {"just past the largest double", "1.8e308", std::nullopt},
        {"10,000 nines", many, std::nullopt},
        {"huge exponent", "1e99999999999999999999", std::nullopt},
        {"inf", "inf", std::nullopt},
        {"infinity", "-Infinity", std::nullopt},
        {"nan", "nan", std::nullopt},
        {"hexadecimal", "0x1A", std::nullopt},
        {"comma as separator", "1,5", std::nullopt},
        {"thousands separator", "1,000", std::nullopt},
        {"two points", "1.2.3", std::nullopt},
        {"two signs", "+-1", std::nullopt},
        {"blank inside", "1 2", std::nullopt},
        {"blank after sign", "- 1", std::nullopt},
        {"tab", "\t7", std::nullopt},
        {"newline", "7\n", std::nullopt},
        {"trailing letters", "12abc", std::nullopt},
        {"full-width digits", "\xEF\xBC\x91\xEF\xBC\x92", std::nullopt},
        {"Arabic-Indic digits", "\xD9\xA1\xD9\xA2", std::nullopt},
        {"emoji", "\xF0\x9F\x98\x80", std::nullopt},
        {"embedded NUL", std::string("7\0", 2), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseNumber(c.text), c.value);
    }
}

TEST(FormatGeneral, WritesAtMostFifteenDigitsWithoutTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {80, "80"},
        {0, "0"},
        {-0.0, "0"},
        {100.0 / 3, "33.3333333333333"},
        {52.5, "52.5"},
        {-12.5, "-12.5"},
        {0.1 + 0.2, "0.3"},
        {123456789012345, "123456789012345"},
        {123456789012345678.0, "1.23456789012346e+17"},
        {1e20, "1e+20"},
        {1e-7, "1e-07"},
        {0.0001, "0.0001"},
        // Rounded to the nearest 15 digits it would be too large to read back.
        {std::numeric_limits<double>::lowest(), "-1.79769313486231e+308"},
    };
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(FormatGeneral(value), text);
        // What is written reads back as the same number to 15 digits.
        const std::optional<double> back = ParseNumber(FormatGeneral(value));
        ASSERT_TRUE(back.has_value());
        EXPECT_NEAR(*back, value, std::abs(value) * 1e-14);
    }
}

TEST(RoundToInt16, HalvesGoToTheEvenNeighbourAndTheLimitsHold) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, Int16> cases[] = {
        {2.5, 2},         {3.5, 4},         {-2.5, -2},        {29.5, 30},   {1.5, 2},
        {12.5, 12},       {13.5, 14},       {0.49999, 0},      {-0.5, 0},    {-1.5, -2},
        {32767.4, 32767}, {32767.5, 32767}, {1e9, 32767},      {inf, 32767}, {-32768.5, -32768},
        {-1e9, -32768},   {-inf, -32768},   {std::nan(""), 0},
    };
    for (const auto& [value, rounded] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(RoundToInt16(value), rounded);
    }
}

} // namespace
} // namespace tessaline
