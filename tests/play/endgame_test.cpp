// The ends of a game: a loss, Quit, and the win test.

#include "board_text.h"
#include "play/endgame.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using test::BoardFromRows;
using test::Click;
using test::RecordingFrontend;
using test::RowsOf;

// Draws the board in play, as New Game does, so that every square has a caption.
void DrawBoard(const Game& game, RecordingFrontend& frontend) {
    for (int row = 0; row < game.BoardHeight; ++row) {
        for (int column = 0; column < game.BoardWidth; ++column) {
            frontend.RefreshSquare(column, row);
        }
    }
}

// Every cell of the grid is visible, painted once, column by column, in its
// true colour; and no caption was touched.
void ExpectRevealed(const Game& game, const RecordingFrontend& frontend,
                    const std::array<std::string, SquareCount>& captions) {
    ASSERT_EQ(frontend.PaintOrder.size(), static_cast<std::size_t>(SquareCount));
    for (int k = 0; k < SquareCount; ++k) {
        const int column = k / GridSize;
        const int row = k % GridSize;
        EXPECT_EQ(frontend.PaintOrder[k], Square(column, row));
        EXPECT_EQ(game.At(column, row).State, StateVisible);
        EXPECT_EQ(frontend.Back[Square(column, row)], ScreenColourOf(game.At(column, row).Colour));
    }
    EXPECT_EQ(frontend.Captions, captions);
}

TEST(EndOfGame, AWrongGuessBeepsOnceAndRevealsEverySquare) {
    // Wrong whatever the mark says: the square is Red, the guess Yellow.
    Game game = BoardFromRows("R?YY#/YYB");
    game.At(5, 5) = {CodeGreen, CodeOrange}; // beyond the board in play
    RecordingFrontend frontend(game, test::Scanning("Y"));
    DrawBoard(game, frontend);
    const auto captions = frontend.Captions;
    ASSERT_EQ(captions[Square(0, 0)], "?");
    ASSERT_EQ(captions[Square(2, 0)], "?");
    const std::string drawn = frontend.Log();

    Click(game, frontend, 0, 0, ButtonLeft);

    // Nothing is refreshed: hidden squares stay blank, marks and dealt blocks
    // keep their "?"; and the neighbourhood test after the loss opens nothing.
    EXPECT_EQ(frontend.Log(), drawn + "; beep; stop; paints 900");
    EXPECT_EQ(RowsOf(game), "ry*/yyb");
    EXPECT_TRUE(game.GameOver);
    ExpectRevealed(game, frontend, captions);
    EXPECT_EQ(frontend.Back[Square(5, 5)], ScreenGreen);

    // The game is over: another left click does nothing at all.
    Click(game, frontend, 1, 1, ButtonLeft);
    EXPECT_EQ(frontend.Log(), drawn + "; beep; stop; paints 900");
}

TEST(EndOfGame, QuitRevealsWithoutABeepAndCanBeRepeated) {
    struct QuitCase {
        const char* name;
        bool dealt;
    };
    for (const QuitCase c : {QuitCase{"in the middle of a game", true},
                             QuitCase{"before any game: the undealt grid", false}}) {
        SCOPED_TRACE(c.name);
        Game game = BoardFromRows("yR?B#/YYB");
        if (!c.dealt) {
            InitGrid(game);
            ResetGame(game);
        }
        RecordingFrontend frontend(game);
        DrawBoard(game, frontend);
        const auto captions = frontend.Captions;
        const std::string drawn = frontend.Log();

        Quit(game, frontend);

        EXPECT_EQ(frontend.Log(), drawn + "; stop; paints 900");
        EXPECT_TRUE(game.GameOver);
        EXPECT_EQ(frontend.Beeps, 0);
        ExpectRevealed(game, frontend, captions);
        if (!c.dealt) {
            EXPECT_EQ(frontend.Back[Square(29, 29)], ScreenWhite);
        }

        // Quit again: the same steps, nothing new on screen.
        const auto back = frontend.Back;
        Quit(game, frontend);
        EXPECT_EQ(frontend.Log(), drawn + "; stop; paints 900; stop; paints 900");
        EXPECT_EQ(frontend.Back, back);
        EXPECT_EQ(frontend.Captions, captions);
    }
}

TEST(EndOfGame, AllFoundWhenNoColourRemains) {
    const std::pair<std::array<Int16, ColourCount + 1>, bool> cases[] = {
        {{0, 0, 0, 0, 0, 0, 0}, true},    {{5, 0, 0, 0, 0, 0, 0}, true},
        {{0, 1, 0, 0, 0, 0, 0}, false},   {{0, 0, 1, 0, 0, 0, 0}, false},
        {{0, 0, 0, 1, 0, 0, 0}, false},   {{0, 0, 0, 0, 1, 0, 0}, false},
        {{0, 0, 0, 0, 0, 1, 0}, false},   {{0, 0, 0, 0, 0, 0, 1}, false},
        {{0, 900, 0, 0, 0, 0, 0}, false},
    };
    for (const auto& [remaining, found] : cases) {
        Game game;
        game.Remaining = remaining;
        EXPECT_EQ(AllFound(game), found) << testing::PrintToString(remaining);
    }
}

} // namespace
} // namespace tessaline
