// The error window: the one message for an entry that is not a number.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    FormDef form{.name = "ErrorAZ",
                 .caption = "Error AZ",
                 .clientWidth = 2625,
                 .clientHeight = 1380,
                 .placement = std::nullopt, // where the window system puts new windows
                 .border = BorderKind::FixedSingle,
                 .minimizeButton = false,
                 .maximizeButton = false,
                 .programIcon = true,
                 .controls = {},
                 .menus = {}};
    form.controls = {
        {.kind = ControlKind::Label,
         .name = "lblError",
         .caption = "All values must be numbers",
         .left = 240,
         .top = 240,
         .width = 2055,
         .height = 375,
         .tab = 1},
        {.kind = ControlKind::CommandButton,
         .name = "btnOK",
         .caption = "OK",
         .left = 720,
         .top = 720,
         .width = 1095,
         .height = 375,
         .tab = 0,
         .isDefault = true},
    };
    return form;
}

} // namespace

const FormDef& ErrorAZLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
