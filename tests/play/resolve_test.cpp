// Uncovering and its spread: which squares open, in which order, and the win.

#include "board_text.h"
#include "play/resolve.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <functional>
#include <sstream>

namespace tessaline {
namespace {

using test::BoardFromRows;
using test::Click;
using test::RecordingFrontend;
using test::RowsOf;

// The refreshed squares, in order, and the guessed colour's count after each
// "remaining" of the log.
std::pair<std::string, std::vector<int>> ReadLog(const std::string& log, Int16 guess) {
    std::string refreshed;
    std::vector<int> counts;
    std::istringstream calls(log);
    std::string word;
    while (calls >> word) {
        if (word == "refresh") {
            calls >> word;
            refreshed += (refreshed.empty() ? "" : " ") + word.substr(0, word.find(';'));
        } else if (word == "remaining") {
            int count[ColourCount] = {};
            for (int& n : count) {
                calls >> n;
            }
            counts.push_back(count[guess - 1]);
        }
    }
    return {refreshed, counts};
}

struct SpreadCase {
    const char* name;
    const char* before;
    int column, row;
    const char* after;
    const char* refreshed;
    bool wins;
};

TEST(Spread, OpensFittingNeighbourhoodsDepthFirst) {
    const SpreadCase cases[] = {
        {"a misfit neighbour stops it", "YR/YY", 0, 0, "yR/YY", "0,0", false},
        {"no hidden neighbour", "Yyb/yyR", 0, 0, "yyb/yyR", "0,0", false},
        {"a corner opens three", "YYR/YYR/RRR", 0, 0, "yyR/yyR/RRR", "0,0 0,1 1,1 1,0", false},
        {"an edge opens five", "RYYYR/RYYYR/RRRRR", 2, 0, "RyyyR/RyyyR/RRRRR",
         "2,0 1,0 1,1 2,1 3,1 3,0", false},
        {"depth first, in the neighbour order", "YYY/YYY/YYR", 0, 0, "yyy/yyy/yyR",
         "0,0 0,1 0,2 1,2 1,1 1,0 2,1 2,0", false},
        {"a visible square opens fitting neighbours", "yYR/YYR", 0, 0, "yyR/yyR", "0,1 1,1 1,0",
         false},
        {"a visible square with one misfit opens nothing", "yYR/RYR", 0, 0, "yYR/RYR", "", false},
        {"a dealt block opens its neighbours", "#Y/YY", 0, 0, "*y/yy", "0,1 1,1 1,0", true},
        {"marks of any colour are opened", "yY?R/YY", 0, 0, "yy/yy", "0,1 1,1 1,0", true},
        {"a region opens in one guess and wins", "YYY/YYY", 1, 1, "yyy/yyy",
         "1,1 0,1 1,0 0,0 2,1 2,0", true},
        {"blocks and the board's edge bound it", "YY#R/Y#YR/#RRR", 0, 0, "yy#R/y#yR/#RRR",
         "0,0 0,1 1,0 2,1", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game game = BoardFromRows(c.before);
        const int before = game.Remaining[CodeYellow];
        RecordingFrontend frontend(game);

        Click(game, frontend, c.column, c.row, ButtonLeft);

        EXPECT_EQ(RowsOf(game), c.after);
        const auto [refreshed, counts] = ReadLog(frontend.Log(), CodeYellow);
        EXPECT_EQ(refreshed, c.refreshed);
        // Each uncovered square lowers the count shown by exactly one.
        for (std::size_t k = 0; k < counts.size(); ++k) {
            EXPECT_EQ(counts[k], before - static_cast<int>(k) - 1);
        }
        EXPECT_EQ(counts.size(), static_cast<std::size_t>(frontend.Refreshes));
        EXPECT_EQ(game.Remaining, BoardFromRows(c.after).Remaining);
        EXPECT_EQ(frontend.WinWindows, c.wins ? 1 : 0);
        EXPECT_EQ(frontend.ClockStops, c.wins ? 1 : 0);
        EXPECT_EQ(game.GameOver, c.wins);
        EXPECT_EQ(frontend.Beeps, 0);
    }
}

// Rows of text for a full 30 x 30 board.
std::string FullBoard(const std::function<char(int column, int row)>& cell) {
    std::string rows;
    for (int row = 0; row < GridSize; ++row) {
        rows += row > 0 ? "/" : "";
        for (int column = 0; column < GridSize; ++column) {
            rows += cell(column, row);
        }
    }
    return rows;
}

// Runs work on a thread whose stack is only bytes long: a spread whose levels
// grew fat would crash there long before it troubled a main thread's 8 MiB.
bool RunOnSmallStack(std::size_t bytes, const std::function<void()>& work) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, bytes);
    pthread_t thread;
    const auto run = [](void* job) -> void* {
        (*static_cast<const std::function<void()>*>(job))();
        return nullptr;
    };
    const bool started =
        pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)) == 0;
    pthread_attr_destroy(&attributes);
    return started && pthread_join(thread, nullptr) == 0;
}

TEST(Spread, RunsThroughAFullBoardWithoutExhaustingTheStack) {
    const std::pair<const char*, std::string> boards[] = {
        // Opened from a corner this nests 882 clicks deep, close to the deepest
        // any 30 x 30 board allows.
        {"full board", FullBoard([](int, int) { return 'Y'; })},
        // Even rows run the full width; odd rows are blocks but for one square at
        // alternate ends, so the chain zigzags down the whole board.
        {"snake", FullBoard([](int column, int row) {
             const int link = row % 4 == 1 ? GridSize - 1 : 0;
             return row % 2 == 0 || (row < GridSize - 1 && column == link) ? 'Y' : '#';
         })},
    };
    for (const auto& [name, rows] : boards) {
        SCOPED_TRACE(name);
        Game game = BoardFromRows(rows);
        const int squares = game.Remaining[CodeYellow];
        RecordingFrontend frontend(game);

        // About 300 bytes a level in the plain and the sanitizer builds alike.
        ASSERT_TRUE(RunOnSmallStack(1 << 20, [&] { Click(game, frontend, 0, 0, ButtonLeft); }));

        EXPECT_EQ(frontend.Refreshes, squares);
        EXPECT_EQ(RowsOf(game).find('Y'), std::string::npos);
        EXPECT_EQ(frontend.WinWindows, 1);
        EXPECT_EQ(frontend.ClockStops, 1);
        const auto counts = ReadLog(frontend.Log(), CodeYellow).second;
        ASSERT_EQ(counts.size(), static_cast<std::size_t>(squares));
        EXPECT_EQ(counts.back(), 0);
    }
}

} // namespace
} // namespace tessaline
