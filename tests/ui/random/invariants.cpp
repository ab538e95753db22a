#include "invariants.h"

#include "event_checks.h"
#include "oracles.h"
#include "say.h"

#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace tessaline::ui::random {

namespace {

std::string CellText(int column, int row, const Cell& cell) {
    return Say("cell (", column, ", ", row, ") Colour ", cell.Colour, " State ", cell.State);
}

bool ValidColour(Int16 colour) {
    return (colour >= 0 && colour <= 6) || colour == 10;
}

bool ValidState(Int16 state) {
    return state == -1 || (state >= 1 && state <= 6) || state == 100 || state == 200;
}

void CheckValues(const Game& game, Failures& failures) {
    if (game.BoardWidth < 3 || game.BoardWidth > 30) {
        failures.push_back(Say("BoardWidth ", game.BoardWidth, " is outside 3 to 30"));
    }
    if (game.BoardHeight < 1 || game.BoardHeight > 30) {
        failures.push_back(Say("BoardHeight ", game.BoardHeight, " is outside 1 to 30"));
    }
    // A colour's share may pass 100: OK scales the shares by their running
    // total, rounded after every addition, so 11.1 and 0.4 make 11, and 11.1
    // becomes 100.9. The total never falls below a share less one half, nor
    // below 1, so a share stays under 150. The block share is a plain one.
    for (int k = 0; k <= 6; ++k) {
        const double p = game.Percent[static_cast<std::size_t>(k)];
        if (!std::isfinite(p) || p < 0 || (k == 0 ? p > 100 : p >= 150)) {
            failures.push_back(Say("Percent(", k, ") = ", p, " is not a share of 0 to ",
                                   k == 0 ? "100" : "under 150"));
        }
    }
    if (game.Percent[0] != std::floor(game.Percent[0])) {
        failures.push_back(Say("the block share ", game.Percent[0], " is not whole"));
    }
    for (int c = 1; c <= 6; ++c) {
        const Int16 left = game.Remaining[static_cast<std::size_t>(c)];
        if (left < 0 || left > 900) {
            failures.push_back(Say("Remaining(", c, ") = ", left));
        }
    }
    if (game.GuessColour < 1 || game.GuessColour > 6) {
        failures.push_back(Say("GuessColour ", game.GuessColour));
    }
    if (game.Seconds < 0) {
        failures.push_back(Say("Seconds ", game.Seconds, " is negative"));
    }
    if (game.AboutPictureFlag != 0 && game.AboutPictureFlag != 1) {
        failures.push_back(Say("AboutPictureFlag ", game.AboutPictureFlag));
    }
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            if (!ValidColour(cell.Colour) || !ValidState(cell.State) ||
                (cell.State == -1 && cell.Colour != 0) || (cell.Colour == 0 && cell.State == 100)) {
                failures.push_back(Say("no such cell: ", CellText(column, row, cell)));
                return;
            }
        }
    }
}

// While a game runs, each count is the number of its colour's squares in play
// that are not uncovered, and every square in play has been dealt.
void CheckRunningGame(const Game& game, Failures& failures) {
    if (game.GameOver) {
        return;
    }
    std::array<int, 7> hidden{};
    for (int column = 0; column < game.BoardWidth; ++column) {
        for (int row = 0; row < game.BoardHeight; ++row) {
            const Cell& cell = game.At(column, row);
            if (cell.Colour >= 1 && cell.Colour <= 6 && cell.State != 200) {
                ++hidden[static_cast<std::size_t>(cell.Colour)];
            }
            if (cell.Colour == 10) {
                failures.push_back(
                    Say("a game runs on a square never dealt: ", CellText(column, row, cell)));
                return;
            }
        }
    }
    for (int c = 1; c <= 6; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (hidden[i] != game.Remaining[i]) {
            failures.push_back(Say("Remaining(", c, ") = ", game.Remaining[i], " but ", hidden[i],
                                   " squares of that colour are hidden in the ", game.BoardWidth,
                                   " x ", game.BoardHeight, " board in play"));
        }
    }
}

