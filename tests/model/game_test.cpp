// The values a fresh program starts from, and the sources of chance.

#include "model/game.h"
#include "model/random.h"

#include <gtest/gtest.h>

#include <set>

namespace tessaline {
namespace {

TEST(StartValues, DefaultsAreRestoredOverAnyEarlierSettings) {
    Game game;
    game.BoardWidth = 30;
    game.BoardHeight = 2;
    game.Percent = {55, 1, 2, 3, 4, 5, 6};
    game.Remaining = {0, 7, 7, 7, 7, 7, 7};
    game.GameOver = false;
    game.Grid[29][29] = Cell{CodeRed, StateVisible};

    SetOptionDefaults(game);
    ClearBlockPercent(game);
    InitGrid(game);
    ResetGame(game);

    EXPECT_EQ(game.BoardWidth, 15);
    EXPECT_EQ(game.BoardHeight, 15);
    const std::array<double, 7> defaults{0, 80, 0, 10, 0, 10, 0};
    EXPECT_EQ(game.Percent, defaults);
    EXPECT_TRUE(game.GameOver);
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        EXPECT_EQ(game.Remaining[code], 0) << "colour " << code;
    }
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            ASSERT_EQ(game.Grid[column][row].Colour, CodeNoColour) << column << "," << row;
            ASSERT_EQ(game.Grid[column][row].State, StateHidden) << column << "," << row;
        }
    }
}

TEST(StartValues, SettingOptionDefaultsLeavesTheBlockShare) {
    Game game;
    game.Percent[0] = 25;
    SetOptionDefaults(game);
    EXPECT_EQ(game.Percent[0], 25);
}

TEST(SquareIndex, MapsCellsToLabelsThirtyToARow) {
    const struct {
        int column, row, index;
    } cases[] = {{0, 0, 0}, {1, 0, 1}, {0, 1, 30}, {29, 0, 29}, {29, 29, 899}, {14, 14, 434}};
    for (const auto& c : cases) {
        EXPECT_EQ(Square(c.column, c.row), c.index);
        EXPECT_EQ(ColumnOf(c.index), c.column);
        EXPECT_EQ(RowOf(c.index), c.row);
    }
}

// Draws must stay in [0, 1) and spread over the range, whichever source.
void ExpectUniformDraws(RandomSource& source) {
    int buckets[10] = {};
    constexpr int Draws = 20000;
    for (int i = 0; i < Draws; ++i) {
        const float draw = source.Next();
        ASSERT_GE(draw, 0.0f);
        ASSERT_LT(draw, 1.0f);
        ++buckets[static_cast<int>(draw * 10)];
    }
    for (int bucket : buckets) {
        EXPECT_NEAR(bucket, Draws / 10, Draws / 10 / 5); // within 20 % of a tenth
    }
}

TEST(RandomSources, DrawUniformlyInTheUnitRange) {
    ClockRandom clock;
    ExpectUniformDraws(clock);
    SeededRandom seeded(12345);
    ExpectUniformDraws(seeded);
}

TEST(RandomSources, TheSameSeedReplaysTheSameDrawsAndReseedingKeepsGoing) {
    SeededRandom first(7);
    SeededRandom second(7);
    std::set<float> seen;
    for (int i = 0; i < 100; ++i) {
        const float a = first.Next();
        second.Reseed();
        EXPECT_EQ(a, second.Next());
        seen.insert(a);
    }
    EXPECT_GT(seen.size(), 90u);
}

TEST(RandomSources, ScriptedDrawsComeInOrderAndRepeat) {
    ScriptedRandom scripted({0.5f, 0.25f});
    scripted.Reseed();
    EXPECT_EQ(scripted.Next(), 0.5f);
    EXPECT_EQ(scripted.Next(), 0.25f);
    EXPECT_EQ(scripted.Next(), 0.5f);
    EXPECT_EQ(scripted.Drawn(), 3u);
    EXPECT_EQ(scripted.Reseeds(), 1);
}

} // namespace
} // namespace tessaline
