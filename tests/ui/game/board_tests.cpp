// The board window as the player sees it: its size for the board in play and
// the colours of its squares, read from the pixels it paints.

#include "program.h"

#include <QImage>
#include <QTest>

namespace tessaline::ui::test {

namespace {

// A pixel inside square (column, row), clear of its border and its caption.
QColor PixelOf(const QImage& image, int column, int row) {
    return image.pixelColor(16 * column + 2, 16 * row + 2);
}

QColor Rgb(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// The board window painted and grabbed as it stands.
QImage BoardImage(Program& program) {
    QCoreApplication::processEvents();
    return Grab(program["Board"]);
}

} // namespace

class BoardTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void theClientAreaHoldsJustTheBoardInPlay_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("15 x 15, the default") << 15 << 15 << QSize(241, 241);
        QTest::newRow("30 x 30") << 30 << 30 << QSize(481, 481);
        QTest::newRow("3 across, 1 down") << 3 << 1 << QSize(49, 17);
        QTest::newRow("30 across, 1 down") << 30 << 1 << QSize(481, 17);
        QTest::newRow("4 across, 22 down") << 4 << 22 << QSize(65, 353);
    }
    void theClientAreaHoldsJustTheBoardInPlay() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QSize, pixels);
        Program program;
        // Start from the largest size, so that shrinking is tried too.
        program.game().BoardWidth = 30;
        program.game().BoardHeight = 30;
        program.Menu("R_Board");
        program.game().BoardWidth = static_cast<Int16>(width);
        program.game().BoardHeight = static_cast<Int16>(height);
        program.Menu("R_Board");

        Form& board = program["Board"];
        QCOMPARE(board.ClientWidth(), width * 240 + 15);
        QCOMPARE(board.ClientHeight(), height * 240 + 15);
        const QWidget* client = ClientWidget(board);
        QCOMPARE(client->size(), pixels);
        QCOMPARE(Grab(board).size(), pixels);
        // The last square in play lies wholly inside; the next ones lie beyond the edges.
        const QRect inside(QPoint(0, 0), pixels);
        QVERIFY(inside.contains(ControlRect(board("Square", Square(width - 1, height - 1)))));
        if (width < 30) {
            QCOMPARE(ControlRect(board("Square", Square(width, 0))).left(), pixels.width() - 1);
        }
        if (height < 30) {
            QCOMPARE(ControlRect(board("Square", Square(0, height))).top(), pixels.height() - 1);
        }
    }

    void squaresShowTheirCellsInColour() {
        Program program;
        program.NewGame("RYB/YYY/BBY");
        program.ClickControl("Color", "rbtGuess", CodeRed);
        program.Click(Square(0, 0));                  // Red, uncovered
        program.Click(Square(1, 1), Qt::RightButton); // Yellow, marked Red
        program.ClickControl("Color", "rbtGuess", CodePurple);
        program.Click(Square(2, 2), Qt::RightButton); // Yellow, marked Purple

        const QImage image = BoardImage(program);
        const QColor face =
            ControlWidget(program["Board"]("Square", 0))->palette().color(QPalette::Button);
        QCOMPARE(PixelOf(image, 0, 0), QColor(255, 0, 0));
        QCOMPARE(PixelOf(image, 1, 1), Rgb(ScreenRed));
        QCOMPARE(PixelOf(image, 2, 2), QColor(0xC0, 0, 0xC0));
        for (const auto& [column, row] : {std::pair{1, 0}, std::pair{2, 0}, std::pair{0, 2}}) {
            QCOMPARE(PixelOf(image, column, row), face);
        }
        QCOMPARE(program.Caption(0, 0), std::string("0"));
        QCOMPARE(program.Caption(1, 1), std::string("?"));

        // A loss shows every colour, a block in black.
        program.Click(Square(1, 0));
        const QImage revealed = BoardImage(program);
        QCOMPARE(PixelOf(revealed, 1, 0), QColor(255, 255, 0));
        QCOMPARE(PixelOf(revealed, 2, 0), QColor(0, 0, 255));
        QCOMPARE(PixelOf(revealed, 1, 1), QColor(255, 255, 0));
    }

    void aBlockIsBlackWithItsQuestionMark() {
        Program program;
        program.NewGame("Y#Y");
        const QImage image = BoardImage(program);
        QCOMPARE(PixelOf(image, 1, 0), QColor(0, 0, 0));
        QCOMPARE(program.Caption(1, 0), std::string("?"));
    }

    void aRedrawPaintsOnceAndTwiceChangesNothing() {
        Program program;
        std::string rows = Filled('Y', 30, 30);
        rows.back() = 'R'; // keeps the game going after the spread
        program.NewGame(rows);
        program.Click(Square(0, 0));
        QVERIFY(!program.game().GameOver);
        QCoreApplication::processEvents();
        Control& first = program["Board"]("Square", 0);
        const int paints = PaintCount(first);

        // Ticking a box recounts 899 squares and paints the board once.
        program.ClickControl("Color", "cbxScan", CodeYellow);
        QCoreApplication::processEvents();
        QCOMPARE(PaintCount(first), paints + 1);
        QCOMPARE(program.Caption(0, 0), std::string("3"));
        QCOMPARE(program.Caption(28, 28), std::string("7"));

        // Redrawing again changes nothing, so nothing needs painting.
        const QImage before = Grab(program["Board"]);
        const int grabbed = PaintCount(first);
        program.Menu("R_Board");
        QCoreApplication::processEvents();
        QCOMPARE(PaintCount(first), grabbed);
        QCOMPARE(Grab(program["Board"]), before);
    }

    void quitBeforeAnyGameRevealsAnUndealtGrid() {
        Program program;
        program.Menu("G_Quit");
        QCOMPARE(program.tk.BeepCount(), 0);
        for (int index = 0; index < SquareCount; ++index) {
            QCOMPARE(program.Back(ColumnOf(index), RowOf(index)), ScreenWhite);
            QCOMPARE(program.Caption(ColumnOf(index), RowOf(index)), std::string());
        }
        program.Menu("R_Board");
        const QImage image = BoardImage(program);
        for (int row = 0; row < 15; ++row) {
            for (int column = 0; column < 15; ++column) {
                QCOMPARE(program.Caption(column, row), std::string("0"));
                QCOMPARE(PixelOf(image, column, row), QColor(255, 255, 255));
            }
        }
        QCOMPARE(program.Caption(15, 0), std::string()); // beyond the board in play
    }

    void aClosedBoardWindowIsDrawnAgainFromTheGame() {
        Program program;
        program.NewGame("YRY/YYY");
        program.Click(Square(0, 0));
        program.CloseByTitleBar("Board");
        QVERIFY(!program.tk.Exists("Board"));
        program.Menu("R_Board");
        QVERIFY(program.Shown("Board"));
        QCOMPARE(program.Back(0, 0), ScreenYellow);
        QCOMPARE(program.Caption(0, 0), std::string("0"));
        QCOMPARE(program.Back(1, 0), ScreenButtonFace);
        QCOMPARE(ClientWidget(program["Board"])->size(), QSize(49, 33));
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::BoardTests)
#include "board_tests.moc"
