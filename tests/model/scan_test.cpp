// Scan counts, captions and back colours of squares.

#include "board_text.h"
#include "model/appearance.h"
#include "model/scan.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using test::BoardFromRows;
using test::Scanning;

struct CaptionCase {
    const char* name;
    const char* rows;
    int width, height; // the board in play, a corner of the rows
    const char* scanned;
    int column, row;
    std::optional<std::string> caption;
};

TEST(CaptionSquare, CountsScannedNeighboursInPlay) {
    const char* yellow = "yyyY/yyyY/yyyY/YYYY";
    const CaptionCase cases[] = {
        {"corner", yellow, 3, 3, "Y", 0, 0, "3"},
        {"edge", yellow, 3, 3, "Y", 1, 0, "5"},
        {"middle", yellow, 3, 3, "Y", 1, 1, "8"},
        {"far corner ignores cells beyond the board", yellow, 3, 3, "Y", 2, 2, "3"},
        {"far edge ignores cells beyond the board", yellow, 3, 3, "Y", 2, 1, "5"},
        {"whole grid in play", yellow, 4, 4, "Y", 2, 2, "8"},
        {"hidden and marked neighbours count by their colour", "RRR/RbR/R?YR?YR", 3, 3, "R", 1, 1,
         "8"},
        {"a mark's colour does not count", "RRR/RbR/R?YR?YR", 3, 3, "Y", 1, 1, "0"},
        {"blocks and squares without colour never count", "#.#/:y*/#?Y..", 3, 3, "YORGBP", 1, 1,
         "0"},
        {"no box ticked", "YOR/GyB/P#.", 3, 3, "", 1, 1, "0"},
        {"all six ticked count every coloured neighbour", "YOR/GyB/P#.", 3, 3, "YORGBP", 1, 1, "6"},
        {"only the ticked colours", "YOR/GyB/P#.", 3, 3, "OP", 1, 1, "2"},
        {"the square itself is not counted", "YyY", 3, 1, "Y", 1, 0, "2"},
        {"uncovered square without colour", "YY/:Y", 2, 2, "Y", 0, 1, "3"},
        {"hidden", "YyY", 3, 1, "Y", 0, 0, ""},
        {"marked", "R?YyY", 3, 1, "Y", 0, 0, "?"},
        {"dealt block", "#yY", 3, 1, "Y", 0, 0, "?"},
        {"marked block", "#?ByY", 3, 1, "Y", 0, 0, "?"},
        {"uncovered block keeps its caption", "*yY", 3, 1, "Y", 0, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game game = BoardFromRows(c.rows);
        game.BoardWidth = static_cast<Int16>(c.width);
        game.BoardHeight = static_cast<Int16>(c.height);
        EXPECT_EQ(CaptionSquare(game, Scanning(c.scanned), c.column, c.row), c.caption);
    }
}

TEST(InBoard, HoldsExactlyForTheBoardInPlay) {
    Game game;
    game.BoardWidth = 4;
    game.BoardHeight = 2;
    const std::tuple<int, int, bool> cases[] = {
        {0, 0, true},  {3, 1, true},  {-1, 0, false},  {0, -1, false},
        {4, 0, false}, {0, 2, false}, {29, 29, false}, {-30000, 5, false},
    };
    for (const auto& [column, row, inside] : cases) {
        EXPECT_EQ(InBoard(game, column, row), inside) << column << "," << row;
        // Cells beyond the board but on the grid never count.
        const bool onGrid = column >= 0 && column < GridSize && row >= 0 && row < GridSize;
        if (onGrid) {
            game.At(column, row).Colour = CodeRed;
        }
        EXPECT_EQ(ScannedAt(game, Scanning("R"), column, row), inside ? 1 : 0);
    }
}

TEST(SquareBackColour, FollowsStateThenColour) {
    const std::tuple<const char*, Cell, std::optional<ScreenColour>> cases[] = {
        {"hidden, whatever its colour", {CodeRed, StateHidden}, ScreenButtonFace},
        {"hidden block", {CodeBlock, StateHidden}, ScreenButtonFace},
        {"uncovered block", {CodeBlock, StateVisible}, ScreenBlack},
        {"uncovered Yellow", {CodeYellow, StateVisible}, ScreenYellow},
        {"uncovered Orange", {CodeOrange, StateVisible}, ScreenOrange},
        {"uncovered Red", {CodeRed, StateVisible}, ScreenRed},
        {"uncovered Green", {CodeGreen, StateVisible}, ScreenGreen},
        {"uncovered Blue", {CodeBlue, StateVisible}, ScreenBlue},
        {"uncovered Purple", {CodePurple, StateVisible}, ScreenPurple},
        {"uncovered, no colour", {CodeNoColour, StateVisible}, ScreenWhite},
        {"marked: the mark's colour", {CodeYellow, CodePurple}, ScreenPurple},
        {"marked block", {CodeBlock, CodeGreen}, ScreenGreen},
        {"dealt block keeps its colour", {CodeBlock, StateDealtBlock}, std::nullopt},
    };
    for (const auto& [name, cell, colour] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(SquareBackColour(cell), colour);
    }
}

} // namespace
} // namespace tessaline
