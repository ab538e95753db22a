// A click on a square judged by the rules of play: a mark, a block toggled, a
// right guess and the uncovering that spreads from it, a wrong guess, a win.

#include "event_checks.h"
#include "say.h"
#include "texts.h"

#include <algorithm>
#include <cmath>

namespace tessaline::ui::random {

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
    const bool blockMode = before.shown[WindowSlot("CustomizeBoard")];
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

} // namespace tessaline::ui::random
