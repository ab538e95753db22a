// The main window: the Colors Scanned boxes, the remaining counts, the Guess
// buttons and the whole menu.

#include "model/deal.h"
#include "model/game.h"
#include "play/endgame.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <QScopedValueRollback>

#include <memory>
#include <string>
#include <string_view>

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

void RedrawBoard(App& app) {
    app.tk.Touch("Board").Show();
    DrawBoard(app);
}

void NewGame(App& app) {
    // A dialog the player closed through its title bar comes back with its
    // defaults in force (the Options dialog's board size and shares, no block
    // share), and it must do so before the deal: otherwise the first time New
    // Game touches it, it would change the settings under a board already
    // dealt, and the board drawn would not be the board played.
    for (const char* window : {"CustomizeBoard", "Options", "PlayerWin"}) {
        app.tk.Touch(window);
    }
    DealBoard(app.game, app.random);
    ShowRemaining(app);
    // Values typed into an open dialog and not confirmed are dropped with it.
    for (const char* window : {"CustomizeBoard", "Options", "PlayerWin"}) {
        app.tk.Touch(window).Hide();
    }
    RedrawBoard(app);
    ResetSeconds(app);
    ShowClock(app);
    SetClockRunning(app, true);
    app.game.GameOver = false;
}

void Show(App& app, std::string_view window) {
    app.tk.Touch(window).Show();
}

void ShowTime(App& app) {
    Show(app, "Time");
    ShowClock(app);
}

void CustomizeBoard(App& app) {
    EndGame(app.game, app.frontend);
    OpenCustomizeBoard(app);
}

// The menu bar's commands.
Bindings<void()> MenuCommands(App& app) {
    const auto run = [&app](void (*command)(App&)) { return [&app, command] { command(app); }; };
    const auto show = [&app](std::string_view window) {
        return [&app, window] { Show(app, window); };
    };
    return {
        {"G_NewGame", run(NewGame)},
        {"G_Quit", [&app] { Quit(app.game, app.frontend); }},
        {"G_Exit", [&app] { app.tk.EndProgram(); }},
        {"R_Board", run(RedrawBoard)},
        {"R_Time", run(ShowTime)},
        {"O_Options", run(OpenOptions)},
        {"O_CustomizeBoard", run(CustomizeBoard)},
        {"I_A_Tessaline", show("AboutTessaline")},
        {"I_A_Vantiro", show("AboutVantiro")},
        {"I_A_Author", show("AboutAuthor")},
        {"I_R_Object", show("Rules_Object")},
        {"I_R_Play", show("Rules_Play")},
        {"I_R_Customize", show("Rules_Customize")},
        {"I_License", show("License")},
    };
}

// Selecting a Guess button from here raises its click again, as the player's
// click would; `busy` lets that inner click through without acting, so the
// sequence runs once and ends with the one button selected.
void GuessClick(App& app, Int16 index, bool& busy) {
    if (busy) {
        return;
    }
    const QScopedValueRollback<bool> running(busy, true);

    Form& color = app.tk.Touch("Color");
    app.game.GuessColour = index;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color("rbtGuess", code).SetEnabled(false);
    }
    if (color("rbtGuess", index).Value() != 1) {
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            color("rbtGuess", code).SetValue(0);
        }
        color("rbtGuess", index).SetValue(1);
    }
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color("rbtGuess", code).SetEnabled(true);
    }
}

// The counts on the board follow the ticks at once, but only while a game runs.
void ScanClick(App& app) {
    if (!app.game.GameOver) {
        DrawBoard(app);
    }
}

} // namespace

FormHandlers ColorHandlers(App& app) {
    FormHandlers handlers;
    handlers.load = [&app] { StartUp(app); };
    handlers.menu = MenuCommands(app);
    handlers.click = {
        {"rbtGuess",
         [&app, busy = std::make_shared<bool>(false)](int index) {
             if (IsColour(index)) {
                 GuessClick(app, static_cast<Int16>(index), *busy);
             }
         }},
        {"cbxScan",
         [&app](int index) {
             if (IsColour(index)) {
                 ScanClick(app);
             }
         }},
    };
    return handlers;
}

void DefineColor(App& app) {
    app.tk.Define(ColorLayout(), ColorHandlers(app));
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
