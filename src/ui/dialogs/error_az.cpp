// The one message of the program: "All values must be numbers", with a beep.
// It blocks nothing and names no box. Its own OK (or Enter) hides it, and so do
// an accepted OK and Cancel in the Options dialog; nothing else does, so a
// successful Set Blocks, New Game or a dialog closed leave it where it is.

#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

void BindErrorAZ(App& app) {
    app.win.errorAZ(error_az::btnOK).OnClick([&app] { HideError(app); });
}

void LoadErrorWindow(App& app) {
    app.win.errorAZ.Load();
}

// The beep sounds every time, even when the window is already shown.
void ShowError(App& app) {
    app.tk.Beep();
    app.win.errorAZ.Show();
}

void HideError(App& app) {
    app.win.errorAZ.Hide();
}

} // namespace tessaline::ui
