// The clock window: the seconds of the current game in large type, and the timer that counts them.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    using namespace layout;
    FormDef form = SizableWindow(time_window::Window, "Time", 1635, 630,
                                 Placement{60, 345}, // the top-left corner of the screen
                                 /*maximizeButton=*/true, /*programIcon=*/true);
    // Far wider than the window: whatever lies beyond the client area is simply not seen.
    ControlDef time = Label(time_window::lblTime, {}, 120, 120, 11175, 375, 0);
    time.font = {.points = 18, .bold = true};
    form.controls = {
        Timer(time_window::tmrSecond, 1000, /*enabled=*/false), // off until a game starts it
        time,
    };
    return form;
}

} // namespace

const FormDef& TimeLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
