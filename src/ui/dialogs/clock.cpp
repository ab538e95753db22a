// The clock window: whole seconds of the current game, one per tick of its
// timer, which runs only while a game does.

#include "model/game.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <limits>
#include <string>

namespace tessaline::ui {

namespace {

// The load step: nothing counted yet, and the timer off until a game starts.
void InitClock(App& app) {
    app.game.Seconds = 0;
    Control& timer = app.win.time.tmrSecond;
    timer.SetEnabled(false);
    timer.SetInterval(1000);
}

void Tick(App& app) {
    // A game of more than nine hours stops counting at the largest 16-bit count
    // rather than wrapping round to a negative time.
    if (app.game.Seconds < std::numeric_limits<Int16>::max()) {
        ++app.game.Seconds;
    }
    ShowSeconds(app);
}

} // namespace

void BindTime(App& app) {
    app.win.time.form.OnLoad([&app] { InitClock(app); });
    app.win.time.tmrSecond.OnTick([&app] { Tick(app); });
}

void ResetSeconds(App& app) {
    app.game.Seconds = 0;
}

void ShowSeconds(App& app) {
    app.win.time.form.Load(); // a new clock window starts from 0
    app.win.time.lblTime.SetCaption(std::to_string(app.game.Seconds));
}

void ShowClock(App& app) {
    app.win.time.form.Show();
    ShowSeconds(app);
}

void SetClockRunning(App& app, bool running) {
    Control& timer = app.win.time.tmrSecond;
    // Stopping first makes a restarted clock wait a whole second for its first
    // tick, even when it was already running.
    timer.SetEnabled(false);
    if (running) {
        timer.SetEnabled(true);
    }
}

} // namespace tessaline::ui
