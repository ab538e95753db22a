// Dealing: colours by the running sums of the shares, blocks kept, marks
// cleared, cells outside the board in play untouched.

#include "board_text.h"
#include "model/deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace tessaline {
namespace {

using test::BoardFromRows;
using test::RowsOf;

// Shares of Yellow to Blue whose running sums are exact in binary: 25, 50, 75,
// 87.5, 93.75; Purple gets the last 6.25.
constexpr std::array<double, 5> Stepped{25, 25, 25, 12.5, 6.25};

struct DealCase {
    const char* name;
    std::array<double, 5> shares;
    const char* before; // the board in play, before the deal
    std::vector<float> draws;
    const char* after;
};

TEST(DealBoard, ChoosesColoursByTheRunningSumsOfTheShares) {
    const DealCase cases[] = {
        {"one of each, drawn column by column",
         Stepped,
         "....../......",
         {0.0f, 0.2499999f, 0.25f, 0.5f, 0.75f, 0.875f, 0.9375f, 0.9999999f, 0.74f, 0.86f, 0.93f,
          0.1f},
         "YOGPRB/YRBPGY"},
        {"a draw equal to a running sum goes to the next colour",
         Stepped,
         "YYYYY",
         {0.25f, 0.5f, 0.75f, 0.875f, 0.9375f},
         "ORGBP"},
        // 0.29 * 100 is 28.99999916 in double precision but exactly 29 in single.
        {"the draw is rounded to single precision", {29, 71, 0, 0, 0}, "Y", {0.29f}, "O"},
        {"no share for Yellow to Blue: all Purple",
         {0, 0, 0, 0, 0},
         "YYY",
         {0.0f, 0.5f, 0.99f},
         "PPP"},
        {"Yellow 100: all Yellow", {100, 50, 0, 0, 10}, "PPP", {0.0f, 0.5f, 0.9999999f}, "YYY"},
        {"shares over 100: no Purple", {60, 50, 0, 0, 0}, "...", {0.0f, 0.7f, 0.9999999f}, "YOO"},
        {"blocks take no draw and become dealt blocks",
         Stepped,
         "#Y*/R?O#?B:",
         {0.0f, 0.5f, 0.9f},
         "#R#/Y#B"},
        {"marks are cleared", Stepped, "R?YG?P", {0.3f, 0.6f}, "OR"},
        {"a board of blocks counts nothing", Stepped, "#*#", {0.5f}, "###"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game game = BoardFromRows(c.before);
        game.Remaining = {0, 9, 9, 9, 9, 9, 9};
        std::copy(c.shares.begin(), c.shares.end(), game.Percent.begin() + 1);
        game.Percent[6] = 77; // never read
        ScriptedRandom random(c.draws);

        DealBoard(game, random);

        EXPECT_EQ(RowsOf(game), c.after);
        EXPECT_EQ(random.Reseeds(), 1);
        const Game expected = BoardFromRows(c.after);
        EXPECT_EQ(random.Drawn(),
                  static_cast<std::size_t>(std::accumulate(expected.Remaining.begin() + 1,
                                                           expected.Remaining.end(), 0)));
        EXPECT_EQ(game.Remaining, expected.Remaining);
        EXPECT_TRUE(game.GameOver);
    }
}

TEST(DealBoard, LeavesCellsOutsideTheBoardInPlayAlone) {
    // A 4 x 3 region of the grid, with the board in play cut down to its top-left 2 x 2.
    Game game = BoardFromRows("R?Yb#G/*:PO?B/gg#y");
    game.BoardWidth = 2;
    game.BoardHeight = 2;
    game.At(29, 29) = {CodeGreen, CodePurple};
    ScriptedRandom random({0.0f});

    DealBoard(game, random);

    EXPECT_EQ(RowsOf(game, 4, 3), "YY#G/#YPO?B/gg#y");
    EXPECT_EQ(game.At(29, 29).Colour, CodeGreen);
    EXPECT_EQ(game.At(29, 29).State, CodePurple);
    EXPECT_EQ(random.Drawn(), 3u);
}

TEST(DealBoard, SeededDealsFollowTheSharesWithinOnePercent) {
    // 200 deals of 15 x 15 are 45,000 draws: one percentage point is over five
    // standard deviations for every share below.
    const std::array<double, 5> shareSets[] = {{80, 0, 10, 0, 10}, {10, 20, 30, 15, 5}};
    for (const auto& shares : shareSets) {
        for (const std::uint32_t seed : {1u, 20240611u}) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", Yellow " << shares[0]);
            Game game;
            InitGrid(game);
            std::copy(shares.begin(), shares.end(), game.Percent.begin() + 1);
            SeededRandom random(seed);
            std::array<long, ColourCount + 1> dealt{};
            constexpr int Deals = 200;
            for (int deal = 0; deal < Deals; ++deal) {
                DealBoard(game, random);
                for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
                    dealt[code] += game.Remaining[code];
                }
            }
            const double purple = 100 - std::accumulate(shares.begin(), shares.end(), 0.0);
            for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
                const double share = code == CodePurple ? purple : shares[code - 1];
                EXPECT_NEAR(100.0 * dealt[code] / (Deals * 225), share, 1.0) << "code " << code;
                if (share == 0) {
                    EXPECT_EQ(dealt[code], 0) << "code " << code;
                }
            }
        }
    }
}

} // namespace
} // namespace tessaline
