// The win window.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    FormDef form{.name = "PlayerWin",
                 .caption = "You Win!",
                 .clientWidth = 2220,
                 .clientHeight = 1650,
                 .placement = std::nullopt,
                 .border = BorderKind::Sizable,
                 .minimizeButton = true,
                 .maximizeButton = true,
                 .programIcon = false,
                 .controls = {},
                 .menus = {}};
    form.controls = {
        {.kind = ControlKind::Label,
         .name = "lblWin",
         .caption = "Congratulations! You Win!",
         .left = 120,
         .top = 240,
         .width = 1935,
         .height = 375,
         .tab = 0},
        {.kind = ControlKind::CommandButton,
         .name = "btnOK",
         .caption = "OK",
         .left = 600,
         .top = 960,
         .width = 1095,
         .height = 375,
         .tab = 1,
         .isDefault = true},
    };
    return form;
}

} // namespace

const FormDef& PlayerWinLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
