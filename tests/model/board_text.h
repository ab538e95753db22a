#pragma once
// Boards written as rows of text, for tests. Rows are separated by '/', one
// character per cell, left to right:
//
//   Y O R G B P   hidden square of that colour     y o r g b p   uncovered square
//   #             block as dealt (State -1)        *             uncovered block
//   .             hidden square with no colour     :             uncovered, no colour
//
// A hidden cell may carry a mark: "R?Y" is a Red square marked Yellow, "#?B" a
// dealt block marked Blue. So "YYR/B#Y" is two rows of three, all hidden, with a
// dealt block in the middle of the second row.

#include "model/game.h"
#include "model/scan.h"

#include <string>
#include <string_view>

namespace tessaline::test {

// Writes the rows into the grid from (0, 0); nothing else changes.
void PutRows(Game& game, std::string_view rows);

// A running game on a fresh grid: the board in play is exactly the rows, the
// remaining counts are the hidden coloured squares, GameOver is false and the
// guess is Yellow. Cells beyond the rows keep their start-up values.
Game BoardFromRows(std::string_view rows);

// The cells of the first width x height of the grid, written as PutRows reads
// them; a cell the notation cannot write shows as '!'.
std::string RowsOf(const Game& game, int width, int height);
// The board in play.
std::string RowsOf(const Game& game);

// The colour code of an upper-case letter of "#YORGBP", or -1.
Int16 CodeOfLetter(char letter);

// The Colors Scanned ticks for the colour letters given: "YR" ticks Yellow and Red.
ScanSet Scanning(std::string_view letters);

} // namespace tessaline::test