void CheckMainWindow(Session& session, const Game& game, Failures& failures) {
    if (!session.Shown("Color")) {
        failures.push_back("the main window is not shown while the program runs");
        return;
    }
    Form& color = session.tk["Color"];
    int selected = 0;
    for (int c = 1; c <= 6; ++c) {
        const std::string count = color("lblNumRemaining", c).Caption();
        const std::string expected = std::to_string(game.Remaining[static_cast<std::size_t>(c)]);
        if (count != expected) {
            failures.push_back(
                Say("lblNumRemaining(", c, ") shows \"", count, "\", Remaining is ", expected));
        }
        Control& radio = color("rbtGuess", c);
        if (radio.Value() == 1) {
            selected = selected == 0 ? c : -1;
        }
        if (!radio.IsEnabled() || !radio.IsVisible() || !color("cbxScan", c).IsVisible()) {
            failures.push_back(
                Say("Guess or Colors Scanned control ", c, " is left disabled or hidden"));
        }
    }
    if (selected != game.GuessColour) {
        failures.push_back(Say("the selected Guess button is ", selected, " (-1: several), ",
                               "GuessColour is ", game.GuessColour));
    }
}

void UpdateClock(const Observation& before, const Observation& after, const Expect& expect,
                 Tracker& tracker) {
    const std::size_t time = WindowSlot("Time");
    if (!before.exists[time] && after.exists[time]) {
        tracker.expectedSeconds = 0; // created again, its load step run
        tracker.clockShouldRun = false;
    }
    if (expect.newGame) {
        tracker.expectedSeconds = 0;
        tracker.clockShouldRun = true;
    }
    tracker.expectedSeconds = std::min(tracker.expectedSeconds + expect.ticks, 32767);
    if (after.game.GameOver || !after.exists[time]) {
        tracker.clockShouldRun = false;
    }
}

void CheckClock(Session& session, const Observation& after, const Tracker& tracker,
                Failures& failures) {
    if (after.game.Seconds != tracker.expectedSeconds) {
        failures.push_back(Say("Seconds is ", after.game.Seconds, ", ticks since the clock began ",
                               tracker.expectedSeconds));
    }
    if (!after.exists[WindowSlot("Time")]) {
        return;
    }
    if (after.timerEnabled != tracker.clockShouldRun) {
        failures.push_back(Say("the clock's timer is ", after.timerEnabled ? "on" : "off",
                               " while GameOver is ", after.game.GameOver,
                               (tracker.clockShouldRun ? " and a game runs with its clock"
                                                       : " and no clock should count")));
    }
    if (after.timerActive != after.timerEnabled) {
        failures.push_back(Say("the clock's QTimer is ", after.timerActive ? "active" : "stopped",
                               " but the timer is ", after.timerEnabled ? "on" : "off"));
    }
    Form& time = session.tk["Time"];
    if (time("tmrSecond").Interval() != 1000) {
        failures.push_back(Say("the clock ticks every ", time("tmrSecond").Interval(), " ms"));
    }
    const std::string shown = time("lblTime").Caption();
    const std::string seconds = std::to_string(after.game.Seconds);
    if (shown != seconds && (after.shown[WindowSlot("Time")] || !shown.empty())) {
        failures.push_back(Say("the clock shows \"", shown, "\", Seconds is ", seconds));
    }
}

