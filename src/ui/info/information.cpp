// The windows that only inform: the three rules windows, the about windows of
// the product, its maker and its author, the licence window and the win
// window. Each is hidden, never destroyed, by its one button (which Enter
// presses). The product about window swaps its picture for the maker's, and
// back, when the player clicks the one on show.

#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <string_view>
#include <utility>

namespace tessaline::ui {

namespace {

// A window whose only event is its one button, which hides it.
void DefineHiddenByButton(App& app, const FormDef& layout, std::string_view button) {
    FormHandlers handlers;
    const std::string_view name = layout.name;
    handlers.click = {{std::string(button), [&app, name](int) { app.tk[name].Hide(); }}};
    app.tk.Define(layout, std::move(handlers));
}

} // namespace

void DefineRulesWindows(App& app) {
    DefineHiddenByButton(app, RulesObjectLayout(), info::btnOK);
    DefineHiddenByButton(app, RulesPlayLayout(), info::btnOK);
    DefineHiddenByButton(app, RulesCustomizeLayout(), info::btnOK);
}

// Created hidden at start-up, in this order; the Info menu only shows them.
void LoadRulesWindows(App& app) {
    app.win.rulesCustomize.Load();
    app.win.rulesObject.Load();
    app.win.rulesPlay.Load();
}

void DefineAboutWindows(App& app) {
    // AboutPictureFlag says which picture is on show: 0 the product's, 1 the
    // maker's. Each creation of the window starts again from the product's;
    // hiding and showing it keeps the picture.
    FormHandlers tessaline;
    tessaline.load = [&app] {
        Form& about = app.win.aboutTessaline;
        app.game.AboutPictureFlag = 0;
        about(info::icnVantiro).SetVisible(false);
        about(info::icnTessaline).SetVisible(true);
    };
    // A click on the picture on show swaps it for the other one.
    const auto swap = [&app](std::string_view shown, std::string_view other, Int16 flag) {
        return [&app, shown, other, flag](int) {
            Form& about = app.win.aboutTessaline;
            if (app.game.AboutPictureFlag == flag) {
                about(shown).SetVisible(false);
                about(other).SetVisible(true);
                app.game.AboutPictureFlag = flag == 0 ? 1 : 0;
            }
        };
    };
    tessaline.click = {
        {info::Ok, [&app](int) { app.win.aboutTessaline.Hide(); }},
        {info::icnTessaline, swap(info::icnTessaline, info::icnVantiro, 0)},
        {info::icnVantiro, swap(info::icnVantiro, info::icnTessaline, 1)},
    };
    app.tk.Define(AboutTessalineLayout(), std::move(tessaline));

    // The maker's picture waits hidden in the layout until the window is created.
    FormHandlers vantiro;
    vantiro.load = [&app] { app.win.aboutVantiro(info::icnVantiro).SetVisible(true); };
    vantiro.click = {{info::Ok, [&app](int) { app.win.aboutVantiro.Hide(); }}};
    app.tk.Define(AboutVantiroLayout(), std::move(vantiro));

    DefineHiddenByButton(app, AboutAuthorLayout(), info::Ok);
    DefineHiddenByButton(app, LicenseLayout(), info::Ok);
}

void DefinePlayerWin(App& app) {
    DefineHiddenByButton(app, PlayerWinLayout(), info::btnOK);
}

} // namespace tessaline::ui
