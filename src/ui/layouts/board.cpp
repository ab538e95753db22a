// The board window: one label per cell of the 30 by 30 grid, whatever part of it is in play.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

constexpr int GridSide = 30;
// Squares lie 240 apart and are 255 wide, so that neighbouring borders fall on one line.
constexpr int Spacing = 240;
constexpr int Side = 255;

FormDef Build() {
    FormDef form{.name = "Board",
                 .caption = "Board",
                 .clientWidth = 3615, // a 15 by 15 board: 14 * 240 + 255
                 .clientHeight = 3615,
                 .placement = Placement{2850, 2430},
                 .border = BorderKind::FixedSingle,
                 .minimizeButton = false,
                 .maximizeButton = false,
                 .programIcon = true,
                 .controls = {},
                 .menus = {}};
    form.controls.reserve(GridSide * GridSide);
    for (int i = 0; i < GridSide * GridSide; ++i) {
        const int column = i % GridSide;
        const int row = i / GridSide;
        form.controls.push_back({.kind = ControlKind::Label,
                                 .name = "Square",
                                 .index = i,
                                 .left = Spacing * column,
                                 .top = Spacing * row,
                                 .width = Side,
                                 .height = Side,
                                 .tab = i,
                                 .font = {.points = 8.25, .bold = true},
                                 .align = TextAlign::Centre,
                                 .border = true,
                                 .backColour = SystemWindowBackground,
                                 .foreColour = SystemWindowText});
    }
    return form;
}

} // namespace

const FormDef& BoardLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
