#include "ui/app/app.h"

#include "ui/app/windows.h"

namespace tessaline::ui {

App::App(Toolkit& toolkit, RandomSource& source) : tk(toolkit), random(source) {
    DefineColor(*this);
    DefineBoard(*this);
    DefineTime(*this);
    DefineOptions(*this);
    DefineCustomizeBoard(*this);
    DefineErrorAZ(*this);
    DefineRulesWindows(*this);
    DefineAboutWindows(*this);
    DefinePlayerWin(*this);
    tk.SetMainForm("Color");
}

void App::Start() {
    tk.Touch("Color").Show();
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
    app_.tk.Touch("PlayerWin").Show();
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
