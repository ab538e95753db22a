#include "play/endgame.h"

namespace tessaline {

bool AllFound(const Game& game) {
    int sum = 0;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        sum += game.Remaining[code];
    }
    return sum == 0;
}

void EndGame(Game& game, Frontend& frontend) {
    game.GameOver = true;
    frontend.StopClock();
}

void PlayerWins(Game& game, Frontend& frontend) {
    frontend.ShowWinWindow();
    EndGame(game, frontend);
}

void PlayerLoses(Game& game, Frontend& frontend) {
    frontend.Beep();
    EndGame(game, frontend);
    RevealBoard(game, frontend);
}

void RevealBoard(Game& game, Frontend& frontend) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            game.At(column, row).State = StateVisible;
            frontend.PaintSquare(column, row);
        }
    }
}

void Quit(Game& game, Frontend& frontend) {
    EndGame(game, frontend);
    RevealBoard(game, frontend);
}

} // namespace tessaline
