#include "ui/app/app.h"

#include "ui/app/windows.h"

namespace tessaline::ui {

Windows::Windows(Toolkit& tk)
    : color(tk), board(tk), time(tk), options(tk), customizeBoard(tk),
      errorAZ(tk[error_az::Window]), playerWin(tk[info::PlayerWin]),
      rulesObject(tk[info::RulesObject]), rulesPlay(tk[info::RulesPlay]),
      rulesCustomize(tk[info::RulesCustomize]), aboutTessaline(tk[info::AboutTessaline]),
      aboutVantiro(tk[info::AboutVantiro]), aboutAuthor(tk[info::AboutAuthor]),
      license(tk[info::License]) {}

App::App(Toolkit& toolkit, RandomSource& source)
    : tk(toolkit), random(source), win(DefineWindows(*this)) {}

Toolkit& App::DefineWindows(App& app) {
    DefineColor(app);
    DefineBoard(app);
    DefineTime(app);
    DefineOptions(app);
    DefineCustomizeBoard(app);
    DefineErrorAZ(app);
    DefineRulesWindows(app);
    DefineAboutWindows(app);
    DefinePlayerWin(app);
    app.tk.SetMainForm(color::Window);
    return app.tk;
}

void App::Start() {
    win.color.form.Show();
}

void WindowFrontend::RefreshSquare(int column, int row) {
    ui::RefreshSquare(app_, column, row);
}

void WindowFrontend::PaintSquare(int column, int row) {
    ui::PaintSquare(app_, column, row);
}

void WindowFrontend::ShowRemaining() {
    ui::ShowRemaining(app_);
}

void WindowFrontend::ShowWinWindow() {
    app_.win.playerWin.Show();
}

void WindowFrontend::StopClock() {
    SetClockRunning(app_, false);
}

void WindowFrontend::Beep() {
    app_.tk.Beep();
}

bool WindowFrontend::CustomizeBoardShown() {
    return ui::CustomizeBoardShown(app_);
}

} // namespace tessaline::ui
