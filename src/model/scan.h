#pragma once
// The counts shown on uncovered squares: how many of the eight squares around
// have a colour whose Colors Scanned box is ticked. Nothing is cached; every
// caption is worked out again from the grid and the ticks.

#include "model/game.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

namespace tessaline {

// Indexed by colour code: whether that colour's Colors Scanned box is ticked.
// Index 0 is unused.
using ScanSet = std::array<bool, ColourCount + 1>;

// The eight squares around a square, as (column, row) offsets: left, then
// round the square counter-clockwise on screen. The order decides which
// squares a spread repaints first.
inline constexpr std::array<std::pair<int, int>, 8> NeighbourOffsets{{
    {-1, 0},
    {-1, +1},
    {0, +1},
    {+1, +1},
    {+1, 0},
    {+1, -1},
    {0, -1},
    {-1, -1},
}};

// Whether (column, row) lies on the board in play; any integers may be asked.
bool InBoard(const Game& game, int column, int row);

// 1 when (column, row) is in play, has one of the six colours and that colour is
// scanned; 0 otherwise. Hidden and marked squares count by their true colour.
Int16 ScannedAt(const Game& game, const ScanSet& scanned, int column, int row);

// The caption of the square (column, row), which must lie on the grid: "" when
// hidden, the count "0" to "8" when uncovered, "?" for a mark or a dealt block.
// Nothing for an uncovered block: its caption stays whatever it was.
std::optional<std::string> CaptionSquare(const Game& game, const ScanSet& scanned, int column,
                                         int row);

} // namespace tessaline
