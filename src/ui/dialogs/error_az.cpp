// The one message of the program: "All values must be numbers", with a beep.

#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

void DefineErrorAZ(App& app) {
    FormHandlers handlers;
    handlers.click = [&app](std::string_view control, int) {
        if (control == "btnOK") {
            HideError(app);
        }
    };
    app.tk.Define(ErrorAZLayout(), std::move(handlers));
}

void LoadErrorWindow(App& app) {
    app.tk.Touch("ErrorAZ");
}

void ShowError(App& app) {
    app.tk.Beep();
    app.tk.Touch("ErrorAZ").Show();
}

void HideError(App& app) {
    app.tk.Touch("ErrorAZ").Hide();
}

} // namespace tessaline::ui
