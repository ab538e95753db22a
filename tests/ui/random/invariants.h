#pragma once
// What must hold after every event of a random game, read from the program's
// values and from what its windows show, and what a given kind of event must
// have done. Every check reads without creating a window.

#include "session.h"

#include "model/game.h"
#include "ui/toolkit/definition.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tessaline::ui::random {

inline constexpr std::size_t WindowCount = std::size(WindowNames);

// What the squares in play show: caption and back colour, column by column.
struct Appearance {
    std::vector<std::string> captions;
    std::vector<Colour> backs;
};

// The program as the checks see it at one moment.
struct Observation {
    Game game;
    int beeps = 0;
    std::array<bool, WindowCount> exists{};
    std::array<bool, WindowCount> shown{};
    bool timerEnabled = false; // as the program set it; false without a clock window
    bool timerActive = false;  // as Qt runs it
    // Taken only before an event that redraws the whole board, and only if the
    // board window exists.
    std::optional<Appearance> board;
};

Observation Observe(Session& session, bool withBoard);

// What the driver knows of an event before it runs, for the checks that
// follow it.
struct Expect {
    bool redraw = false;         // the whole board is drawn again
    bool boardUnchanged = false; // no square may change what it shows
    bool modelUntouched = false; // no value of the game may change
    bool newGame = false;
    bool quit = false;
    bool openCustomize = false;
    bool openOptions = false;
    bool cancelOptions = false;
    int ticks = 0;             // clock ticks given
    int guess = 0;             // the Guess button clicked, 0 for none
    bool guessFocused = false; // and it has the main window's focus afterwards
    // The product about window's picture flag afterwards, for a click on its picture.
    std::optional<Int16> pictureFlag;
    // A press and release on one square at one spot, left or right.
    struct Click {
        int index;
        int button; // 1 left, 2 right
    };
    std::optional<Click> click;
    // A press and release that must be ignored: apart, or between pixels.
    bool ignoredRelease = false;
    // Options OK with the eight texts as they stood: height, width, six shares.
    std::optional<std::array<std::string, 8>> options;
    // Set Blocks with the text as it stood.
    std::optional<std::string> blocks;
    // The window closed through its title bar.
    std::string closed;
    // A window that must be shown afterwards, and one that must not.
    std::string shows;
    std::string hides;

    // Whether the board's looks must be read before the event.
    bool WantsBoard() const { return redraw || boardUnchanged || blocks.has_value(); }
};

// What the driver keeps across events: its own account of the clock. The
// clock counts from New Game until the game ends, or until the player closes
// the clock window through its title bar: its timer goes with it, and a clock
// window created again starts with its timer off, so a game may then run on
// (GameOver false) with no clock counting until the next New Game. The
// seconds are the ticks given since New Game, 0 again whenever the clock
// window is created again, and stop at 32767.
struct Tracker {
    int expectedSeconds = 0;
    bool clockShouldRun = false;
};

using Failures = std::vector<std::string>;

// After every event: ranges and codes, the counts against the grid, the
// labels, the Guess buttons, the clock, each window at most once, the about
// pictures, and whatever `expect` says of this event.
void Check(Session& session, const Observation& before, const Observation& after,
           const Expect& expect, Tracker& tracker, Failures& failures);

// The count of top-level widgets for each window name, deleted ones excepted.
std::array<int, WindowCount> CountTopLevels();

} // namespace tessaline::ui::random
