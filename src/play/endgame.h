#pragma once
// The three ways a game ends: a win, a loss and Quit. Every ending sets the
// game-over flag and stops the clock.

#include "model/game.h"
#include "play/frontend.h"

namespace tessaline {

// No square of any colour is left hidden.
bool AllFound(const Game& game);

void EndGame(Game& game, Frontend& frontend);
// The win window, then the end of the game; the board stays as it is.
void PlayerWins(Game& game, Frontend& frontend);
// One beep, the end of the game, and the whole board shown.
void PlayerLoses(Game& game, Frontend& frontend);
// All 900 cells become visible and are repainted; captions stay as they were, so
// a square that was hidden shows no number and a mark keeps its "?".
void RevealBoard(Game& game, Frontend& frontend);
// The Quit command: the game ends and the whole board is shown, without a beep.
void Quit(Game& game, Frontend& frontend);

} // namespace tessaline
