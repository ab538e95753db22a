// The board window: one label per cell of the 30 by 30 grid, whatever part of it is in play.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

using namespace layout;

constexpr int GridSide = 30;

FormDef Build() {
    // Sized for a 15 by 15 board, the board in play at start-up.
    const int side = BoardClientSide(15);
    FormDef form = FixedDialog("Board", "Board", side, side, Placement{2850, 2430});
    form.controls.reserve(GridSide * GridSide);
    for (int i = 0; i < GridSide * GridSide; ++i) {
        const int column = i % GridSide;
        const int row = i / GridSide;
        ControlDef square = Item(i, Label("Square", {}, BoardSpacing * column, BoardSpacing * row,
                                          BoardSquareSide, BoardSquareSide, i));
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
