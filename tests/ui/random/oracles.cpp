#include "oracles.h"

#include "texts.h"

#include "ui/layouts/layouts.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace tessaline::ui::random {

namespace {

// The colours of the squares, 0x00BBGGRR, and the system's button face.
constexpr Colour ButtonFace = 0x8000000F;

Colour ScreenOf(int code) {
    switch (code) {
    case 0:
        return 0x000000;
    case 1:
        return 0x00FFFF;
    case 2:
        return 0x0080FF;
    case 3:
        return 0x0000FF;
    case 4:
        return 0x00FF00;
    case 5:
        return 0xFF0000;
    case 6:
        return 0xC000C0;
    default:
        return 0xFFFFFF;
    }
}

template <class... Parts> std::string Say(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

std::size_t Slot(std::string_view window) {
    return static_cast<std::size_t>(
        std::find(std::begin(WindowNames), std::end(WindowNames), window) -
        std::begin(WindowNames));
}

bool InPlay(const Game& game, int column, int row) {
    return column >= 0 && column < game.BoardWidth && row >= 0 && row < game.BoardHeight;
}

bool Hidden(const Cell& cell) {
    return cell.Colour != 0 && cell.State != 200;
}

bool SameCell(const Cell& a, const Cell& b) {
    return a.Colour == b.Colour && a.State == b.State;
}

bool SameGrid(const Game& a, const Game& b) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            if (!SameCell(a.At(column, row), b.At(column, row))) {
                return false;
            }
        }
    }
    return true;
}

bool SameSettings(const Game& a, const Game& b) {
    return a.BoardWidth == b.BoardWidth && a.BoardHeight == b.BoardHeight && a.Percent == b.Percent;
}

// Everything a dialog could change: grid, settings, counts and the flag.
bool SameCore(const Game& a, const Game& b) {
    return SameGrid(a, b) && SameSettings(a, b) && a.Remaining == b.Remaining &&
           a.GameOver == b.GameOver;
}

// The first value that differs, for the report.
std::string Difference(const Game& a, const Game& b) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            if (!SameCell(a.At(column, row), b.At(column, row))) {
                return Say("cell (", column, ", ", row, ") was Colour ", a.At(column, row).Colour,
                           " State ", a.At(column, row).State, ", is ", b.At(column, row).Colour,
                           " ", b.At(column, row).State);
            }
        }
    }
    if (!SameSettings(a, b)) {
        return Say("the settings were ", a.BoardWidth, " x ", a.BoardHeight, " Yellow ",
                   a.Percent[1], " blocks ", a.Percent[0], ", are ", b.BoardWidth, " x ",
                   b.BoardHeight, " Yellow ", b.Percent[1], " blocks ", b.Percent[0]);
    }
    if (a.Remaining != b.Remaining) {
        return "the remaining counts changed";
    }
    return Say("GameOver ", a.GameOver, " -> ", b.GameOver, ", GuessColour ", a.GuessColour, " -> ",
               b.GuessColour, ", Seconds ", a.Seconds, " -> ", b.Seconds, ", AboutPictureFlag ",
               a.AboutPictureFlag, " -> ", b.AboutPictureFlag);
}

bool AllUncovered(const Game& game) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            if (game.At(column, row).State != 200) {
                return false;
            }
        }
    }
    return true;
}

std::array<bool, 7> Ticks(Session& session) {
    std::array<bool, 7> ticked{};
    for (int c = 1; c <= 6; ++c) {
        ticked[static_cast<std::size_t>(c)] = session.tk["Color"]("cbxScan", c).Value() == 1;
    }
    return ticked;
}

void CheckBoardSize(Session& session, const Game& game, Failures& failures) {
    if (!session.Exists("Board")) {
        return;
    }
    Form& board = session.tk["Board"];
    // Squares 240 twips apart, 255 wide: the client area just holds the board in play.
    const int width = (16 * game.BoardWidth + 1) * 15;
    const int height = (16 * game.BoardHeight + 1) * 15;
    if (board.ClientWidth() != width || board.ClientHeight() != height) {
        failures.push_back(Say("the board window's client area is ", board.ClientWidth(), " x ",
                               board.ClientHeight(), " twips for a ", game.BoardWidth, " x ",
                               game.BoardHeight, " board, not ", width, " x ", height));
    }
}

