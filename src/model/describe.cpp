#include "model/describe.h"

#include <array>

namespace tessaline {

std::string_view ColourName(Int16 code) {
    static constexpr std::array<std::string_view, ColourCount + 1> Names{
        "", "Yellow", "Orange", "Red", "Green", "Blue", "Purple"};
    return IsColour(code) ? Names[static_cast<std::size_t>(code)] : "";
}

namespace {

// What the square shows, as the board paints it: only an uncovered square
// shows its colour; a mark shows the guess, not the truth.
std::string Shown(const Cell& cell, std::string_view caption) {
    if (cell.State == StateDealtBlock) {
        return "block";
    }
    if (IsColour(cell.State)) {
        return "marked " + std::string(ColourName(cell.State));
    }
    if (cell.State != StateVisible) {
        return "hidden"; // every state but uncovered counts as hidden
    }
    if (cell.Colour == CodeBlock) {
        return "block"; // a block's caption is left over from before and means nothing
    }
    std::string shown =
        IsColour(cell.Colour) ? std::string(ColourName(cell.Colour)) : std::string("no colour");
    if (!caption.empty()) {
        shown += ", ";
        shown += caption;
    }
    return shown;
}

} // namespace

std::string DescribeSquare(const Cell& cell, int column, int row, std::string_view caption) {
    std::string text = "Row ";
    text += std::to_string(row + 1);
    text += ", column ";
    text += std::to_string(column + 1);
    text += ": ";
    text += Shown(cell, caption);
    return text;
}

} // namespace tessaline
