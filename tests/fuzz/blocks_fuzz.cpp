// Set Blocks: four bytes of seed for the draws, then the typed text.

#include "fuzz_support.h"
#include "model/blocks.h"
#include "model/numbers.h"
#include "model/random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    using fuzz::Require;

    std::uint32_t seed = 0;
    const std::size_t seedBytes = std::min(size, sizeof seed);
    std::memcpy(&seed, data, seedBytes);
    const std::string_view text(reinterpret_cast<const char*>(data) + seedBytes, size - seedBytes);

    // One draw in [0, 1) for each of the 900 cells, whole 24-bit fractions as
    // the program's sources give.
    std::mt19937 engine(seed);
    std::vector<float> draws(SquareCount);
    for (float& draw : draws) {
        draw = static_cast<float>(engine() >> 8) / 16777216.0f;
    }
    ScriptedRandom random(draws);

    // A game in progress: dealt colours, marks and blocks by hand.
    Game before;
    before.Percent[0] = 40;
    before.GameOver = false;
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const int kind = (column * 7 + row * 3) % 9;
            before.At(column, row) = {static_cast<Int16>(kind % 7), static_cast<Int16>(kind)};
        }
    }

    Game game = before;
    const bool accepted = SetBlocks(game, random, text);
    Require(accepted == ParseNumber(text).has_value(), "accepted or refused unlike a number");
    if (!accepted) {
        Require(fuzz::SameGame(game, before), "a refused text changed the game");
        Require(random.Drawn() == 0 && random.Reseeds() == 0, "a refused text drew");
        return 0;
    }
    const double share = game.Percent[0];
    Require(share >= 0 && share <= 100 && share == std::trunc(share),
            "the block share is not a whole number from 0 to 100");
    Require(random.Reseeds() == 1 && random.Drawn() == draws.size(), "not one draw a cell");
    // Column by column, a block where the draw, in percent, is below the share.
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const bool block = static_cast<float>(share) > draws[column * GridSize + row] * 100.0f;
            const Cell cell = game.At(column, row);
            Require(block ? cell.State == StateVisible && cell.Colour == CodeBlock
                          : cell.State == StateHidden && cell.Colour == CodeNoColour,
                    "a cell is not as its draw says");
        }
    }
    Game others = game;
    others.Grid = before.Grid;
    others.Percent[0] = before.Percent[0];
    Require(fuzz::SameGame(others, before), "Set Blocks changed more than the blocks");
    return 0;
}
