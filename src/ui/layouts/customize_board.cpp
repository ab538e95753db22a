// The Customize Board dialog: a share of blocks set at random.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    FormDef form{.name = "CustomizeBoard",
                 .caption = "Customize Board",
                 .clientWidth = 2610,
                 .clientHeight = 1080,
                 .placement = Placement{90, 2835},
                 .border = BorderKind::FixedSingle,
                 .minimizeButton = false,
                 .maximizeButton = false,
                 .programIcon = true,
                 .controls = {},
                 .menus = {}};
    form.controls = {
        {.kind = ControlKind::Label,
         .name = "lblPerBlocks",
         .caption = "% Of Board As Blocks",
         .left = 240,
         .top = 120,
         .width = 1695,
         .height = 255,
         .tab = 2},
        {.kind = ControlKind::TextBox,
         .name = "txtPerBlocks",
         .left = 1920,
         .top = 120,
         .width = 495,
         .height = 285,
         .tab = 0},
        {.kind = ControlKind::CommandButton,
         .name = "btnSetBlocks",
         .caption = "Set Blocks",
         .left = 720,
         .top = 600,
         .width = 1095,
         .height = 375,
         .tab = 1,
         .isDefault = true},
    };
    return form;
}

} // namespace

const FormDef& CustomizeBoardLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
