#include "model/appearance.h"

namespace tessaline {

ScreenColour ScreenColourOf(Int16 code) {
    switch (code) {
    case CodeBlock:
        return ScreenBlack;
    case CodeYellow:
        return ScreenYellow;
    case CodeOrange:
        return ScreenOrange;
    case CodeRed:
        return ScreenRed;
    case CodeGreen:
        return ScreenGreen;
    case CodeBlue:
        return ScreenBlue;
    case CodePurple:
        return ScreenPurple;
    default:
        return ScreenWhite;
    }
}

std::optional<ScreenColour> SquareBackColour(const Cell& cell) {
    if (cell.State == StateHidden) {
        return ScreenButtonFace;
    }
    if (cell.State == StateVisible) {
        return ScreenColourOf(cell.Colour);
    }
    if (IsColour(cell.State)) {
        return ScreenColourOf(cell.State);
    }
    return std::nullopt;
}

} // namespace tessaline
