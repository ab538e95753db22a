#include "play/clicks.h"

#include "model/rounding.h"
#include "play/endgame.h"
#include "play/resolve.h"

namespace tessaline {

namespace {

void RightRelease(Game& game, Frontend& frontend, int column, int row) {
    if (frontend.CustomizeBoardShown()) {
        ToggleBlock(game, frontend, column, row);
        return;
    }
    Cell& cell = game.At(column, row);
    if (cell.State != StateVisible) {
        // A mark replaces any earlier mark; the counts do not change.
        cell.State = game.GuessColour;
        frontend.RefreshSquare(column, row);
    }
}

void LeftRelease(Game& game, Frontend& frontend, int column, int row) {
    if (frontend.CustomizeBoardShown() || game.GameOver) {
        return;
    }
    Cell& cell = game.At(column, row);
    if (cell.State != StateVisible) {
        if (cell.Colour == CodeBlock) {
            // Not repainted: the block keeps showing what it showed before.
            cell.State = StateVisible;
        } else if (cell.Colour == game.GuessColour) {
            UncoverSquare(game, frontend, column, row);
        } else {
            PlayerLoses(game, frontend);
        }
    }
    // Even a square that was already visible, or a losing click, gets its
    // neighbourhood examined.
    if (GuessFitsAround(game, column, row) && !NoneHiddenAround(game, column, row)) {
        ClickAround(game, frontend, column, row);
    }
}

} // namespace

void Square_MouseDown(Game& game, Frontend& /*frontend*/, Int16 /*Index*/, Int16 /*Button*/,
                      Int16 /*Shift*/, float X, float Y) {
    game.PressX = RoundToInt16(X);
    game.PressY = RoundToInt16(Y);
}

void Square_MouseUp(Game& game, Frontend& frontend, Int16 Index, Int16 Button, Int16 /*Shift*/,
                    float X, float Y) {
    // The stored press is rounded but the release is not: the pointer must come
    // up exactly where it went down, so a fractional position never matches.
    if (X != static_cast<float>(game.PressX) || Y != static_cast<float>(game.PressY)) {
        return;
    }
    if (Index < 0 || Index >= SquareCount) {
        return;
    }
    const int column = ColumnOf(Index);
    const int row = RowOf(Index);
    if (Button == ButtonRight) {
        RightRelease(game, frontend, column, row);
    } else if (Button == ButtonLeft) {
        LeftRelease(game, frontend, column, row);
    }
}

void ToggleBlock(Game& game, Frontend& frontend, int column, int row) {
    Cell& cell = game.At(column, row);
    if (cell.Colour == CodeBlock) {
        cell.State = StateHidden;
        cell.Colour = CodeNoColour;
    } else {
        cell.State = StateVisible;
        cell.Colour = CodeBlock;
    }
    frontend.RefreshSquare(column, row);
}

} // namespace tessaline
