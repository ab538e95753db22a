#pragma once
// Uncovering a square and the spread that follows: when every hidden square
// around a clicked square has the guessed colour, they are clicked in turn, each
// click examining its own neighbourhood before the next neighbour's turn comes.

#include "model/game.h"
#include "play/frontend.h"

namespace tessaline {

// Whether a square takes part in play as hidden: not a block, not visible. A
// marked square is hidden.
bool IsHidden(const Cell& cell);

// Only for a hidden square whose colour is the guessed colour.
void UncoverSquare(Game& game, Frontend& frontend, int column, int row);

// True unless a hidden neighbour in play has another colour than the guess.
bool GuessFitsAround(const Game& game, int column, int row);
// True unless some neighbour in play is hidden.
bool NoneHiddenAround(const Game& game, int column, int row);

// A simulated left click on every neighbour that is still hidden when its turn
// comes, in the fixed neighbour order.
void ClickAround(Game& game, Frontend& frontend, int column, int row);

} // namespace tessaline
