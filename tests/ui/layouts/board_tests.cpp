// The board window's 900 squares.

#include "ui/layouts/layouts.h"

#include <gtest/gtest.h>

namespace tessaline::ui {
namespace {

struct SquarePlace {
    int index;
    int left;
    int top;
};

// clang-format off
const SquarePlace Corners[] = {
    {0,     0,    0},
    {1,   240,    0},
    {29, 6960,    0},
    {30,    0,  240},
    {31,  240,  240},
    {224, 3360, 1680}, // column 14, row 7
    {870,    0, 6960},
    {899, 6960, 6960},
};
// clang-format on

TEST(Board, SquaresLieWhereTheirCellsAre) {
    for (const SquarePlace& row : Corners) {
        const ControlDef* square = FindControl(BoardLayout(), "Square", row.index);
        ASSERT_NE(square, nullptr) << row.index;
        EXPECT_EQ(square->left, row.left) << row.index;
        EXPECT_EQ(square->top, row.top) << row.index;
    }
    const ControlDef* last = FindControl(BoardLayout(), "Square", 899);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->left + last->width, 7215);
    EXPECT_EQ(last->top + last->height, 7215);
}

TEST(Board, EverySquareIsABorderedCentredBoldLabelInWindowColours) {
    const auto& controls = BoardLayout().controls;
    ASSERT_EQ(controls.size(), 900u);
    std::vector<bool> seen(900, false);
    for (const ControlDef& square : controls) {
        SCOPED_TRACE(square.index);
        EXPECT_EQ(square.kind, ControlKind::Label);
        EXPECT_EQ(square.name, "Square");
        ASSERT_GE(square.index, 0);
        ASSERT_LT(square.index, 900);
        EXPECT_FALSE(seen[square.index]) << "index used twice";
        seen[square.index] = true;
        EXPECT_EQ(square.left, 240 * (square.index % 30));
        EXPECT_EQ(square.top, 240 * (square.index / 30));
        EXPECT_EQ(square.width, 255);
        EXPECT_EQ(square.height, 255);
        EXPECT_EQ(square.tab, square.index);
        EXPECT_TRUE(square.caption.empty());
        EXPECT_TRUE(square.visible);
        EXPECT_TRUE(square.border);
        EXPECT_EQ(square.backColour, SystemWindowBackground);
        EXPECT_EQ(square.foreColour, SystemWindowText);
        EXPECT_EQ(square.align, TextAlign::Centre);
        EXPECT_DOUBLE_EQ(square.font.points, 8.25);
        EXPECT_TRUE(square.font.bold);
    }
}

TEST(Board, ADefaultBoardFillsTheFirstClientAreaExactly) {
    // 15 by 15 squares: the 15th square of the first row and column ends at the client edge.
    const ControlDef* corner = FindControl(BoardLayout(), "Square", 14 + 14 * 30);
    ASSERT_NE(corner, nullptr);
    EXPECT_EQ(corner->left + corner->width, BoardLayout().clientWidth);
    EXPECT_EQ(corner->top + corner->height, BoardLayout().clientHeight);
}

TEST(Board, LooksUpOnlyExistingItems) {
    EXPECT_EQ(FindControl(BoardLayout(), "Square", 900), nullptr);
    EXPECT_EQ(FindControl(BoardLayout(), "Square", -1), nullptr);
    EXPECT_EQ(FindControl(BoardLayout(), "square", 0), nullptr);
}

} // namespace
} // namespace tessaline::ui
