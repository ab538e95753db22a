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
    : tk(toolkit), random(source), win(DefineWindows(toolkit)) {
    BindColor(*this);
    BindBoard(*this);
    BindTime(*this);
    BindOptions(*this);
    BindCustomizeBoard(*this);
    BindErrorAZ(*this);
    BindInfoWindows(*this);
}

Toolkit& App::DefineWindows(Toolkit& tk) {
    for (const FormDef* layout : AllLayouts()) {
        tk.Define(*layout); // the main window first
    }
    return tk;
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
