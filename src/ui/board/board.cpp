// The board window: 900 squares, 30 to a row, of which BoardWidth x BoardHeight
// are in play. Presses and releases go to the rules of play.

#include "model/appearance.h"
#include "model/describe.h"
#include "model/scan.h"
#include "play/clicks.h"
#include "ui/app/app.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

Control& SquareLabel(App& app, int column, int row) {
    return app.win.board.Square[Square(column, row)];
}

void RefreshSquareWith(App& app, const ScanSet& scanned, int column, int row) {
    if (const auto caption = CaptionSquare(app.game, scanned, column, row)) {
        SquareLabel(app, column, row).SetCaption(*caption);
    }
    PaintSquare(app, column, row);
}

} // namespace

void BindBoard(App& app) {
    // The client area ends on the border line that the last squares in play
    // share with the squares beyond, and those lie on top of it. A square
    // beyond takes no part in the game, so a press or release there (on that
    // line, or anywhere once a smaller board is in play than the window shows)
    // reaches no rule: it would lose the game on a square never dealt, or
    // uncover one that no count holds.
    for (int index = 0; index < SquareCount; ++index) {
        app.win.board.Square[index].OnMouse(
            [&app, index](bool down, int button, int shift, float x, float y) {
                if (!InBoard(app.game, ColumnOf(index), RowOf(index))) {
                    return;
                }
                const auto rule = down ? Square_MouseDown : Square_MouseUp;
                rule(app.game, app.frontend, static_cast<Int16>(index), static_cast<Int16>(button),
                     static_cast<Int16>(shift), x, y);
            });
    }
}

ScanSet ScannedColours(App& app) {
    ScanSet scanned{};
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        scanned[code] = app.win.color.cbxScan[code].Value() == 1;
    }
    return scanned;
}

void PaintSquare(App& app, int column, int row) {
    Control& square = SquareLabel(app, column, row);
    square.SetVisible(true);
    const Cell& cell = app.game.At(column, row);
    if (const auto colour = SquareBackColour(cell)) {
        square.SetBackColour(*colour);
    }
    // What a screen reader says of the square follows what it shows.
    square.SetAccessibleName(DescribeSquare(cell, column, row, square.Caption()));
}

void RefreshSquare(App& app, int column, int row) {
    RefreshSquareWith(app, ScannedColours(app), column, row);
}

void SizeBoardWindow(App& app) {
    app.win.board.form.SetClientSize(BoardClientSide(app.game.BoardWidth),
                                     BoardClientSide(app.game.BoardHeight));
}

void DrawBoard(App& app) {
    SizeBoardWindow(app);
    app.win.board.form.Show();
    // The ticks cannot change during the redraw, so they are read once.
    const ScanSet scanned = ScannedColours(app);
    for (int row = 0; row < app.game.BoardHeight; ++row) {
        for (int column = 0; column < app.game.BoardWidth; ++column) {
            RefreshSquareWith(app, scanned, column, row);
        }
    }
}

void ShowAllSquares(App& app) {
    for (int index = 0; index < SquareCount; ++index) {
        app.win.board.Square[index].SetVisible(true);
    }
}

} // namespace tessaline::ui
