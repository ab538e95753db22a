#pragma once
// Every program-wide value of the game lives in one Game: the grid, the settings,
// the remaining counts, the game-over flag, the guessed colour, the seconds, the
// press position and the about window's picture flag. Nothing here knows a window.

#include "model/colours.h"

#include <array>
#include <cstdint>

namespace tessaline {

using Int16 = std::int16_t;

// Colour codes. Codes 1 to 6 also index every per-colour control array, Percent
// and Remaining.
inline constexpr Int16 CodeBlock = 0;
inline constexpr Int16 CodeYellow = 1;
inline constexpr Int16 CodeOrange = 2;
inline constexpr Int16 CodeRed = 3;
inline constexpr Int16 CodeGreen = 4;
inline constexpr Int16 CodeBlue = 5;
inline constexpr Int16 CodePurple = 6;
inline constexpr Int16 CodeNoColour = 10;

// Whether a code is one of the six colours: not a block, nor no colour.
constexpr bool IsColour(int code) {
    return code >= CodeYellow && code <= CodePurple;
}

// State codes. 1 to 6 are marks; -1 is a block as dealt. Only StateVisible is visible.
inline constexpr Int16 StateHidden = 100;
inline constexpr Int16 StateVisible = 200;
inline constexpr Int16 StateDealtBlock = -1;

// The grid is always 30 x 30; only BoardWidth x BoardHeight of it is in play.
inline constexpr int GridSize = 30;
inline constexpr int SquareCount = GridSize * GridSize;

// Limits of the settings.
inline constexpr Int16 MinWidth = 3;
inline constexpr Int16 MaxWidth = GridSize;
inline constexpr Int16 MinHeight = 1;
inline constexpr Int16 MaxHeight = GridSize;
inline constexpr Int16 ColourCount = 6;

// The settings in force at start-up and whenever the Options dialog is created
// again: a 15 x 15 board, shares of 80, 0, 10, 0, 10 and 0 for the colours, no
// block share. Percent[0] is the block share.
inline constexpr Int16 DefaultWidth = 15;
inline constexpr Int16 DefaultHeight = 15;
inline constexpr std::array<double, ColourCount + 1> DefaultPercent{0, 80, 0, 10, 0, 10, 0};

// Flags shown or compared as numbers use -1 for true and 0 for false.
inline constexpr Int16 True = -1;
inline constexpr Int16 False = 0;

struct Cell {
    Int16 Colour = CodeNoColour;
    Int16 State = StateHidden;
};

struct Game {
    // Grid[column][row], both 0 to 29.
    std::array<std::array<Cell, GridSize>, GridSize> Grid{};

    Int16 BoardWidth = DefaultWidth;
    Int16 BoardHeight = DefaultHeight;
    // Percent[0] is the block share; Percent[1..6] the colour shares.
    std::array<double, ColourCount + 1> Percent = DefaultPercent;

    // Remaining[1..6]: squares of that colour still hidden; [0] is unused.
    std::array<Int16, ColourCount + 1> Remaining{};
    bool GameOver = true;
    Int16 GuessColour = CodeYellow;
    Int16 Seconds = 0;

    // Position of the last press on any square, rounded.
    Int16 PressX = 0;
    Int16 PressY = 0;

    // Which picture the product about window shows: 0 the product, 1 the maker.
    Int16 AboutPictureFlag = 0;

    Cell& At(int column, int row) { return Grid.at(column).at(row); }
    const Cell& At(int column, int row) const { return Grid.at(column).at(row); }
};

// The label index that shows the cell (column, row): 30 labels to a row.
constexpr int Square(int column, int row) {
    return column + row * GridSize;
}
constexpr int ColumnOf(int index) {
    return index % GridSize;
}
constexpr int RowOf(int index) {
    return index / GridSize;
}

// Every cell back to no colour and hidden (the labels are the window's half).
void InitGrid(Game& game);
// Start of every deal, and start-up: the game is over and nothing remains.
void ResetGame(Game& game);
// The default board size and colour shares; the block share stays.
void SetOptionDefaults(Game& game);
// No blocks wanted when blocks are set at random.
void ClearBlockPercent(Game& game);

} // namespace tessaline
