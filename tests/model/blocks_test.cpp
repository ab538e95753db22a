// Blocks at random: the share a text asks for, and the fill of all 900 cells.

#include "board_text.h"
#include "model/blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tessaline {
namespace {

struct PercentCase {
    std::string text;
    std::optional<double> percent;
};

TEST(BlockPercentFrom, RoundsHalvesToEvenThenClampsToAWholePercent) {
    const PercentCase cases[] = {
        {"25", 25},
        {"0", 0},
        {"100", 100},
        {"-5", 0},
        {"250", 100},
        {"12.5", 12},
        {"13.5", 14},
        {"0.5", 0},
        {"99.5", 100},
        {"100.4", 100},
        {"-0.4", 0},
        {"1e10", 100},
        {"-1e10", 0},
        {"1e308", 100},
        {"32767.5", 100},
        {"1e-400", 0},
        {" 7 ", 7},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1e400", std::nullopt},
        {"nan", std::nullopt},
    };
    for (const PercentCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BlockPercentFrom(c.text), c.percent);
    }
}

// Every cell of the grid, column by column: 'B' a visible block, '.' a hidden
// square without colour, '?' anything else.
std::string Cells(const Game& game) {
    std::string cells;
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            if (cell.Colour == CodeBlock && cell.State == StateVisible) {
                cells += 'B';
            } else if (cell.Colour == CodeNoColour && cell.State == StateHidden) {
                cells += '.';
            } else {
                cells += '?';
            }
        }
    }
    return cells;
}

// A grid with something in every kind of cell: dealt colours, a mark, an
// uncovered square and blocks, in play and beyond it.
Game BusyGame() {
    Game game = test::BoardFromRows("YOR#/gR?B*P/#Bbp");
    game.At(29, 29) = Cell{CodeRed, StateVisible};
    game.At(20, 3) = Cell{CodeBlock, StateDealtBlock};
    return game;
}

TEST(SetBlocksAtRandom, DrawsOncePerCellColumnByColumnAfterReseeding) {
    // Draw i decides cell (i / 30, i % 30): the third draw of every column is
    // low, so exactly row 2 becomes blocks, in all 30 columns.
    std::vector<float> draws(SquareCount, 0.9f);
    for (int column = 0; column < GridSize; ++column) {
        draws[column * GridSize + 2] = 0.1f;
    }
    ScriptedRandom random(draws);
    Game game = BusyGame();
    game.Percent[0] = 50;
    SetBlocksAtRandom(game, random);
    EXPECT_EQ(random.Reseeds(), 1);
    EXPECT_EQ(random.Drawn(), static_cast<std::size_t>(SquareCount));
    std::string expected;
    for (int column = 0; column < GridSize; ++column) {
        expected += std::string("..B") + std::string(27, '.');
    }
    EXPECT_EQ(Cells(game), expected);
}

struct ThresholdCase {
    const char* name;
    double percent;
    float draw;
    bool block;
};

TEST(SetBlocksAtRandom, MakesABlockWhenTheShareExceedsTheDrawTimes100) {
    const float largest = std::nextafter(1.0f, 0.0f);
    const ThresholdCase cases[] = {
        {"draw just below the share", 25, 0.2499999f, true},
        {"draw equal to the share", 25, 0.25f, false},
        {"draw above the share", 25, 0.26f, false},
        {"nothing at 0, even the lowest draw", 0, 0.0f, false},
        {"everything at 100, even the highest draw", 100, largest, true},
        {"1 takes only draws below 0.01", 1, 0.0099f, true},
        {"1 leaves 0.01", 1, 0.01f, false},
    };
    for (const ThresholdCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedRandom random({c.draw});
        Game game = BusyGame();
        game.Percent[0] = c.percent;
        SetBlocksAtRandom(game, random);
        EXPECT_EQ(Cells(game), std::string(SquareCount, c.block ? 'B' : '.'));
    }
}

TEST(SetBlocksAtRandom, TakesAboutTheShareOfTheCellsFromARealGenerator) {
    for (const double percent : {0.0, 10.0, 25.0, 50.0, 90.0, 100.0}) {
        SCOPED_TRACE(percent);
        SeededRandom random(20240607);
        Game game = BusyGame();
        game.Percent[0] = percent;
        SetBlocksAtRandom(game, random);
        const std::string cells = Cells(game);
        const auto blocks = std::count(cells.begin(), cells.end(), 'B');
        EXPECT_EQ(std::count(cells.begin(), cells.end(), '?'), 0);
        // Four standard deviations of a binomial draw of 900 cells.
        const double mean = SquareCount * percent / 100;
        const double spread = 4 * std::sqrt(SquareCount * percent / 100 * (1 - percent / 100));
        EXPECT_NEAR(static_cast<double>(blocks), mean, spread);
    }
}

TEST(SetBlocks, StoresTheShareAndFillsOrLeavesEverythingAlone) {
    ScriptedRandom random({0.5f});
    Game game = BusyGame();
    const Game before = game;

    EXPECT_FALSE(SetBlocks(game, random, "twelve"));
    EXPECT_EQ(test::RowsOf(game, GridSize, GridSize), test::RowsOf(before, GridSize, GridSize));
    EXPECT_EQ(game.Percent, before.Percent);
    EXPECT_EQ(random.Reseeds(), 0);
    EXPECT_EQ(random.Drawn(), 0u);

    EXPECT_TRUE(SetBlocks(game, random, "250"));
    EXPECT_EQ(game.Percent[0], 100);
    EXPECT_EQ(Cells(game), std::string(SquareCount, 'B'));

    EXPECT_TRUE(SetBlocks(game, random, "50.5"));
    EXPECT_EQ(game.Percent[0], 50);
    EXPECT_EQ(Cells(game), std::string(SquareCount, '.'));
    EXPECT_EQ(random.Reseeds(), 2);
}

} // namespace
} // namespace tessaline