void CheckWindows(Session& session, const Observation& before, const Observation& after,
                  const Expect& expect, Failures& failures) {
    const std::array<int, WindowCount> counts = CountTopLevels();
    for (std::size_t i = 0; i < WindowCount; ++i) {
        if (counts[i] != (after.exists[i] ? 1 : 0)) {
            failures.push_back(Say(counts[i], " top-level widgets are named ", WindowNames[i],
                                   "; the window ", after.exists[i] ? "exists" : "does not exist"));
        }
    }
    // The program itself never hides the board, the clock or the main window.
    for (const char* never : {"Color", "Board", "Time"}) {
        const std::size_t i = WindowSlot(never);
        if (before.shown[i] && after.exists[i] && !after.shown[i]) {
            failures.push_back(Say("the program hid the window ", never));
        }
    }
    if (after.shown[WindowSlot("CustomizeBoard")] && !after.game.GameOver) {
        failures.push_back("a game runs while the Customize Board dialog is shown");
    }
    // Only a win shows the win window, and only New Game deals new counts,
    // hiding it first.
    int left = 0;
    for (int c = 1; c <= 6; ++c) {
        left += after.game.Remaining[static_cast<std::size_t>(c)];
    }
    if (after.shown[WindowSlot("PlayerWin")] && (!after.game.GameOver || left != 0)) {
        failures.push_back(Say("the win window is shown with ", left, " squares to find and ",
                               "GameOver ", after.game.GameOver));
    }
    if (!expect.closed.empty() && expect.closed != "Color" &&
        after.exists[WindowSlot(expect.closed)]) {
        failures.push_back("the window " + expect.closed + " survived its title bar's close box");
    }
    if (!expect.shows.empty() && !after.shown[WindowSlot(expect.shows)]) {
        failures.push_back("the window " + expect.shows + " is not shown");
    }
    if (!expect.hides.empty() && after.shown[WindowSlot(expect.hides)]) {
        failures.push_back("the window " + expect.hides + " is still shown");
    }
    if (after.exists[WindowSlot("AboutTessaline")]) {
        Form& about = session.tk["AboutTessaline"];
        const bool product = about("icnTessaline").IsVisible();
        const bool maker = about("icnVantiro").IsVisible();
        if (product == maker || product != (after.game.AboutPictureFlag == 0)) {
            failures.push_back(Say("AboutTessaline shows the product picture ", product,
                                   ", the maker's ", maker, ", AboutPictureFlag is ",
                                   after.game.AboutPictureFlag));
        }
    }
    if (after.exists[WindowSlot("AboutVantiro")] &&
        !session.tk["AboutVantiro"]("icnVantiro").IsVisible()) {
        failures.push_back("AboutVantiro does not show its picture");
    }
}

} // namespace

Observation Observe(Session& session, bool withBoard) {
    Observation seen;
    seen.game = session.game();
    seen.beeps = session.tk.BeepCount();
    for (std::size_t i = 0; i < WindowCount; ++i) {
        seen.exists[i] = session.Exists(WindowNames[i]);
        seen.shown[i] = seen.exists[i] && session.tk[WindowNames[i]].IsShown();
    }
    if (session.Exists("Time")) {
        seen.timerEnabled = session.tk["Time"]("tmrSecond").IsEnabled();
        const QTimer* timer = session.ClockTimer();
        seen.timerActive = timer != nullptr && timer->isActive();
    }
    if (withBoard && session.Exists("Board")) {
        seen.board = ReadBoard(session);
    }
    return seen;
}

std::array<int, WindowCount> CountTopLevels() {
    std::array<int, WindowCount> counts{};
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        const std::string name = widget->objectName().toStdString();
        for (std::size_t i = 0; i < WindowCount; ++i) {
            if (WindowNames[i] == name) {
                ++counts[i];
            }
        }
    }
    return counts;
}

void Check(Session& session, const Observation& before, const Observation& after,
           const Expect& expect, Tracker& tracker, Failures& failures) {
    CheckValues(after.game, failures);
    CheckRunningGame(after.game, failures);
    UpdateClock(before, after, expect, tracker);
    if (after.beeps != before.beeps && after.beeps != before.beeps + 1) {
        failures.push_back(Say(after.beeps - before.beeps, " beeps for one event"));
    }
    CheckWindows(session, before, after, expect, failures);
    if (session.Ended()) {
        return;
    }
    CheckMainWindow(session, after.game, failures);
    CheckClock(session, after, tracker, failures);
    CheckEvent(session, before, after, expect, failures);
}

} // namespace tessaline::ui::random