// After a whole-board redraw every square in play shows what its cell says.
void CheckRedraw(Session& session, const Observation& before, const Observation& after,
                 Failures& failures) {
    if (!session.Shown("Board")) {
        failures.push_back("the board window is not shown after a redraw");
        return;
    }
    CheckBoardSize(session, after.game, failures);
    const Appearance now = ReadBoard(session);
    const std::array<bool, 7> ticked = Ticks(session);
    const FormDef& layout = BoardLayout();
    for (int row = 0; row < after.game.BoardHeight; ++row) {
        for (int column = 0; column < after.game.BoardWidth; ++column) {
            const auto i = static_cast<std::size_t>(Square(column, row));
            const std::string wasCaption = before.board ? before.board->captions[i] : "";
            const Colour wasBack = before.board
                                       ? before.board->backs[i]
                                       : layout.controls[i].backColour.value_or(ButtonFace);
            const std::string caption =
                ExpectedCaption(after.game, ticked, column, row).value_or(wasCaption);
            const Colour back = ExpectedBack(after.game.At(column, row)).value_or(wasBack);
            if (now.captions[i] != caption || now.backs[i] != back) {
                failures.push_back(Say("after a redraw square (", column, ", ", row, ") shows \"",
                                       now.captions[i], "\" on ", std::hex, now.backs[i], ", its ",
                                       std::dec, "cell Colour ", after.game.At(column, row).Colour,
                                       " State ", after.game.At(column, row).State, " says \"",
                                       caption, "\" on ", std::hex, back));
                return;
            }
        }
    }
}

// Squares whose cell an event changed show the change, unless the rules say
// that the square is not repainted: a block uncovered by a left click keeps
// what it showed, the end-of-game reveal repaints colours but not captions.
void CheckChangedSquares(Session& session, const Observation& before, const Observation& after,
                         Failures& failures) {
    if (!session.Exists("Board")) {
        return;
    }
    const bool revealed = AllUncovered(after.game) && !AllUncovered(before.game);
    const std::array<bool, 7> ticked = Ticks(session);
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& was = before.game.At(column, row);
            const Cell& now = after.game.At(column, row);
            if (SameCell(was, now) || (now.Colour == 0 && was.Colour == 0 && now.State == 200)) {
                continue;
            }
            if (!revealed && !InPlay(after.game, column, row)) {
                continue;
            }
            Control& square = session.SquareHandle(Square(column, row));
            const std::optional<Colour> back = ExpectedBack(now);
            if (back && square.BackColour() != *back) {
                failures.push_back(Say("square (", column, ", ", row, ") shows ", std::hex,
                                       square.BackColour(), " after its cell became Colour ",
                                       std::dec, now.Colour, " State ", now.State));
                return;
            }
            const std::optional<std::string> caption =
                ExpectedCaption(after.game, ticked, column, row);
            if (!revealed && caption && square.Caption() != *caption) {
                failures.push_back(Say("square (", column, ", ", row, ") reads \"",
                                       square.Caption(), "\" after its cell became Colour ",
                                       now.Colour, " State ", now.State, "; it should read \"",
                                       *caption, "\""));
                return;
            }
        }
    }
}

// A left release on a square that the game took: uncovering spreads until
// every square it uncovered (and the one clicked) has either no hidden
// neighbour or one of another colour.
void CheckSpread(const Game& before, const Game& after, int column, int row, Failures& failures) {
    const Int16 guess = before.GuessColour;
    int uncovered = 0;
    for (int c = 0; c < GridSize; ++c) {
        for (int r = 0; r < GridSize; ++r) {
            const Cell& was = before.At(c, r);
            const Cell& now = after.At(c, r);
            if (SameCell(was, now) || (c == column && r == row && was.Colour == 0)) {
                continue;
            }
            if (!Hidden(was) || now.State != 200 || now.Colour != guess || !InPlay(before, c, r)) {
                failures.push_back(Say("a guess of ", guess, " changed cell (", c, ", ", r,
                                       ") from Colour ", was.Colour, " State ", was.State, " to ",
                                       now.Colour, " ", now.State));
                return;
            }
            ++uncovered;
        }
    }
    for (int c = 1; c <= 6; ++c) {
        const auto i = static_cast<std::size_t>(c);
        const int drop = before.Remaining[i] - after.Remaining[i];
        if (drop != (c == guess ? uncovered : 0)) {
            failures.push_back(Say("Remaining(", c, ") fell by ", drop, " while ", uncovered,
                                   " squares of colour ", guess, " were uncovered"));
        }
    }
    if (after.GameOver) {
        return;
    }
    for (int c = 0; c < GridSize; ++c) {
        for (int r = 0; r < GridSize; ++r) {
            const bool opened = !SameCell(before.At(c, r), after.At(c, r));
            if (!(opened || (c == column && r == row))) {
                continue;
            }
            bool any = false;
            bool allGuess = true;
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    if ((dc != 0 || dr != 0) && InPlay(after, c + dc, r + dr) &&
                        Hidden(after.At(c + dc, r + dr))) {
                        any = true;
                        allGuess = allGuess && after.At(c + dc, r + dr).Colour == guess;
                    }
                }
            }
            if (any && allGuess) {
                failures.push_back(Say("the uncovering stopped at (", c, ", ", r,
                                       ") although every hidden square around it is ", guess));
                return;
            }
        }
    }
}

