#pragma once
// Mouse presses and releases on the squares of the board. The press only records
// where it happened; every decision is taken on the release. The spread of
// uncovering calls these same handlers for neighbouring squares, so the release
// handler runs nested inside itself.

#include "model/game.h"
#include "play/frontend.h"

namespace tessaline {

// Mouse buttons as the handlers take them; any other value does nothing.
inline constexpr Int16 ButtonLeft = 1;
inline constexpr Int16 ButtonRight = 2;

// Index is the square's index, Square(column, row). Shift is never read.
void Square_MouseDown(Game& game, Frontend& frontend, Int16 Index, Int16 Button, Int16 Shift,
                      float X, float Y);
void Square_MouseUp(Game& game, Frontend& frontend, Int16 Index, Int16 Button, Int16 Shift, float X,
                    float Y);

// A block becomes a hidden square with no colour; anything else becomes an
// uncovered block. The counts and the game-over flag are left alone: the new
// shape takes part from the next deal.
void ToggleBlock(Game& game, Frontend& frontend, int column, int row);

} // namespace tessaline
