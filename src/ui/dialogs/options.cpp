// The Options dialog: board size and colour shares for the next deal.

#include "model/game.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

void DefineOptions(App& app) {
    FormHandlers handlers;
    handlers.load = [&app] { SetOptionDefaults(app.game); };
    app.tk.Define(OptionsLayout(), std::move(handlers));
}

void OpenOptions(App& app) {
    app.tk.Touch("Options").Show();
}

} // namespace tessaline::ui