void CheckClick(Session& session, const Observation& before, const Observation& after,
                const Expect::Click& click, Failures& failures) {
    const int column = click.index % 30;
    const int row = click.index / 30;
    const Cell& was = before.game.At(column, row);
    const Cell& now = after.game.At(column, row);
    const bool blockMode = before.shown[Slot("CustomizeBoard")];
    const bool beeped = after.beeps == before.beeps + 1;
    const std::string where = Say(" at square (", column, ", ", row, ")");
    if (!InPlay(before.game, column, row)) {
        // Beyond the board in play: no square of the game.
        if (!SameCore(before.game, after.game) || beeped) {
            failures.push_back("a click" + where + ", beyond the board in play, acted");
        }
        return;
    }
    if (click.button == 2) {
        Cell expected = was;
        if (blockMode) {
            expected = was.Colour == 0 ? Cell{10, 100} : Cell{0, 200};
        } else if (was.State != 200) {
            expected.State = before.game.GuessColour;
        }
        Game rest = after.game;
        rest.At(column, row) = was;
        if (!SameCell(now, expected) || !SameGrid(rest, before.game) || beeped ||
            after.game.Remaining != before.game.Remaining ||
            after.game.GameOver != before.game.GameOver) {
            failures.push_back(Say("a right click", where, " on Colour ", was.Colour, " State ",
                                   was.State, (blockMode ? " in block-choosing mode" : ""),
                                   " left Colour ", now.Colour, " State ", now.State,
                                   (beeped ? ", with a beep" : "")));
        }
        return;
    }
    if (blockMode || before.game.GameOver) {
        if (!SameCore(before.game, after.game) || beeped) {
            failures.push_back("a left click" + where + " changed the game while " +
                               (blockMode ? "blocks were being chosen" : "no game ran"));
        }
        return;
    }
    const bool wrong = was.State != 200 && was.Colour != 0 && was.Colour != before.game.GuessColour;
    if (wrong) {
        if (!beeped || !after.game.GameOver || !AllUncovered(after.game) || after.timerEnabled) {
            failures.push_back(Say("a wrong guess of ", before.game.GuessColour, where, " (Colour ",
                                   was.Colour, ") did not lose with one beep, the ",
                                   "clock stopped and the whole board shown"));
        }
        return;
    }
    if (beeped) {
        failures.push_back("a left click" + where + " beeped without a wrong guess");
    }
    if (now.State != 200) {
        failures.push_back(Say("a left click", where, " on Colour ", was.Colour, " State ",
                               was.State, " left it hidden"));
    }
    CheckSpread(before.game, after.game, column, row, failures);
    if (after.game.GameOver) {
        int left = 0;
        for (int c = 1; c <= 6; ++c) {
            left += after.game.Remaining[static_cast<std::size_t>(c)];
        }
        if (left != 0 || !session.Shown("PlayerWin")) {
            failures.push_back(Say("a game ended by a right guess with ", left,
                                   " squares left, the win window ",
                                   session.Shown("PlayerWin") ? "shown" : "not shown"));
        }
    }
}

