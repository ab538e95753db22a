#include "model/options.h"

#include "model/numbers.h"
#include "model/rounding.h"

#include <algorithm>

namespace tessaline {

Int16 ClampSize(double typed, Int16 smallest, Int16 largest) {
    if (typed > largest) {
        return largest;
    }
    if (typed < smallest) {
        return smallest;
    }
    return RoundToInt16(typed);
}

std::optional<OptionValues> AcceptOptions(const OptionTexts& texts) {
    // Every text is read before anything is decided, so that one bad box
    // refuses the whole dialog.
    const std::optional<double> height = ParseNumber(texts.Height);
    const std::optional<double> width = ParseNumber(texts.Width);
    std::array<std::optional<double>, ColourCount + 1> typed{};
    bool allNumbers = height && width;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        typed[code] = ParseNumber(texts.PerColor[code]);
        allNumbers = allNumbers && typed[code];
    }
    if (!allNumbers) {
        return std::nullopt;
    }

    OptionValues values;
    values.BoardHeight = ClampSize(*height, MinHeight, MaxHeight);
    values.BoardWidth = ClampSize(*width, MinWidth, MaxWidth);

    std::array<double, ColourCount + 1> share{};
    Int16 total = 0;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        share[code] = std::clamp(*typed[code], 0.0, 100.0);
        // Six shares of at most 100 keep the total far inside 16 bits.
        total = RoundToInt16(total + share[code]);
    }
    if (total == 0) {
        return std::nullopt;
    }
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        values.Percent[code] = share[code] * 100 / total;
    }
    return values;
}

void ApplyOptions(Game& game, const OptionValues& values) {
    game.BoardHeight = values.BoardHeight;
    game.BoardWidth = values.BoardWidth;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        game.Percent[code] = values.Percent[code];
    }
}

} // namespace tessaline
