// The Customize Board dialog: a share of blocks set at random.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    using namespace layout;
    FormDef form =
        FixedDialog(customize_board::Window, "Customize Board", 2610, 1080, Placement{90, 2835});
    form.controls = {
        Naming(customize_board::txtPerBlocks,
               Label("lblPerBlocks", "% Of Board As Blocks", 240, 120, 1695, 255, 2)),
        TextBox(customize_board::txtPerBlocks, 1920, 120, 495, 285, 0),
        Button(customize_board::btnSetBlocks, "Set Blocks", 720, 600, 1095, 375, 1,
               ButtonRole::Default),
    };
    return form;
}

} // namespace

const FormDef& CustomizeBoardLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
