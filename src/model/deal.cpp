#include "model/deal.h"

namespace tessaline {

void DealBoard(Game& game, RandomSource& random) {
    ResetGame(game);
    random.Reseed();

    // Running sums of the shares of Yellow to Blue, in double precision; Purple
    // gets whatever they leave, so its own share is never read.
    std::array<double, CodeBlue + 1> below{};
    double sum = 0;
    for (Int16 code = CodeYellow; code <= CodeBlue; ++code) {
        sum += game.Percent[code];
        below[code] = sum;
    }

    for (int column = 0; column < game.BoardWidth; ++column) {
        for (int row = 0; row < game.BoardHeight; ++row) {
            Cell& cell = game.At(column, row);
            if (cell.Colour == CodeBlock) {
                cell.State = StateDealtBlock;
                continue;
            }
            cell.State = StateHidden;
            // The draw is single precision, as the source gives it; a draw equal
            // to a running sum goes on to the next colour.
            const float draw = random.Next() * 100.0f;
            Int16 colour = CodePurple;
            for (Int16 code = CodeYellow; code <= CodeBlue; ++code) {
                if (static_cast<double>(draw) < below[code]) {
                    colour = code;
                    break;
                }
            }
            cell.Colour = colour;
            ++game.Remaining[colour];
        }
    }
}

} // namespace tessaline
