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
    Windows& win = app.win;
    for (Form* window : {&win.board.form, &win.aboutTessaline, &win.aboutVantiro, &win.aboutAuthor,
                         &win.license, &win.options.form, &win.customizeBoard.form, &win.color.form,
                         &win.time.form, &win.playerWin}) {
        window->Load();
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
    app.win.board.form.Show();
    DrawBoard(app);
}

void NewGame(App& app) {
    // A dialog the player closed through its title bar comes back with its
    // defaults in force (the Options dialog's board size and shares, no block
    // share), and it must do so before the deal: otherwise the first time New
    // Game touches it, it would change the settings under a board already
    // dealt, and the board drawn would not be the board played.
    Windows& win = app.win;
    const std::initializer_list<Form*> dialogs{&win.customizeBoard.form, &win.options.form,
                                               &win.playerWin};
    for (Form* dialog : dialogs) {
        dialog->Load();
    }
    DealBoard(app.game, app.random);
    ShowRemaining(app);
    // Values typed into an open dialog and not confirmed are dropped with it.
    for (Form* dialog : dialogs) {
        dialog->Hide();
    }
    RedrawBoard(app);
    ResetSeconds(app);
    ShowClock(app);
    SetClockRunning(app, true);
    app.game.GameOver = false;
}

void ShowTime(App& app) {
    app.win.time.form.Show();
    ShowClock(app);
}

void CustomizeBoard(App& app) {
    EndGame(app.game, app.frontend);
    OpenCustomizeBoard(app);
}

// The menu bar's commands.
void BindMenu(App& app) {
    Form& main = app.win.color.form;
    const auto run = [&](const char* item, void (*command)(App&)) {
        main.Menu(item).OnClick([&app, command] { command(app); });
    };
    const auto show = [&](const char* item, Form& window) {
        main.Menu(item).OnClick([&window] { window.Show(); });
    };
    using namespace color;
    Windows& win = app.win;
    run(G_NewGame, NewGame);
    run(G_Quit, [](App& program) { Quit(program.game, program.frontend); });
    run(G_Exit, [](App& program) { program.tk.EndProgram(); });
    run(R_Board, RedrawBoard);
    run(R_Time, ShowTime);
    run(O_Options, OpenOptions);
    run(O_CustomizeBoard, CustomizeBoard);
    show(I_A_Tessaline, win.aboutTessaline);
    show(I_A_Vantiro, win.aboutVantiro);
    show(I_A_Author, win.aboutAuthor);
    show(I_R_Object, win.rulesObject);
    show(I_R_Play, win.rulesPlay);
    show(I_R_Customize, win.rulesCustomize);
    show(I_License, win.license);
}

// Selecting a Guess button from here raises its click again, as the player's
// click would; `busy` lets that inner click through without acting, so the
// sequence runs once and ends with the one button selected.
void GuessClick(App& app, Int16 index, bool& busy) {
    if (busy) {
        return;
    }
    const QScopedValueRollback<bool> running(busy, true);

    const ControlArray& guess = app.win.color.rbtGuess;
    app.game.GuessColour = index;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        guess[code].SetEnabled(false);
    }
    if (guess[index].Value() != 1) {
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            guess[code].SetValue(0);
        }
        guess[index].SetValue(1);
    }
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        guess[code].SetEnabled(true);
    }
}

// The counts on the board follow the ticks at once, but only while a game runs.
void ScanClick(App& app) {
    if (!app.game.GameOver) {
        DrawBoard(app);
    }
}

} // namespace

void BindColor(App& app) {
    ColorWindow& color = app.win.color;
    color.form.OnLoad([&app] { StartUp(app); });
    BindMenu(app);
    const auto busy = std::make_shared<bool>(false);
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color.rbtGuess[code].OnClick([&app, code, busy] { GuessClick(app, code, *busy); });
        color.cbxScan[code].OnClick([&app] { ScanClick(app); });
    }
}

void InitColorWindow(App& app) {
    ColorWindow& color = app.win.color;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        color.rbtGuess[code].SetEnabled(true);
        color.rbtGuess[code].SetVisible(true);
        color.cbxScan[code].SetValue(0);
        color.cbxScan[code].SetVisible(true);
    }
    app.game.GuessColour = CodeYellow;
    color.rbtGuess[CodeYellow].SetEnabled(true);
    ShowRemaining(app);
}

void ShowRemaining(App& app) {
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        app.win.color.lblNumRemaining[code].SetCaption(std::to_string(app.game.Remaining[code]));
    }
}

} // namespace tessaline::ui
