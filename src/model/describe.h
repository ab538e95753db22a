#pragma once
// A square put into words, for players who hear the board rather than see it.

#include "model/game.h"

#include <string>
#include <string_view>

namespace tessaline {

// "Yellow" to "Purple" for the codes 1 to 6; empty for any other code.
std::string_view ColourName(Int16 code);

// The square's place, row first and both counted from 1 as a player counts
// them, then what it shows: "Row 3, column 5: hidden", "Row 1, column 1: Red,
// 2", "Row 2, column 4: marked Yellow", "Row 1, column 2: block". `caption` is
// the text the square shows; an uncovered colour reads it after its name.
// Column and row are the grid's, from 0.
std::string DescribeSquare(const Cell& cell, int column, int row, std::string_view caption);

} // namespace tessaline
