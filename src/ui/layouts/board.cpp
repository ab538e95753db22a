// The board window: the whole 30 by 30 grid of squares, whatever part of it is in play.

#include "model/game.h"
#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

using namespace layout;

FormDef Build() {
    // Sized for a 15 by 15 board, the board in play at start-up.
    FormDef form = FixedDialog(board::Window, "Board", BoardClientSide(DefaultWidth),
                               BoardClientSide(DefaultHeight), Placement{2850, 2430});
    form.board = BoardDef{.name = board::Square,
                          .columns = GridSize,
                          .rows = GridSize,
                          .spacing = BoardSpacing,
                          .side = BoardSquareSide,
                          .font = {.points = 8.25, .bold = true}};
    return form;
}

} // namespace

const FormDef& BoardLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