// The rules of the Options dialog, applied to the texts as they stood.
void CheckOptions(Session& session, const Observation& before, const Observation& after,
                  const std::array<std::string, 8>& texts, Failures& failures) {
    const bool refused = after.beeps == before.beeps + 1;
    bool anyNotNumber = false;
    bool allNumbers = true;
    std::array<double, 8> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Meaning meaning = Read(texts[i]);
        anyNotNumber = anyNotNumber || meaning.reading == Reading::NotNumber;
        allNumbers = allNumbers && meaning.reading == Reading::Number;
        values[i] = meaning.value;
    }
    std::string said = "Options OK with";
    for (const std::string& text : texts) {
        said += " \"" + text.substr(0, 40) + "\"";
    }
    if (anyNotNumber && !refused) {
        failures.push_back(said + " took a text that is no number");
    }
    if (refused) {
        if (!SameCore(before.game, after.game) || !session.Shown("ErrorAZ") ||
            !session.Shown("Options")) {
            failures.push_back(said + " was refused but changed the game, or the error window "
                                      "or the dialog is not shown");
        }
    } else {
        if (session.Shown("Options") || session.Shown("ErrorAZ") || !after.game.GameOver ||
            !SameGrid(before.game, after.game) || after.game.Percent[0] != before.game.Percent[0]) {
            failures.push_back(said + " was accepted but the dialog or the error window stays, "
                                      "the game goes on or the grid changed");
        }
        CheckBoardSize(session, after.game, failures);
    }
    if (!allNumbers) {
        return;
    }
    const auto size = [](double typed, double smallest, double largest) {
        return typed > largest ? largest : typed < smallest ? smallest : RoundHalfEven(typed);
    };
    const double height = size(values[0], 1, 30);
    const double width = size(values[1], 3, 30);
    std::array<double, 7> share{};
    double total = 0;
    for (std::size_t k = 1; k <= 6; ++k) {
        share[k] = std::clamp(values[k + 1], 0.0, 100.0);
        total = RoundHalfEven(total + share[k]);
    }
    if (total == 0) {
        if (!refused) {
            failures.push_back(said + ": shares that round to a total of 0 were accepted");
        }
        return;
    }
    if (refused) {
        failures.push_back(said + " was refused although every text is a number");
        return;
    }
    bool right = after.game.BoardHeight == height && after.game.BoardWidth == width;
    for (std::size_t k = 1; k <= 6; ++k) {
        right = right && after.game.Percent[k] == share[k] * 100 / total;
    }
    if (!right) {
        failures.push_back(Say(said, " gave ", after.game.BoardWidth, " x ", after.game.BoardHeight,
                               " and Yellow ", after.game.Percent[1], "; the rules give ", width,
                               " x ", height, " and Yellow ", share[1] * 100 / total));
    }
}

void CheckSetBlocks(Session& session, const Observation& before, const Observation& after,
                    const std::string& text, Failures& failures) {
    const bool refused = after.beeps == before.beeps + 1;
    const Meaning meaning = Read(text);
    const std::string said = "Set Blocks with \"" + text.substr(0, 40) + "\"";
    if (refused != (meaning.reading == Reading::NotNumber) && meaning.reading != Reading::Open) {
        failures.push_back(said + (refused ? " was refused" : " was accepted"));
    }
    if (refused) {
        if (!SameCore(before.game, after.game) || !session.Shown("ErrorAZ")) {
            failures.push_back(said + " was refused but changed the game or shows no error");
        }
        return;
    }
    int blocks = 0;
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = after.game.At(column, row);
            const bool block = cell.Colour == 0 && cell.State == 200;
            if (!block && !(cell.Colour == 10 && cell.State == 100)) {
                failures.push_back(said + " left a cell that is neither block nor plain square");
                return;
            }
            blocks += block ? 1 : 0;
        }
    }
    const double share = after.game.Percent[0];
    if ((share == 0 && blocks != 0) || (share == 100 && blocks != 900)) {
        failures.push_back(Say(said, " made ", blocks, " blocks for a share of ", share));
    }
    if (meaning.reading == Reading::Number) {
        const double expected =
            std::clamp(std::clamp(RoundHalfEven(meaning.value), -32768.0, 32767.0), 0.0, 100.0);
        if (share != expected) {
            failures.push_back(Say(said, " stored ", share, ", the rules give ", expected));
        }
    }
    Game settings = after.game;
    settings.Percent[0] = before.game.Percent[0];
    if (!SameSettings(settings, before.game) || after.game.GameOver != before.game.GameOver ||
        session.Shown("ErrorAZ") != before.shown[Slot("ErrorAZ")]) {
        failures.push_back(said + " changed a setting besides the block share, the game, or the "
                                  "error window");
    }
    CheckRedraw(session, before, after, failures);
}

