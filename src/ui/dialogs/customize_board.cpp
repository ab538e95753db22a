// The Customize Board dialog: blocks by hand (right clicks while it is shown,
// which the rules of play send to ToggleBlock) or at random by a percentage.

#include "model/blocks.h"
#include "model/game.h"
#include "model/rounding.h"
#include "play/endgame.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <string>

namespace tessaline::ui {

namespace {

// The box keeps the text as typed, even when the share was clamped.
void SetBlocksClick(App& app) {
    const std::string text = app.win.customizeBoard.txtPerBlocks.Text();
    if (!SetBlocks(app.game, app.random, text)) {
        ShowError(app);
        return;
    }
    DrawBoard(app);
}

} // namespace

void BindCustomizeBoard(App& app) {
    Form& dialog = app.win.customizeBoard.form;
    // Also when the player closed the dialog through its title bar and it is
    // created again: the next opening shows 0. The blocks in the grid stay.
    dialog.OnLoad([&app] { ClearBlockPercent(app.game); });
    dialog(customize_board::btnSetBlocks).OnClick([&app] { SetBlocksClick(app); });
}

// Blocks are chosen only while no game runs, so opening ends the game; the
// board is not revealed.
void OpenCustomizeBoard(App& app) {
    CustomizeBoardWindow& dialog = app.win.customizeBoard;
    dialog.form.Load(); // a new dialog clears the share first
    dialog.txtPerBlocks.SetText(std::to_string(RoundToInt16(app.game.Percent[0])));
    dialog.form.Show();
    EndGame(app.game, app.frontend);
}

// Block-choosing mode lasts exactly while this is true.
bool CustomizeBoardShown(App& app) {
    return app.win.customizeBoard.form.IsShown();
}

} // namespace tessaline::ui
