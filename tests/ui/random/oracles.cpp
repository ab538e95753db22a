#include "oracles.h"

#include "event_checks.h"
#include "say.h"
#include "texts.h"

#include "ui/layouts/layouts.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tessaline::ui::random {

namespace {

// The colours of the squares, 0x00BBGGRR.
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

} // namespace

std::size_t WindowSlot(std::string_view window) {
    const auto found = std::find(std::begin(WindowNames), std::end(WindowNames), window);
    if (found == std::end(WindowNames)) {
        throw std::logic_error("no window " + std::string(window));
    }
    return static_cast<std::size_t>(found - std::begin(WindowNames));
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

bool SameCore(const Game& a, const Game& b) {
    return SameGrid(a, b) && SameSettings(a, b) && a.Remaining == b.Remaining &&
           a.GameOver == b.GameOver;
}

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
            const Colour wasBack = before.board ? before.board->backs[i] : layout.board->back;
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
        return !before.exists[WindowSlot(window)] && after.exists[WindowSlot(window)];
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
    if (expect.guessFocused && (session.FocusName("Color") != "rbtGuess" ||
                                session.FocusIndex("Color", "rbtGuess") != expect.guess)) {
        failures.push_back(Say("the focus left the chosen Guess button ", expect.guess, " for ",
                               session.FocusName("Color")));
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