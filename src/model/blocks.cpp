#include "model/blocks.h"

#include "model/numbers.h"
#include "model/rounding.h"

#include <algorithm>

namespace tessaline {

std::optional<double> BlockPercentFrom(std::string_view text) {
    const std::optional<double> typed = ParseNumber(text);
    if (!typed) {
        return std::nullopt;
    }
    const Int16 whole = RoundToInt16(*typed);
    return std::clamp<Int16>(whole, 0, 100);
}

void SetBlocksAtRandom(Game& game, RandomSource& random) {
    random.Reseed();
    // Both sides of the comparison are single precision, as the draws are.
    const float share = static_cast<float>(game.Percent[0]);
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const float x = random.Next() * 100.0f;
            Cell& cell = game.At(column, row);
            if (share > x) {
                cell.State = StateVisible;
                cell.Colour = CodeBlock;
            } else {
                cell.State = StateHidden;
                cell.Colour = CodeNoColour;
            }
        }
    }
}

bool SetBlocks(Game& game, RandomSource& random, std::string_view text) {
    const std::optional<double> percent = BlockPercentFrom(text);
    if (!percent) {
        return false;
    }
    game.Percent[0] = *percent;
    SetBlocksAtRandom(game, random);
    return true;
}

} // namespace tessaline
