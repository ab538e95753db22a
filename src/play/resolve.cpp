#include "play/resolve.h"

#include "model/scan.h"
#include "play/clicks.h"
#include "play/endgame.h"

namespace tessaline {

namespace {

bool HiddenNeighbour(const Game& game, int column, int row) {
    return InBoard(game, column, row) && IsHidden(game.At(column, row));
}

} // namespace

bool IsHidden(const Cell& cell) {
    return cell.Colour != CodeBlock && cell.State != StateVisible;
}

void UncoverSquare(Game& game, Frontend& frontend, int column, int row) {
    game.At(column, row).State = StateVisible;
    frontend.RefreshSquare(column, row);
    --game.Remaining.at(game.GuessColour);
    frontend.ShowRemaining();
    if (AllFound(game)) {
        PlayerWins(game, frontend);
    }
}

bool GuessFitsAround(const Game& game, int column, int row) {
    for (const auto& [dc, dr] : NeighbourOffsets) {
        if (HiddenNeighbour(game, column + dc, row + dr) &&
            game.At(column + dc, row + dr).Colour != game.GuessColour) {
            return false;
        }
    }
    return true;
}

bool NoneHiddenAround(const Game& game, int column, int row) {
    for (const auto& [dc, dr] : NeighbourOffsets) {
        if (HiddenNeighbour(game, column + dc, row + dr)) {
            return false;
        }
    }
    return true;
}

void ClickAround(Game& game, Frontend& frontend, int column, int row) {
    // Each click runs the whole left-click rule, its own spread included, before
    // the next neighbour is looked at. A chain nests one level per square (899 at
    // most on a full board); each level is two small frames.
    for (const auto& [dc, dr] : NeighbourOffsets) {
        if (HiddenNeighbour(game, column + dc, row + dr)) {
            const auto index = static_cast<Int16>(Square(column + dc, row + dr));
            Square_MouseDown(game, frontend, index, ButtonLeft, 0, 0.0f, 0.0f);
            Square_MouseUp(game, frontend, index, ButtonLeft, 0, 0.0f, 0.0f);
        }
    }
}

} // namespace tessaline
