// The Options dialog's acceptance: eight texts in, all settings or none out.

#include "model/numbers.h"
#include "model/options.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tessaline {
namespace {

using Shares = std::array<std::string_view, 6>;

OptionTexts Texts(std::string_view height, std::string_view width, const Shares& shares) {
    OptionTexts texts{.Height = height, .Width = width, .PerColor = {}};
    for (int k = 0; k < 6; ++k) {
        texts.PerColor[k + 1] = shares[k];
    }
    return texts;
}

constexpr Shares Defaults{"80", "0", "10", "0", "10", "0"};

struct SizeCase {
    std::string_view typed;
    Int16 height;
    Int16 width;
};

TEST(AcceptOptions, ClampsTheSizeAsTypedAndRoundsHalvesToEven) {
    const SizeCase cases[] = {
        {"15", 15, 15},    {"0", 1, 3},     {"-3", 1, 3},     {"0.5", 1, 3},      {"0.9999", 1, 3},
        {"1", 1, 3},       {"1.5", 2, 3},   {"2", 2, 3},      {"2.5", 2, 3},      {"2.9", 3, 3},
        {"3.5", 4, 4},     {"4.5", 4, 4},   {"29.5", 30, 30}, {"30", 30, 30},     {"30.4", 30, 30},
        {"45", 30, 30},    {"100", 30, 30}, {"1e10", 30, 30}, {"-1e10", 1, 3},    {"1e308", 30, 30},
        {"1e-400", 1, 3},  {"-0", 1, 3},    {" 12 ", 12, 12}, {"1.25e1", 12, 12}, {"2.99999", 3, 3},
        {"3.00001", 3, 3},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::string(c.typed));
        const auto values = AcceptOptions(Texts(c.typed, c.typed, Defaults));
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->BoardHeight, c.height);
        EXPECT_EQ(values->BoardWidth, c.width);
    }
}

TEST(AcceptOptions, ReadsHeightAndWidthFromTheirOwnBoxes) {
    const auto values = AcceptOptions(Texts("7", "21", Defaults));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->BoardHeight, 7);
    EXPECT_EQ(values->BoardWidth, 21);
}

struct ShareCase {
    const char* name;
    Shares typed;
    std::array<double, 6> percent;
};

TEST(AcceptOptions, ScalesClampedSharesByTheirRunningRoundedTotal) {
    const double third = 100.0 / 3;
    const double sixth = 100.0 / 6;
    const ShareCase cases[] = {
        {"defaults stay", Defaults, {80, 0, 10, 0, 10, 0}},
        {"above 100 counts as 100", {"150", "0", "0", "0", "0", "0"}, {100, 0, 0, 0, 0, 0}},
        {"below 0 counts as 0", {"-20", "50", "50", "0", "0", "0"}, {0, 50, 50, 0, 0, 0}},
        {"thirds", {"1", "1", "1", "0", "0", "0"}, {third, third, third, 0, 0, 0}},
        // The total goes 10 (10.5 to even), then 20 (20.5 to even).
        {"total rounded after every addition",
         {"10.5", "10.5", "0", "0", "0", "0"},
         {52.5, 52.5, 0, 0, 0, 0}},
        {"a fraction alone", {"0.6", "0", "0", "0", "0", "0"}, {60, 0, 0, 0, 0, 0}},
        {"one, one, two", {"1", "1", "2", "0", "0", "0"}, {25, 25, 50, 0, 0, 0}},
        {"four halves", {"50", "50", "50", "50", "0", "0"}, {25, 25, 25, 25, 0, 0}},
        {"all six at most",
         {"1e9", "100", "200", "100", "100", "100"},
         {sixth, sixth, sixth, sixth, sixth, sixth}},
        {"purple alone", {"0", "0", "0", "0", "0", "5"}, {0, 0, 0, 0, 0, 100}},
        // 0.4 rounds the total to 0; 0.4 + 0.6 is 1.
        {"fractions that only count together",
         {"0.4", "0.6", "0", "0", "0", "0"},
         {40, 60, 0, 0, 0, 0}},
        // The total goes 0 (0.5 to even), then 1: both are scaled by 1.
        {"half then one", {"0.5", "1", "0", "0", "0", "0"}, {50, 100, 0, 0, 0, 0}},
    };
    for (const ShareCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto values = AcceptOptions(Texts("15", "15", c.typed));
        ASSERT_TRUE(values.has_value());
        for (int k = 0; k < 6; ++k) {
            EXPECT_DOUBLE_EQ(values->Percent[k + 1], c.percent[k]) << "colour " << k + 1;
        }
    }
}

TEST(AcceptOptions, ThirdsAreWrittenWithFifteenSignificantDigits) {
    const auto values = AcceptOptions(Texts("15", "15", {"1", "1", "1", "0", "0", "0"}));
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(FormatGeneral(values->Percent[1]), "33.3333333333333");
}

struct RefusedCase {
    const char* name;
    std::string_view height;
    std::string_view width;
    Shares shares;
};

TEST(AcceptOptions, RefusesEverythingIfAnyTextIsNotANumberOrTheTotalIsZero) {
    const RefusedCase cases[] = {
        {"width empty", "15", "", Defaults},
        {"height lettered", "abc", "15", Defaults},
        {"yellow empty", "15", "15", {"", "0", "10", "0", "10", "0"}},
        {"purple lettered", "15", "15", {"80", "0", "10", "0", "10", "x"}},
        {"orange with a comma", "15", "15", {"80", "0,5", "10", "0", "10", "0"}},
        {"all eight bad", "a", "b", {"c", "d", "e", "f", "g", "h"}},
        {"too large for a double", "1e400", "15", Defaults},
        {"all shares 0", "15", "15", {"0", "0", "0", "0", "0", "0"}},
        {"all shares negative", "15", "15", {"-1", "-5", "-100", "-0", "-1e9", "-3"}},
        {"a small fraction", "15", "15", {"0.4", "0", "0", "0", "0", "0"}},
        {"a half rounds to even 0", "15", "15", {"0.5", "0", "0", "0", "0", "0"}},
        {"fractions that never reach a half",
         "15",
         "15",
         {"0.4", "0.4", "0.4", "0.4", "0.4", "0.4"}},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(AcceptOptions(Texts(c.height, c.width, c.shares)).has_value());
    }
}

TEST(ApplyOptions, WritesSizeAndColourSharesButNotTheBlockShare) {
    Game game;
    game.Percent[0] = 25;
    const OptionValues values{
        .BoardHeight = 7, .BoardWidth = 21, .Percent = {99, 1, 2, 3, 4, 5, 85}};
    ApplyOptions(game, values);
    EXPECT_EQ(game.BoardHeight, 7);
    EXPECT_EQ(game.BoardWidth, 21);
    EXPECT_EQ(game.Percent, (std::array<double, 7>{25, 1, 2, 3, 4, 5, 85}));
}

} // namespace
} // namespace tessaline
