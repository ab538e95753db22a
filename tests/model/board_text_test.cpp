// The test notation itself: what it reads it writes back, and it refuses typos.

#include "board_text.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(BoardText, ReadsAndWritesEveryKindOfCell) {
    const char* rows = "YORGBP/yorgbp/#*.:R?Y#?P";
    const Game game = test::BoardFromRows(rows);
    EXPECT_EQ(test::RowsOf(game), rows);
    EXPECT_EQ(game.BoardWidth, 6);
    EXPECT_EQ(game.BoardHeight, 3);
    EXPECT_EQ(game.At(4, 2).Colour, CodeRed);
    EXPECT_EQ(game.At(4, 2).State, CodeYellow);
    EXPECT_EQ(game.At(1, 1).State, StateVisible);
    EXPECT_EQ(game.At(6, 0).Colour, CodeNoColour); // beyond the rows: as at start-up
    // Hidden squares are remaining, marked ones included; uncovered ones are not.
    EXPECT_EQ(game.Remaining, (std::array<Int16, 7>{0, 1, 1, 2, 1, 1, 1}));

    for (const char* typo : {"YX", "YY/Y", "R?", "y?R", "R?#"}) {
        EXPECT_THROW(test::BoardFromRows(typo), std::invalid_argument) << typo;
    }
}

} // namespace
} // namespace tessaline
