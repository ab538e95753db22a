#include "board_text.h"

#include <cctype>
#include <stdexcept>
#include <utility>

namespace tessaline::test {

namespace {

constexpr std::string_view Letters = "#YORGBP";

Cell ReadCell(char c) {
    switch (c) {
    case '#':
        return {CodeBlock, StateDealtBlock};
    case '*':
        return {CodeBlock, StateVisible};
    case '.':
        return {CodeNoColour, StateHidden};
    case ':':
        return {CodeNoColour, StateVisible};
    default:
        break;
    }
    const bool visible = std::islower(static_cast<unsigned char>(c)) != 0;
    const Int16 code = CodeOfLetter(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (code <= CodeBlock) {
        throw std::invalid_argument(std::string("not a cell: ") + c);
    }
    return {code, visible ? StateVisible : StateHidden};
}

// Written by the first character that reads back as the same cell.
std::string WriteCell(const Cell& cell) {
    const bool marked = IsColour(cell.State);
    for (const char base : std::string_view("YORGBPyorgbp#*.:")) {
        const Cell plain = ReadCell(base);
        if (plain.Colour != cell.Colour) {
            continue;
        }
        if (plain.State == cell.State) {
            return std::string(1, base);
        }
        if (marked && plain.State != StateVisible) {
            return std::string{base, '?', Letters[cell.State]};
        }
    }
    return "!";
}

// Writes the rows and returns their width and height; rows of unequal length or
// an unknown character are a mistake in the test.
std::pair<int, int> PutRowsSized(Game& game, std::string_view rows) {
    int width = -1;
    int column = 0;
    int row = 0;
    for (std::size_t at = 0; at <= rows.size(); ++at) {
        if (at == rows.size() || rows[at] == '/') {
            if (width >= 0 && column != width) {
                throw std::invalid_argument("rows of unequal length: " + std::string(rows));
            }
            width = column;
            column = 0;
            ++row;
            continue;
        }
        Cell cell = ReadCell(rows[at]);
        if (at + 1 < rows.size() && rows[at + 1] == '?') {
            const Int16 mark = at + 2 < rows.size() ? CodeOfLetter(rows[at + 2]) : Int16{-1};
            if (mark < CodeYellow || cell.State == StateVisible) {
                throw std::invalid_argument("bad mark in " + std::string(rows));
            }
            cell.State = mark;
            at += 2;
        }
        game.At(column, row) = cell;
        ++column;
    }
    return {width, row};
}

} // namespace

Int16 CodeOfLetter(char letter) {
    const std::size_t at = Letters.find(letter);
    return at == std::string_view::npos ? Int16{-1} : static_cast<Int16>(at);
}

ScanSet Scanning(std::string_view letters) {
    ScanSet scanned{};
    for (const char letter : letters) {
        scanned.at(CodeOfLetter(letter)) = true;
    }
    return scanned;
}

void PutRows(Game& game, std::string_view rows) {
    PutRowsSized(game, rows);
}

Game BoardFromRows(std::string_view rows) {
    Game game;
    InitGrid(game);
    const auto [width, height] = PutRowsSized(game, rows);
    game.BoardWidth = static_cast<Int16>(width);
    game.BoardHeight = static_cast<Int16>(height);
    for (int column = 0; column < width; ++column) {
        for (int row = 0; row < height; ++row) {
            const Cell& cell = game.At(column, row);
            if (cell.State != StateVisible && IsColour(cell.Colour)) {
                ++game.Remaining[cell.Colour];
            }
        }
    }
    game.GameOver = false;
    game.GuessColour = CodeYellow;
    return game;
}

std::string RowsOf(const Game& game, int width, int height) {
    std::string text;
    for (int row = 0; row < height; ++row) {
        if (row > 0) {
            text += '/';
        }
        for (int column = 0; column < width; ++column) {
            text += WriteCell(game.At(column, row));
        }
    }
    return text;
}

std::string RowsOf(const Game& game) {
    return RowsOf(game, game.BoardWidth, game.BoardHeight);
}

} // namespace tessaline::test
