// The clock window: the seconds of the current game in large type, and the timer that counts them.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    FormDef form{.name = "Time",
                 .caption = "Time",
                 .clientWidth = 1635,
                 .clientHeight = 630,
                 .placement = Placement{60, 345}, // the top-left corner of the screen
                 .border = BorderKind::Sizable,
                 .minimizeButton = true,
                 .maximizeButton = true,
                 .programIcon = true,
                 .controls = {},
                 .menus = {}};
    form.controls = {
        // Off until a game starts it.
        {.kind = ControlKind::Timer, .name = "tmrSecond", .interval = 1000, .enabled = false},
        // Far wider than the window: whatever lies beyond the client area is simply not seen.
        {.kind = ControlKind::Label,
         .name = "lblTime",
         .left = 120,
         .top = 120,
         .width = 11175,
         .height = 375,
         .tab = 0,
         .font = {.points = 18, .bold = true}},
    };
    return form;
}

} // namespace

const FormDef& TimeLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
