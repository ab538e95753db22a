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

void BindInfoWindows(App& app) {
    Windows& win = app.win;
    // Each hidden by its one button.
    for (auto [window, button] : {std::pair<Form*, const char*>{&win.rulesObject, info::btnOK},
                                  {&win.rulesPlay, info::btnOK},
                                  {&win.rulesCustomize, info::btnOK},
                                  {&win.playerWin, info::btnOK},
                                  {&win.aboutTessaline, info::Ok},
                                  {&win.aboutVantiro, info::Ok},
                                  {&win.aboutAuthor, info::Ok},
                                  {&win.license, info::Ok}}) {
        (*window)(button).OnClick([window] { window->Hide(); });
    }

    // AboutPictureFlag says which picture is on show: 0 the product's, 1 the
    // maker's. Each creation of the window starts again from the product's;
    // hiding and showing it keeps the picture.
    Form& about = win.aboutTessaline;
    about.OnLoad([&app, &about] {
        app.game.AboutPictureFlag = 0;
        about(info::icnVantiro).SetVisible(false);
        about(info::icnTessaline).SetVisible(true);
    });
    // A click on the picture on show swaps it for the other one.
    const auto swap = [&app, &about](std::string_view shown, std::string_view other, Int16 flag) {
        about(shown).OnClick([&app, &about, shown, other, flag] {
            if (app.game.AboutPictureFlag == flag) {
                about(shown).SetVisible(false);
                about(other).SetVisible(true);
                app.game.AboutPictureFlag = flag == 0 ? 1 : 0;
            }
        });
    };
    swap(info::icnTessaline, info::icnVantiro, 0);
    swap(info::icnVantiro, info::icnTessaline, 1);

    // The maker's picture waits hidden in the layout until the window is created.
    win.aboutVantiro.OnLoad([&app] { app.win.aboutVantiro(info::icnVantiro).SetVisible(true); });
}

// Created hidden at start-up, in this order; the Info menu only shows them.
void LoadRulesWindows(App& app) {
    app.win.rulesCustomize.Load();
    app.win.rulesObject.Load();
    app.win.rulesPlay.Load();
}

} // namespace tessaline::ui
