// The Options dialog: board size and colour shares for the next deal. OK puts
// all eight values in force at once, or none; it ends the game in progress and
// resizes the board window, but deals nothing.

#include "model/options.h"
#include "model/game.h"
#include "model/numbers.h"
#include "play/endgame.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <array>
#include <string>

namespace tessaline::ui {

namespace {

void AcceptOptionsClick(App& app) {
    OptionsWindow& options = app.win.options;
    // Held here so that the views handed to AcceptOptions stay valid.
    const std::string height = options.txtHeight.Text();
    const std::string width = options.txtWidth.Text();
    std::array<std::string, ColourCount + 1> shares;
    OptionTexts texts{.Height = height, .Width = width, .PerColor = {}};
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        shares[code] = options.txtPerColor[code].Text();
        texts.PerColor[code] = shares[code];
    }
    const std::optional<OptionValues> values = AcceptOptions(texts);
    if (!values) {
        // The texts stay as typed, for the player to correct.
        ShowError(app);
        return;
    }
    ApplyOptions(app.game, *values);
    HideError(app);
    options.form.Hide();
    EndGame(app.game, app.frontend);
    SizeBoardWindow(app);
}

void CancelOptions(App& app) {
    HideError(app);
    app.win.options.form.Hide();
}

} // namespace

void BindOptions(App& app) {
    Form& dialog = app.win.options.form;
    // Also when the player closed the dialog through its title bar and it is
    // created again: the defaults are back in force from then on. A game dealt
    // on another size cannot go on on this one (its counts would hold squares
    // no longer in play, or miss squares never dealt), so it ends as an
    // accepted OK ends it, and the board window takes the new size.
    dialog.OnLoad([&app] {
        const Int16 width = app.game.BoardWidth;
        const Int16 height = app.game.BoardHeight;
        SetOptionDefaults(app.game);
        const bool resized = app.game.BoardWidth != width || app.game.BoardHeight != height;
        if (resized && !app.game.GameOver) {
            EndGame(app.game, app.frontend);
            SizeBoardWindow(app);
        }
    });
    dialog(options::btnOK).OnClick([&app] { AcceptOptionsClick(app); });
    dialog(options::lblCancel).OnClick([&app] { CancelOptions(app); });
}

// Whatever was typed before is replaced by the settings in force.
void OpenOptions(App& app) {
    OptionsWindow& options = app.win.options;
    options.form.Load(); // a new dialog puts the defaults in force first
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        options.txtPerColor[code].SetText(FormatGeneral(app.game.Percent[code]));
    }
    options.txtHeight.SetText(std::to_string(app.game.BoardHeight));
    options.txtWidth.SetText(std::to_string(app.game.BoardWidth));
    options.form.Show();
}

} // namespace tessaline::ui
