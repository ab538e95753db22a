// Whole games played with the mouse on the board window: guesses, marks, the
// spread of uncovering, a win and a loss, read back from what the player sees.

#include "program.h"

#include <QTest>

namespace tessaline::ui::test {

class PlayTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void oneRightGuessOnASingleColourBoardWins() {
        Program program;
        // One block in a corner: a dealt block is the only square a left
        // click could still change once everything else is uncovered.
        std::string rows = Filled('Y', 15, 15);
        rows[14] = '#';
        program.NewGame(rows);
        ShowCounter wins(WindowWidget(program["PlayerWin"]));
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeYellow), std::string("224"));
        QVERIFY(program.ClockRuns());

        program.Click(Square(7, 7));

        for (int row = 0; row < 15; ++row) {
            for (int column = 0; column < 15; ++column) {
                if (column == 14 && row == 0) {
                    continue;
                }
                QCOMPARE(program.Back(column, row), ScreenYellow);
                QCOMPARE(program.Caption(column, row), std::string("0"));
            }
        }
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeYellow), std::string("0"));
        QVERIFY(program.Shown("PlayerWin"));
        QCOMPARE(wins.count, 1);
        QVERIFY(!program.ClockRuns());
        QCOMPARE(program.tk.BeepCount(), 0);

        // The player dismisses the win window; further left clicks change nothing.
        program.ClickControl("PlayerWin", "btnOK");
        QVERIFY(!program.Shown("PlayerWin"));
        program.Click(Square(14, 0));
        program.Click(Square(3, 3));
        QCOMPARE(program.game().At(14, 0).State, StateDealtBlock);
        QCOMPARE(program.Caption(14, 0), std::string("?"));
        QVERIFY(!program.Shown("PlayerWin"));
        QCOMPARE(wins.count, 1);
    }

    void aWrongGuessBeepsOnceAndRevealsTheWholeGrid() {
        Program program;
        program.NewGame("YRYYB/Y#YYY/YYYBY");
        // A Yellow square marked Yellow, a Yellow square marked Blue.
        program.Click(Square(3, 0), Qt::RightButton);
        program.ClickControl("Color", "rbtGuess", CodeBlue);
        program.Click(Square(0, 2), Qt::RightButton);
        program.ClickControl("Color", "rbtGuess", CodeYellow);
        // A right guess beside Red: uncovered with its count, and no spread.
        program.Click(Square(0, 0));
        QCOMPARE(program.Caption(0, 0), std::string("0"));
        QCOMPARE(program.Back(0, 1), ScreenButtonFace);
        QCOMPARE(program.tk.BeepCount(), 0);

        program.Click(Square(1, 0)); // Red

        QCOMPARE(program.tk.BeepCount(), 1);
        QVERIFY(!program.ClockRuns());
        QVERIFY(program.game().GameOver);
        Form& board = program["Board"];
        for (int index = 0; index < SquareCount; ++index) {
            const int column = ColumnOf(index);
            const int row = RowOf(index);
            QCOMPARE(program.game().At(column, row).State, StateVisible);
            QVERIFY(board("Square", index).IsVisible());
            if (column >= 5 || row >= 3) {
                // Beyond the board in play: never dealt, so no colour at all.
                QCOMPARE(program.Back(column, row), ScreenWhite);
                QCOMPARE(program.Caption(column, row), std::string());
            }
        }
        const struct {
            int column, row;
            Colour back;
            const char* caption;
        } expected[] = {
            {0, 0, ScreenYellow, "0"}, // uncovered before the loss keeps its number
            {1, 0, ScreenRed, ""},     // the losing square was hidden: no number
            {2, 0, ScreenYellow, ""},  {4, 0, ScreenBlue, ""},
            {1, 1, ScreenBlack, "?"},                             // the dealt block
            {3, 0, ScreenYellow, "?"}, {0, 2, ScreenYellow, "?"}, // marks show their true colour
            {3, 2, ScreenBlue, ""},    {4, 2, ScreenYellow, ""},
        };
        for (const auto& square : expected) {
            QCOMPARE(program.Back(square.column, square.row), square.back);
            QCOMPARE(program.Caption(square.column, square.row), std::string(square.caption));
        }
        // The counts are not touched by a loss.
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeYellow), std::string("10"));
        QVERIFY(!program.Shown("PlayerWin"));
    }

    void aLeftClickOnAVisibleSquareOpensNeighboursOfTheGuessedColour() {
        Program program;
        program.NewGame("YRRB");
        program.Click(Square(0, 0));
        QCOMPARE(program.Back(0, 0), ScreenYellow);
        QCOMPARE(program.Back(1, 0), ScreenButtonFace); // Red beside it: no spread

        // Guessing Red on the visible Yellow square uncovers the Reds, which
        // stop at the Blue.
        program.ClickControl("Color", "rbtGuess", CodeRed);
        program.Click(Square(0, 0));
        QCOMPARE(program.Back(1, 0), ScreenRed);
        QCOMPARE(program.Back(2, 0), ScreenRed);
        QCOMPARE(program.Back(3, 0), ScreenButtonFace);
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeRed), std::string("0"));
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeBlue), std::string("1"));

        // A visible square with a hidden neighbour of another colour opens nothing
        // and loses nothing.
        program.Click(Square(2, 0));
        QCOMPARE(program.Back(3, 0), ScreenButtonFace);
        QCOMPARE(program.tk.BeepCount(), 0);
        QVERIFY(!program.game().GameOver);
    }

    void aScreenReaderHearsWhatEachSquareShows() {
        Program program;
        program.NewGame("YR#/YYR");
        program.Click(Square(1, 0), Qt::RightButton); // a Red square marked Yellow
        program.Click(Square(0, 1));                  // uncovers the Yellow there
        const struct {
            int column, row;
            const char* spoken;
        } squares[] = {{0, 0, "Row 1, column 1: hidden"},
                       {1, 0, "Row 1, column 2: marked Yellow"},
                       {2, 0, "Row 1, column 3: block"},
                       {0, 1, "Row 2, column 1: Yellow, 0"}};
        for (const auto& square : squares) {
            Control& label = program["Board"]("Square", Square(square.column, square.row));
            QCOMPARE(AccessibleText(label), QString::fromUtf8(square.spoken));
        }
    }

    void pressAndReleaseAtDifferentPointsDoNothing_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QPoint>("release");
        QTest::newRow("left, moved right") << int(Qt::LeftButton) << QPoint(9, 8);
        QTest::newRow("left, moved down") << int(Qt::LeftButton) << QPoint(8, 9);
        QTest::newRow("right, moved right") << int(Qt::RightButton) << QPoint(9, 8);
        QTest::newRow("right, moved up") << int(Qt::RightButton) << QPoint(8, 7);
    }
    void pressAndReleaseAtDifferentPointsDoNothing() {
        QFETCH(int, button);
        QFETCH(QPoint, release);
        Program program;
        program.NewGame("YRY");
        // Red is a wrong guess, so a left click that counted would lose.
        for (int column : {0, 1}) {
            program.Press(column, Qt::MouseButton(button), {8, 8});
            program.Release(column, Qt::MouseButton(button), release);
        }
        for (int column : {0, 1}) {
            QCOMPARE(program.Back(column, 0), ScreenButtonFace);
            QCOMPARE(program.Caption(column, 0), std::string());
        }
        QCOMPARE(program.tk.BeepCount(), 0);
        QVERIFY(!program.game().GameOver);

        // The same press and release at one point is acted on.
        program.Click(0, Qt::MouseButton(button), {8, 8});
        QCOMPARE(program.Back(0, 0), ScreenYellow);
    }

    void aRightClickMarksWithoutChangingCounts() {
        Program program;
        program.NewGame("YRB/YYY");
        program.ClickControl("Color", "rbtGuess", CodeRed);
        program.Click(Square(0, 1), Qt::RightButton);
        QCOMPARE(program.Back(0, 1), ScreenRed);
        QCOMPARE(program.Caption(0, 1), std::string("?"));

        // A later mark in another colour replaces it.
        program.ClickControl("Color", "rbtGuess", CodeBlue);
        program.Click(Square(0, 1), Qt::RightButton);
        QCOMPARE(program.Back(0, 1), ScreenBlue);
        QCOMPARE(program.Caption(0, 1), std::string("?"));

        // A visible square is left alone.
        program.ClickControl("Color", "rbtGuess", CodeBlue);
        program.Click(Square(2, 0));
        program.ClickControl("Color", "rbtGuess", CodeRed);
        program.Click(Square(2, 0), Qt::RightButton);
        QCOMPARE(program.Back(2, 0), ScreenBlue);
        QCOMPARE(program.Caption(2, 0), std::string("0"));

        const char* counts[] = {"", "4", "0", "1", "0", "0", "0"};
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            QCOMPARE(program.Text("Color", "lblNumRemaining", code), std::string(counts[code]));
        }
        QCOMPARE(program.tk.BeepCount(), 0);
        QVERIFY(!program.game().GameOver);
    }

    void marksAreUncoveredByASpreadWhateverTheirColour() {
        Program program;
        program.NewGame(Filled('Y', 4, 4));
        program.ClickControl("Color", "rbtGuess", CodeRed);
        program.Click(Square(3, 3), Qt::RightButton);
        program.Click(Square(1, 2), Qt::RightButton);
        QCOMPARE(program.Back(3, 3), ScreenRed);
        program.ClickControl("Color", "rbtGuess", CodeYellow);

        program.Click(Square(0, 0));

        for (const auto& [column, row] : {std::pair{3, 3}, std::pair{1, 2}}) {
            QCOMPARE(program.Back(column, row), ScreenYellow);
            QCOMPARE(program.Caption(column, row), std::string("0"));
        }
        QVERIFY(program.Shown("PlayerWin"));
    }

    void theLongestSpreadUncoversAWholeThirtyByThirtyBoard() {
        Program program;
        program.NewGame(Filled('Y', 30, 30));
        // Scanning Yellow during the game: every number is its count of neighbours.
        program.ClickControl("Color", "cbxScan", CodeYellow);
        ShowCounter wins(WindowWidget(program["PlayerWin"]));

        program.Click(Square(0, 0));

        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < 30; ++column) {
                const int across = (column == 0 || column == 29) ? 2 : 3;
                const int down = (row == 0 || row == 29) ? 2 : 3;
                QCOMPARE(program.Back(column, row), ScreenYellow);
                QCOMPARE(program.Caption(column, row), std::to_string(across * down - 1));
            }
        }
        QCOMPARE(program.Text("Color", "lblNumRemaining", CodeYellow), std::string("0"));
        QCOMPARE(wins.count, 1);
        QVERIFY(!program.ClockRuns());
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::PlayTests)
#include "play_tests.moc"