void CheckNewGame(Session& session, const Observation& before, const Observation& after,
                  Failures& failures) {
    const Game& game = after.game;
    for (const char* hidden : {"CustomizeBoard", "Options", "PlayerWin"}) {
        if (session.Shown(hidden)) {
            failures.push_back(std::string("New Game left ") + hidden + " shown");
        }
    }
    if (game.GameOver || !session.Shown("Time") || game.Seconds != 0 ||
        session.tk["Time"]("lblTime").Caption() != "0") {
        failures.push_back("New Game did not start a game with the clock shown at 0");
    }
    std::array<bool, 7> dealt{};
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            if (!InPlay(game, column, row)) {
                if (!SameCell(cell, before.game.At(column, row))) {
                    failures.push_back(Say("New Game changed (", column, ", ", row,
                                           ") outside the board in play"));
                    return;
                }
                continue;
            }
            const bool block = cell.Colour == 0 && cell.State == -1;
            const bool square = cell.Colour >= 1 && cell.Colour <= 6 && cell.State == 100;
            if (!block && !square) {
                failures.push_back(Say("New Game dealt (", column, ", ", row, ") Colour ",
                                       cell.Colour, " State ", cell.State));
                return;
            }
            if ((before.game.At(column, row).Colour == 0) != block) {
                failures.push_back(
                    Say("New Game changed the block layout at (", column, ", ", row, ")"));
                return;
            }
            if (square) {
                dealt[static_cast<std::size_t>(cell.Colour)] = true;
            }
        }
    }
    double below = 0;
    for (std::size_t c = 1; c <= 5; ++c) {
        below += game.Percent[c];
        if (dealt[c] && game.Percent[c] <= 0) {
            failures.push_back(Say("New Game dealt colour ", c, " with a share of 0"));
        }
    }
    if (dealt[6] && below >= 100) {
        failures.push_back("New Game dealt Purple although the other shares fill the board");
    }
}

void CheckOpenCustomize(Session& session, const Observation& before, const Observation& after,
                        Failures& failures) {
    const std::string box = session.tk["CustomizeBoard"]("txtPerBlocks").Text();
    if (!session.Shown("CustomizeBoard") || !after.game.GameOver || after.timerEnabled ||
        !SameGrid(before.game, after.game) || !SameSettings(before.game, after.game) ||
        box != std::to_string(static_cast<int>(after.game.Percent[0]))) {
        failures.push_back("Customize Board did not open showing the block share \"" + box +
                           "\" with the game ended and the board and settings left alone");
    }
}

void CheckOpenOptions(Session& session, const Observation& before, const Observation& after,
                      Failures& failures) {
    Form& options = session.tk["Options"];
    bool right = session.Shown("Options") &&
                 options("txtHeight").Text() == std::to_string(after.game.BoardHeight) &&
                 options("txtWidth").Text() == std::to_string(after.game.BoardWidth);
    for (int k = 1; k <= 6; ++k) {
        const Meaning shown = Read(options("txtPerColor", k).Text());
        const double share = after.game.Percent[static_cast<std::size_t>(k)];
        // Fifteen significant digits.
        right = right && shown.reading == Reading::Number &&
                std::abs(shown.value - share) <= 1e-13 * std::max(1.0, std::abs(share));
    }
    if (!right || !SameCore(before.game, after.game)) {
        failures.push_back("the Options dialog did not open showing the settings in force, or "
                           "opening it changed the game");
    }
}

} // namespace

Appearance ReadBoard(Session& session) {
    Appearance seen;
    seen.captions.reserve(SquareCount);
    seen.backs.reserve(SquareCount);
    for (int i = 0; i < SquareCount; ++i) {
        Control& square = session.SquareHandle(i);
        seen.captions.push_back(square.Caption());
        seen.backs.push_back(square.BackColour());
    }
    return seen;
}

std::optional<std::string> ExpectedCaption(const Game& game, const std::array<bool, 7>& ticked,
                                           int column, int row) {
    const Cell& cell = game.At(column, row);
    if (cell.State == 100) {
        return std::string();
    }
    if (cell.State != 200) {
        return std::string("?");
    }
    if (cell.Colour == 0) {
        return std::nullopt;
    }
    int count = 0;
    for (int dc = -1; dc <= 1; ++dc) {
        for (int dr = -1; dr <= 1; ++dr) {
            if ((dc != 0 || dr != 0) && InPlay(game, column + dc, row + dr)) {
                const Int16 colour = game.At(column + dc, row + dr).Colour;
                count += colour >= 1 && colour <= 6 && ticked[static_cast<std::size_t>(colour)];
            }
        }
    }
    return std::to_string(count);
}

