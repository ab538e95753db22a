#include "model/scan.h"

namespace tessaline {

bool InBoard(const Game& game, int column, int row) {
    return column >= 0 && column <= game.BoardWidth - 1 && row >= 0 && row <= game.BoardHeight - 1;
}

Int16 ScannedAt(const Game& game, const ScanSet& scanned, int column, int row) {
    if (!InBoard(game, column, row)) {
        return 0;
    }
    const Int16 colour = game.At(column, row).Colour;
    return IsColour(colour) && scanned[colour] ? 1 : 0;
}

std::optional<std::string> CaptionSquare(const Game& game, const ScanSet& scanned, int column,
                                         int row) {
    const Cell& cell = game.At(column, row);
    if (cell.State == StateHidden) {
        return std::string();
    }
    if (cell.State != StateVisible) {
        return std::string("?");
    }
    if (cell.Colour == CodeBlock) {
        return std::nullopt;
    }
    int count = 0;
    for (const auto& [dc, dr] : NeighbourOffsets) {
        count += ScannedAt(game, scanned, column + dc, row + dr);
    }
    return std::to_string(count);
}

} // namespace tessaline
