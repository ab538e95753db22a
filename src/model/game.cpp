#include "model/game.h"

namespace tessaline {

void InitGrid(Game& game) {
    for (auto& column : game.Grid) {
        for (auto& cell : column) {
            cell = Cell{CodeNoColour, StateHidden};
        }
    }
}

void ResetGame(Game& game) {
    game.GameOver = true;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        game.Remaining[code] = 0;
    }
}

void SetOptionDefaults(Game& game) {
    game.BoardHeight = 15;
    game.BoardWidth = 15;
    game.Percent[1] = 80;
    game.Percent[2] = 0;
    game.Percent[3] = 10;
    game.Percent[4] = 0;
    game.Percent[5] = 10;
    game.Percent[6] = 0;
}

void ClearBlockPercent(Game& game) {
    game.Percent[0] = 0;
}

} // namespace tessaline