std::optional<Colour> ExpectedBack(const Cell& cell) {
    if (cell.State == 100) {
        return ButtonFace;
    }
    if (cell.State == 200) {
        return ScreenOf(cell.Colour);
    }
    if (cell.State >= 1 && cell.State <= 6) {
        return ScreenOf(cell.State);
    }
    return std::nullopt;
}

void CheckEvent(Session& session, const Observation& seenBefore, const Observation& after,
                const Expect& expect, Failures& failures) {
    // A window created again during the event ran its load step, which the
    // rules make part of the event: the Options dialog's puts the default size
    // and shares in force (and ends a game of another size), the Customize
    // Board dialog's clears the block share, the clock's sets the seconds to 0,
    // the product about window's shows the product picture again.
    Observation before = seenBefore;
    const auto created = [&](std::string_view window) {
        return !before.exists[Slot(window)] && after.exists[Slot(window)];
    };
    if (created("Options")) {
        // A game on another size cannot go on on the default one: it ends.
        if (before.game.BoardWidth != 15 || before.game.BoardHeight != 15) {
            before.game.GameOver = true;
        }
        before.game.BoardWidth = 15;
        before.game.BoardHeight = 15;
        for (std::size_t k = 1; k <= 6; ++k) {
            before.game.Percent[k] = std::array<double, 7>{0, 80, 0, 10, 0, 10, 0}[k];
        }
    }
    if (created("CustomizeBoard")) {
        before.game.Percent[0] = 0;
    }
    if (created("Time")) {
        before.game.Seconds = 0;
    }
    if (created("AboutTessaline")) {
        before.game.AboutPictureFlag = 0;
    }

    if (expect.modelUntouched || !expect.closed.empty()) {
        Game same = after.game;
        if (expect.guess != 0) {
            same.GuessColour = before.game.GuessColour;
        }
        if (expect.ticks != 0) {
            same.Seconds = before.game.Seconds;
        }
        if (expect.pictureFlag) {
            same.AboutPictureFlag = before.game.AboutPictureFlag;
        }
        if (!SameCore(same, before.game) || same.GuessColour != before.game.GuessColour ||
            same.Seconds != before.game.Seconds ||
            same.AboutPictureFlag != before.game.AboutPictureFlag) {
            failures.push_back("the game changed although the event must leave it alone: " +
                               Difference(before.game, same));
        }
    }
    if (expect.guess != 0 && after.game.GuessColour != expect.guess) {
        failures.push_back(
            Say("a click on Guess ", expect.guess, " left GuessColour ", after.game.GuessColour));
    }
    if (expect.pictureFlag && after.game.AboutPictureFlag != *expect.pictureFlag) {
        failures.push_back(Say("a click on the about picture left AboutPictureFlag ",
                               after.game.AboutPictureFlag, ", not ", *expect.pictureFlag));
    }
    if (expect.click) {
        CheckClick(session, before, after, *expect.click, failures);
    }
    if (expect.ignoredRelease &&
        (!SameCore(before.game, after.game) || after.beeps != before.beeps)) {
        failures.push_back("a release away from its press acted on the board");
    }
    if (expect.options) {
        CheckOptions(session, before, after, *expect.options, failures);
    }
    if (expect.blocks) {
        CheckSetBlocks(session, before, after, *expect.blocks, failures);
    }
    if (expect.newGame) {
        CheckNewGame(session, before, after, failures);
    }
    if (expect.quit && (!after.game.GameOver || !AllUncovered(after.game) ||
                        after.beeps != before.beeps || after.timerEnabled)) {
        failures.push_back("Quit did not end the game, stop the clock and show the whole board "
                           "without a beep");
    }
    if (expect.openCustomize) {
        CheckOpenCustomize(session, before, after, failures);
    }
    if (expect.openOptions) {
        CheckOpenOptions(session, before, after, failures);
    }
    if (expect.cancelOptions && (session.Shown("Options") || session.Shown("ErrorAZ"))) {
        failures.push_back("Cancel left the Options dialog or the error window shown");
    }
    if (expect.redraw) {
        CheckRedraw(session, before, after, failures);
    } else if (expect.boardUnchanged && before.board && session.Exists("Board")) {
        const Appearance now = ReadBoard(session);
        if (now.captions != before.board->captions || now.backs != before.board->backs) {
            failures.push_back("a square changed what it shows although nothing was redrawn");
        }
    } else if (!expect.blocks && !expect.newGame) {
        CheckChangedSquares(session, before, after, failures);
    }
}

} // namespace tessaline::ui::random
