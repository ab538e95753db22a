// Presses and releases on squares: where they count, what each button does.

#include "board_text.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using test::BoardFromRows;
using test::RecordingFrontend;
using test::RowsOf;

struct Point {
    float x, y;
};
constexpr Point Here{120, 60};

struct ClickCase {
    const char* name;
    const char* before;
    char guess;
    bool customizing, over;
    Int16 index, button;
    Point press, release;
    const char* after;
    const char* log;
};

constexpr Int16 Left = ButtonLeft;
constexpr Int16 Right = ButtonRight;

TEST(SquareClicks, ActOnlyOnAMatchingReleaseAndByButton) {
    const ClickCase cases[] = {
        // Where the release lands.
        {"released elsewhere across",
         "YRR",
         'Y',
         false,
         false,
         0,
         Left,
         Here,
         {121, 60},
         "YRR",
         ""},
        {"released elsewhere down", "YRR", 'Y', false, false, 0, Right, Here, {120, 61}, "YRR", ""},
        {"a fractional press never matches",
         "YRR",
         'Y',
         false,
         false,
         0,
         Left,
         {7.5f, 8},
         {7.5f, 8},
         "YRR",
         ""},
        {"a whole position matches",
         "YRR",
         'Y',
         false,
         false,
         0,
         Left,
         {8, 8},
         {8, 8},
         "yRR",
         "refresh 0,0; remaining 0 0 2 0 0 0"},
        {"the press rounds halves to even",
         "YRR",
         'Y',
         false,
         false,
         0,
         Left,
         {8.5f, 7.5f},
         {8, 8},
         "yRR",
         "refresh 0,0; remaining 0 0 2 0 0 0"},
        {"index 30 is the first square of the second row", "RRR/YRR", 'Y', false, false, 30, Left,
         Here, Here, "RRR/yRR", "refresh 0,1; remaining 0 0 5 0 0 0"},
        {"an index past the board is ignored", "YRR", 'Y', false, false, 900, Right, Here, Here,
         "YRR", ""},
        {"a negative index is ignored", "YRR", 'Y', false, false, -1, Right, Here, Here, "YRR", ""},
        {"a third button does nothing", "YRR", 'Y', false, false, 0, 4, Here, Here, "YRR", ""},
        {"no button does nothing", "YRR", 'Y', false, false, 0, 0, Here, Here, "YRR", ""},
        // The right button marks.
        {"right click marks", "YRR", 'B', false, false, 1, Right, Here, Here, "YR?BR",
         "refresh 1,0"},
        {"right click marks again", "YR?BR", 'G', false, false, 1, Right, Here, Here, "YR?GR",
         "refresh 1,0"},
        {"right click leaves a visible square", "yRR", 'B', false, false, 0, Right, Here, Here,
         "yRR", ""},
        {"right click marks a dealt block", "#RR", 'Y', false, false, 0, Right, Here, Here, "#?YRR",
         "refresh 0,0"},
        {"right click leaves an uncovered block", "*RR", 'Y', false, false, 0, Right, Here, Here,
         "*RR", ""},
        {"right click marks after the game", "YRR", 'O', false, true, 2, Right, Here, Here, "YRR?O",
         "refresh 2,0"},
        // The right button toggles blocks while the Customize Board dialog is shown.
        {"a hidden square becomes a block", "YRR", 'Y', true, false, 1, Right, Here, Here, "Y*R",
         "refresh 1,0"},
        {"a visible square becomes a block", "yRR", 'Y', true, false, 0, Right, Here, Here, "*RR",
         "refresh 0,0"},
        {"a dealt block becomes a square", "#RR", 'Y', true, false, 0, Right, Here, Here, ".RR",
         "refresh 0,0"},
        {"an uncovered block becomes a square", "*RR", 'Y', true, false, 0, Right, Here, Here,
         ".RR", "refresh 0,0"},
        {"a marked block becomes a square", "#?BRR", 'Y', true, false, 0, Right, Here, Here, ".RR",
         "refresh 0,0"},
        {"blocks toggle after the game", "YRR", 'Y', true, true, 0, Right, Here, Here, "*RR",
         "refresh 0,0"},
        // The left button guesses.
        {"left click while customizing", "YRR", 'Y', true, false, 0, Left, Here, Here, "YRR", ""},
        {"left click after the game", "YRR", 'Y', false, true, 0, Left, Here, Here, "YRR", ""},
        {"a dealt block is uncovered unseen", "#RR", 'Y', false, false, 0, Left, Here, Here, "*RR",
         ""},
        {"a marked block is uncovered unseen", "#?BRR", 'Y', false, false, 0, Left, Here, Here,
         "*RR", ""},
        {"a right guess on a mark of another colour", "Y?RRR", 'Y', false, false, 0, Left, Here,
         Here, "yRR", "refresh 0,0; remaining 0 0 2 0 0 0"},
        {"a visible square with a misfit neighbour", "yRR", 'Y', false, false, 0, Left, Here, Here,
         "yRR", ""},
        {"a visible square with fitting neighbours", "yYR", 'Y', false, false, 0, Left, Here, Here,
         "yyR", "refresh 1,0; remaining 0 0 1 0 0 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game game = BoardFromRows(c.before);
        game.GuessColour = test::CodeOfLetter(c.guess);
        game.GameOver = c.over;
        const auto counts = game.Remaining;
        RecordingFrontend frontend(game);
        frontend.Customizing = c.customizing;

        Square_MouseDown(game, frontend, c.index, c.button, 0, c.press.x, c.press.y);
        Square_MouseUp(game, frontend, c.index, c.button, 0, c.release.x, c.release.y);

        EXPECT_EQ(RowsOf(game), c.after);
        EXPECT_EQ(frontend.Log(), c.log);
        // Counts follow the hidden squares, except that blocks made or unmade
        // take part only from the next deal.
        EXPECT_EQ(game.Remaining, c.customizing ? counts : BoardFromRows(c.after).Remaining);
        EXPECT_EQ(game.GameOver, c.over);
    }
}

} // namespace
} // namespace tessaline
