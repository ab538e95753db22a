#pragma once
// A fresh board: every square in play that is not a block gets a colour drawn by
// the shares, blocks become dealt blocks, and the remaining counts are counted.

#include "model/game.h"
#include "model/random.h"

namespace tessaline {

// Leaves GameOver true; the caller shows the remaining counts afterwards. Cells
// outside BoardWidth x BoardHeight are not touched.
void DealBoard(Game& game, RandomSource& random);

} // namespace tessaline
