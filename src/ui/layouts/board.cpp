// The board window: one label per cell of the 30 by 30 grid, whatever part of it is in play.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

using namespace layout;

constexpr int GridSide = 30;
// Squares lie 240 apart and are 255 wide, so that neighbouring borders fall on one line.
constexpr int Spacing = 240;
constexpr int Side = 255;

FormDef Build() {
    // Sized for a 15 by 15 board: 14 * 240 + 255 each way.
    FormDef form = FixedDialog("Board", "Board", 3615, 3615, Placement{2850, 2430});
    form.controls.reserve(GridSide * GridSide);
    for (int i = 0; i < GridSide * GridSide; ++i) {
        const int column = i % GridSide;
        const int row = i / GridSide;
        ControlDef square =
            Item(i, Label("Square", {}, Spacing * column, Spacing * row, Side, Side, i));
        square.font = {.points = 8.25, .bold = true};
        square.align = TextAlign::Centre;
        square.border = true;
        square.backColour = SystemWindowBackground;
        square.foreColour = SystemWindowText;
        form.controls.push_back(square);
    }
    return form;
}

} // namespace

const FormDef& BoardLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
