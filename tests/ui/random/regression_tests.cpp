// Faults that random play found, each replayed by hand through the real
// windows, so that they stay fixed.

#include "session.h"

#include "ui/toolkit/toolkit_qt.h"

#include <QTimer>
#include <QWidget>

#include <QTest>

namespace tessaline::ui::random {

class RegressionTests : public QObject {
    Q_OBJECT

  private slots:
    // The board window's client area ends on the last border line of the
    // squares in play, and that line is shared with the squares beyond, which
    // lie on top of it. A click on it used to reach a square out of play: the
    // game was lost on a square never dealt, or a count went below zero.
    void aClickOnTheBoardsEdgeLineTouchesNoSquareOutOfPlay_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QPoint>("at"); // pixels from the board's top-left corner
        QTest::addColumn<int>("button");
        // 16 pixels a square; a W x H board shows 16W + 1 by 16H + 1 pixels.
        QTest::newRow("bottom line, left") << 15 << 15 << QPoint(8, 240) << int(Qt::LeftButton);
        QTest::newRow("right line, left") << 15 << 15 << QPoint(240, 8) << int(Qt::LeftButton);
        QTest::newRow("corner, left") << 15 << 15 << QPoint(240, 240) << int(Qt::LeftButton);
        QTest::newRow("bottom line, right") << 15 << 15 << QPoint(8, 240) << int(Qt::RightButton);
        QTest::newRow("one row, bottom line") << 3 << 1 << QPoint(1, 16) << int(Qt::LeftButton);
        QTest::newRow("thirty by one, bottom line")
            << 30 << 1 << QPoint(470, 16) << int(Qt::LeftButton);
    }
    void aClickOnTheBoardsEdgeLineTouchesNoSquareOutOfPlay() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QPoint, at);
        QFETCH(int, button);
        Session session(7);
        Game& game = session.game();
        game.BoardWidth = static_cast<Int16>(width);
        game.BoardHeight = static_cast<Int16>(height);
        // Every square Yellow, which the Guess buttons name at start-up.
        game.Percent = {0, 100, 0, 0, 0, 0, 0};
        session.Menu("G_NewGame");
        Session::FlushDeletes();
        QVERIFY(session.VisibleSquares().contains(at));
        const Game before = game;
        const int beeps = session.tk.BeepCount();

        const auto mouse = static_cast<Qt::MouseButton>(button);
        session.WindowMouse(true, at, mouse, {});
        session.WindowMouse(false, at, mouse, {});

        QCOMPARE(session.tk.BeepCount(), beeps);
        QVERIFY(!game.GameOver);
        QCOMPARE(game.Remaining, before.Remaining);
        for (int column = 0; column < GridSize; ++column) {
            for (int row = 0; row < GridSize; ++row) {
                if (column >= width || row >= height) {
                    QCOMPARE(game.At(column, row).State, before.At(column, row).State);
                }
            }
        }
        // The square in play beside the line still takes an ordinary click.
        const QPoint inside(std::min(at.x(), 16 * width - 8), std::min(at.y(), 16 * height - 8));
        session.WindowMouse(true, inside, mouse, {});
        session.WindowMouse(false, inside, mouse, {});
        const Cell& clicked = game.At(inside.x() / 16, inside.y() / 16);
        QCOMPARE(clicked.State, mouse == Qt::LeftButton ? StateVisible : CodeYellow);
    }

    // The Options dialog, closed through its title bar and opened again, puts
    // the default 15 x 15 in force at once. A game dealt on another size used
    // to go on with counts that held squares no longer in play: it could never
    // be won. Now such a game ends, as an accepted OK ends it, and the board
    // window takes the new size; a game on 15 x 15 goes on.
    void optionsCreatedAgainEndAGameOfAnotherSize_data() {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<bool>("ends");
        QTest::newRow("20 x 20") << "20"
                                 << "20" << true;
        QTest::newRow("15 x 4") << "15"
                                << "4" << true;
        QTest::newRow("30 x 15") << "30"
                                 << "15" << true;
        QTest::newRow("15 x 15") << "15"
                                 << "15" << false;
    }
    void optionsCreatedAgainEndAGameOfAnotherSize() {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(bool, ends);
        Session session(11);
        session.Menu("O_Options");
        QVERIFY(session.Type("Options", "txtWidth", -1, width, false));
        QVERIFY(session.Type("Options", "txtHeight", -1, height, false));
        session.ClickAt("Options", "btnOK", -1, Qt::LeftButton);
        session.Menu("G_NewGame");
        session.Menu("O_Options");
        session.CloseByTitleBar("Options");
        Session::FlushDeletes();
        QVERIFY(!session.game().GameOver);

        session.Menu("O_Options");

        QCOMPARE(session.game().BoardWidth, Int16(15));
        QCOMPARE(session.game().BoardHeight, Int16(15));
        QCOMPARE(session.game().GameOver, ends);
        QCOMPARE(session.ClockTimer()->isActive(), !ends);
        if (ends) {
            QCOMPARE(ClientWidget(session.tk["Board"])->size(), QSize(241, 241));
        }
        QVERIFY(session.Shown("Options"));
    }
};

} // namespace tessaline::ui::random

QTEST_MAIN(tessaline::ui::random::RegressionTests)
#include "regression_tests.moc"
