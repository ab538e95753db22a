#pragma once
// What the fuzz targets share: how a broken rule stops the run, and whether two
// games hold the same values.

#include "model/game.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessaline::fuzz {

// A rule that does not hold is a finding: say which, and stop, so that the
// fuzzer keeps the input that broke it.
inline void Require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "finding: %s\n", rule);
        std::abort();
    }
}

// Every value of the two games alike; doubles compared bit for bit.
inline bool SameGame(const Game& a, const Game& b) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            if (a.At(column, row).Colour != b.At(column, row).Colour ||
                a.At(column, row).State != b.At(column, row).State) {
                return false;
            }
        }
    }
    return a.BoardWidth == b.BoardWidth && a.BoardHeight == b.BoardHeight &&
           std::memcmp(a.Percent.data(), b.Percent.data(), sizeof a.Percent) == 0 &&
           a.Remaining == b.Remaining && a.GameOver == b.GameOver &&
           a.GuessColour == b.GuessColour && a.Seconds == b.Seconds && a.PressX == b.PressX &&
           a.PressY == b.PressY && a.AboutPictureFlag == b.AboutPictureFlag;
}

} // namespace tessaline::fuzz
