// The main window: the Colors Scanned boxes, the remaining counts, the Guess
// buttons and the whole menu.

#include "model/game.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <string>

namespace tessaline::ui {

namespace {

// Every other window, created hidden in this order, each running its load step.
// The main window is among them: it is being created, so touching it does nothing.
void LoadWindows(App& app) {
    for (const char* window : {"Board", "AboutTessaline", "AboutVantiro", "AboutAuthor", "License",
                               "Options", "CustomizeBoard", "Color", "Time", "PlayerWin"}) {
        app.tk.Touch(window);
    }
}

// The start-up sequence, run by the main window's load step. The constants are
// compile-time values, so there is nothing to set first. No board is dealt.
void StartUp(App& app) {
    LoadWindows(app);
    LoadRulesWindows(app);
    LoadErrorWindow(app);
    SetOptionDefaults(app.game);
    ClearBlockPercent(app.game);
    InitGrid(app.game);
    ShowAllSquares(app);
    ResetGame(app.game);
    InitColorWindow(app);
}

} // namespace

void DefineColor(App& app) {
    FormHandlers handlers;
    handlers.load = [&app] { StartUp(app); };
    app.tk.Define(ColorLayout(), std::move(handlers));
}

void InitColorWindow(App& app) {
    Form& color = app.tk.Touch("Color");
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color("rbtGuess", code).SetEnabled(true);
        color("rbtGuess", code).SetVisible(true);
        color("cbxScan", code).SetValue(0);
        color("cbxScan", code).SetVisible(true);
    }
    app.game.GuessColour = CodeYellow;
    color("rbtGuess", CodeYellow).SetEnabled(true);
    ShowRemaining(app);
}

void ShowRemaining(App& app) {
    Form& color = app.tk.Touch("Color");
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color("lblNumRemaining", code).SetCaption(std::to_string(app.game.Remaining[code]));
    }
}

} // namespace tessaline::ui
