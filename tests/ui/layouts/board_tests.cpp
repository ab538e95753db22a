// The board window's 30 by 30 squares.

#include "ui/layouts/layouts.h"

#include <gtest/gtest.h>

namespace tessaline::ui {
namespace {

TEST(Board, ThirtyByThirtyBorderedSquaresThatShareTheirBorderLines) {
    ASSERT_TRUE(BoardLayout().board.has_value());
    const BoardDef& board = *BoardLayout().board;
    EXPECT_EQ(board.name, "Square");
    EXPECT_EQ(board.columns, 30);
    EXPECT_EQ(board.rows, 30);
    EXPECT_EQ(board.left, 0);
    EXPECT_EQ(board.top, 0);
    EXPECT_EQ(board.spacing, 240);
    EXPECT_EQ(board.side, 255);
    // The last square's lower right corner.
    EXPECT_EQ(board.left + 29 * board.spacing + board.side, 7215);
    EXPECT_EQ(board.back, SystemWindowBackground);
    EXPECT_EQ(board.fore, SystemWindowText);
    EXPECT_DOUBLE_EQ(board.font.points, 8.25);
    EXPECT_TRUE(board.font.bold);
    EXPECT_TRUE(BoardLayout().controls.empty());
}

TEST(Board, ADefaultBoardFillsTheFirstClientAreaExactly) {
    // 15 by 15 squares: the 15th square of the first row and column ends at the client edge.
    const BoardDef& board = *BoardLayout().board;
    EXPECT_EQ(board.left + 14 * board.spacing + board.side, BoardLayout().clientWidth);
    EXPECT_EQ(board.top + 14 * board.spacing + board.side, BoardLayout().clientHeight);
}

} // namespace
} // namespace tessaline::ui
