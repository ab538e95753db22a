#pragma once
// The back colour of a square, from its cell.

#include "model/game.h"

#include <optional>

namespace tessaline {

// The screen colour of a colour code: 0 black, 1 to 6 the six colours, 10 white.
// Any other code never reaches a square; it shows as white, like no colour.
ScreenColour ScreenColourOf(Int16 code);

// Hidden: the button face; uncovered: the colour of the cell's own code; marked:
// the colour of the mark, whatever the cell's true colour. Nothing for a dealt
// block: its square keeps the back colour it last had.
std::optional<ScreenColour> SquareBackColour(const Cell& cell);

} // namespace tessaline
