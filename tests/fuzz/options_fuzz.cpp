// The Options rules: eight texts, one a line (the last takes the rest), height
// and width first, then the six colour shares.

#include "fuzz_support.h"
#include "model/numbers.h"
#include "model/options.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessaline::fuzz {
namespace {

using Boxes = std::array<std::string, 8>;

Game Before() {
    Game game;
    SetOptionDefaults(game);
    game.Percent[0] = 40;
    return game;
}

std::optional<OptionValues> Accept(const Boxes& boxes) {
    OptionTexts texts;
    texts.Height = boxes[0];
    texts.Width = boxes[1];
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        texts.PerColor[code] = boxes[code + 1];
    }
    return AcceptOptions(texts);
}

// The game after OK with these texts: applied if accepted, as it was if not.
Game AfterOk(Game game, const Boxes& boxes) {
    if (const std::optional<OptionValues> values = Accept(boxes)) {
        ApplyOptions(game, *values);
    }
    return game;
}

} // namespace
} // namespace tessaline::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    using namespace tessaline::fuzz;

    Boxes boxes;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        const std::size_t end = box + 1 < boxes.size() ? rest.find('\n') : rest.npos;
        boxes[box] = rest.substr(0, end);
        rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
    }

    // Accepted exactly when all eight are numbers and some share, clamped to
    // 0..100, is above one half: only then does the rounded total leave 0.
    bool numbers = true;
    bool someShare = false;
    for (std::size_t box = 0; box < boxes.size(); ++box) {
        const std::optional<double> typed = ParseNumber(boxes[box]);
        numbers = numbers && typed;
        someShare = someShare || (box >= 2 && typed && std::min(*typed, 100.0) > 0.5);
    }

    // Refused texts give no values at all, so nothing can be applied from them.
    const bool accepted = Accept(boxes).has_value();
    Require(accepted == (numbers && someShare), "accepted or refused against the rules");
    if (!accepted) {
        return 0;
    }
    const Game before = Before();
    const Game after = AfterOk(before, boxes);
    Require(after.BoardWidth >= MinWidth && after.BoardWidth <= MaxWidth, "width out of range");
    Require(after.BoardHeight >= MinHeight && after.BoardHeight <= MaxHeight,
            "height out of range");
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        Require(std::isfinite(after.Percent[code]) && after.Percent[code] >= 0,
                "a share not finite or negative");
    }
    Game others = after;
    others.BoardWidth = before.BoardWidth;
    others.BoardHeight = before.BoardHeight;
    std::copy(before.Percent.begin() + 1, before.Percent.end(), others.Percent.begin() + 1);
    Require(SameGame(others, before), "OK changed more than the size and the colour shares");

    Require(SameGame(AfterOk(after, boxes), after), "the same texts again changed the settings");
    Boxes padded = boxes;
    for (std::string& text : padded) {
        text = " " + text + "  ";
    }
    Require(SameGame(AfterOk(before, padded), after), "blanks around the texts changed the result");
    return 0;
}
