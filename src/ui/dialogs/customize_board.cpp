// The Customize Board dialog: blocks by hand (right clicks while it is shown)
// or at random by a percentage.

#include "model/game.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

void DefineCustomizeBoard(App& app) {
    FormHandlers handlers;
    handlers.load = [&app] { ClearBlockPercent(app.game); };
    app.tk.Define(CustomizeBoardLayout(), std::move(handlers));
}

void OpenCustomizeBoard(App& app) {
    app.tk.Touch("CustomizeBoard").Show();
}

bool CustomizeBoardShown(App& app) {
    return app.tk.Touch("CustomizeBoard").IsShown();
}

} // namespace tessaline::ui
