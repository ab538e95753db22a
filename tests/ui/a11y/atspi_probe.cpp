// The whole program with its board already on the screen, for the AT-SPI
// check (scripts/a11y-test) in builds whose main window cannot deal a game
// yet: every square of the 15 by 15 board is named as the board names them,
// except Square(1), which is read by its caption, as an unnamed square is.
// Otherwise it is the game as it starts; run it as the game is run.

#include "model/describe.h"
#include "model/random.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("tessaline");
    using namespace tessaline;
    using namespace tessaline::ui;
    SeededRandom random(1);
    Toolkit toolkit;
    InstallPictures(toolkit);
    App app(toolkit, random);
    app.Start();

    Form& board = toolkit.Touch("Board");
    board.SetClientSize(240 * (app.game.BoardWidth - 1) + 255,
                        240 * (app.game.BoardHeight - 1) + 255);
    board.Show();
    for (int row = 0; row < app.game.BoardHeight; ++row) {
        for (int column = 0; column < app.game.BoardWidth; ++column) {
            Control& square = board("Square", Square(column, row));
            if (Square(column, row) != 1) {
                square.SetAccessibleName(
                    DescribeSquare(app.game.At(column, row), column, row, square.Caption()));
            }
        }
    }
    return QApplication::exec();
}
