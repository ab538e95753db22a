#pragma once
// The shape of the board: which cells are blocks, set at random by a share in
// percent. Blocks by hand are ToggleBlock's (play/clicks.h).

#include "model/game.h"
#include "model/random.h"

#include <optional>
#include <string_view>

namespace tessaline {

// The block share a typed text asks for: a whole number from 0 to 100, or
// nothing if the text is not a number. The number is rounded first, halves to
// even (12.5 gives 12, 13.5 gives 14), then clamped; a number too large for 16
// bits is clamped like any other number beyond 100 (1e10 gives 100, -1e10 0).
std::optional<double> BlockPercentFrom(std::string_view text);

// Every one of the 900 cells is drawn again, whatever the size in play, column
// by column, one draw per cell: a block (visible) with a chance of Percent[0]
// in 100, otherwise a hidden square with no colour. Blocks by hand, dealt
// colours and marks are all gone. The source is reseeded first, so that two
// fills with the same share differ.
void SetBlocksAtRandom(Game& game, RandomSource& random);

// The Set Blocks button: if the text is a number, it becomes Percent[0] and the
// cells are drawn again. Returns false, with nothing changed, if it is not.
bool SetBlocks(Game& game, RandomSource& random, std::string_view text);

} // namespace tessaline
