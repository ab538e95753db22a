#pragma once
// The board size and colour shares as the Options dialog takes them: eight texts
// in, all eight settings out at once, or nothing at all.

#include "model/game.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessaline {

// The texts of the dialog's boxes. PerColor[1..6] by colour code; [0] is unused.
struct OptionTexts {
    std::string_view Height;
    std::string_view Width;
    std::array<std::string_view, ColourCount + 1> PerColor{};
};

// What an accepted OK puts in force. Percent[0], the block share, is not the
// dialog's and stays as it is.
struct OptionValues {
    Int16 BoardHeight = 0;
    Int16 BoardWidth = 0;
    std::array<double, ColourCount + 1> Percent{};
};

// A typed size: above the largest or below the smallest it is clamped, compared
// as typed; otherwise it is rounded, halves to even (2.5 gives 2, 3.5 gives 4).
Int16 ClampSize(double typed, Int16 smallest, Int16 largest);

// All eight texts must be numbers, or nothing is accepted. A number is what
// ParseNumber reads: blanks around, a sign, digits with a point, an exponent;
// not a tab, a comma, "inf" or digits of other scripts. Each share is
// clamped to 0..100 and the shares are scaled to add up to about 100 by their
// total, which is kept whole as it grows: rounded, halves to even, after every
// addition. A total that rounds to 0 would leave nothing to scale by; such
// shares are refused just like a text that is not a number, so that no board
// is ever dealt from shares that are not numbers.
std::optional<OptionValues> AcceptOptions(const OptionTexts& texts);

// Writes the size and the six colour shares; the block share stays.
void ApplyOptions(Game& game, const OptionValues& values);

} // namespace tessaline
