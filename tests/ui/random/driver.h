#pragma once
// Random play through the real windows: a seeded mix of clicks on squares,
// menu commands, Guess and Colors Scanned clicks, texts typed into the
// dialogs, buttons, keys, title-bar closes and clock ticks, with every
// invariant checked after every event. Closing the main window or Exit ends
// an episode; the next event starts a fresh program.

#include "invariants.h"
#include "session.h"
#include "texts.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tessaline::ui::random {

struct RunResult {
    long events = 0;                // events run, the failing one included
    long episodes = 0;              // programs started
    Failures failures;              // empty when every check held
    std::deque<std::string> recent; // the last events, oldest first
    std::uint64_t digest = 0;       // of every value after every event, for replays
    // What the run got up to: games won and lost, entries refused...
    std::map<std::string, long> tally;
};

class Driver {
  public:
    explicit Driver(std::uint64_t seed);
    ~Driver();

    // Runs events until `events` have run or a check fails.
    RunResult Run(long events);

    // Called with the description of each event before it runs (for tracing).
    std::function<void(long, const std::string&)> onEvent;

  private:
    struct Planned {
        std::string description;
        std::function<void()> act;
        Expect expect;
    };

    void StartEpisode(RunResult& result);
    Planned Plan();
    bool Chance(int percent);
    int Uniform(int low, int high);

    Planned PlanSquareClick();
    Planned PlanKnowingClick();
    Planned PlanSquareApart();
    Planned PlanDoubleClick();
    Planned PlanFractionalClick();
    Planned PlanChord();
    Planned PlanMenu();
    Planned PlanGuessOrScan(bool guess);
    Planned PlanMainKey();
    Planned PlanType();
    Planned PlanConfirm();
    Planned PlanButton();
    Planned PlanPicture();
    Planned PlanClose();
    Planned PlanTicks();
    Planned PlanPaint();

    // A pixel of the squares widget that the board window shows, and the
    // square that takes the mouse there.
    struct Spot {
        QPoint at;
        int index;
        bool inside; // away from the shared border lines
    };
    Spot RandomSpot();
    std::string ShownDialog();

    Engine engine_;
    std::uint32_t programSeed_;
    std::unique_ptr<Session> session_;
    Tracker tracker_;
};

// Prints a failed run: the seed, the event number, what failed and the events
// that led there, with the command that replays it.
std::string Report(std::uint64_t seed, long events, const RunResult& result);

} // namespace tessaline::ui::random
