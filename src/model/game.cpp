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
    game.BoardHeight = DefaultHeight;
    game.BoardWidth = DefaultWidth;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        game.Percent[code] = DefaultPercent[code];
    }
}

void ClearBlockPercent(Game& game) {
    game.Percent[0] = 0;
}

} // namespace tessaline
