// The board's 900 squares, painted by one widget, as assistive technology
// finds them: one cell each, named, placed, hit-tested and pressed.

#include "accessible_tree.h"
#include "program.h"

#include <QAccessible>
#include <QTest>

#include <utility>
#include <vector>

namespace tessaline::ui::test {

namespace {

// Events sent to assistive technology while a test listens, and the name of
// the object each is about.
std::vector<std::pair<QAccessible::Event, int>> heard;
QStringList heardNames;

void Listen(QAccessibleEvent* event) {
    heard.emplace_back(event->type(), event->child());
    QAccessibleInterface* about = event->accessibleInterface();
    heardNames << (about != nullptr ? about->text(QAccessible::Name) : QStringLiteral("(none)"));
}

} // namespace

class AccessibleBoardTests : public QObject {
    Q_OBJECT

  private:
    // The board window shown with `columns` by `rows` squares in view.
    static Form& ShowBoard(Program& program, int columns, int rows) {
        Form& board = program["Board"];
        board.SetClientSize(240 * (columns - 1) + 255, 240 * (rows - 1) + 255);
        board.Show();
        [&] { QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(board))); }();
        return board;
    }

    static QAccessibleInterface* Grid(Form& board) {
        return Accessible(ControlWidget(board("Square", 0)));
    }

    // A square's centre on the screen, worked out from its widget.
    static QPoint CentreOnScreen(Form& board, int index) {
        Control& square = board("Square", index);
        return ControlWidget(square)->mapToGlobal(ControlRect(square).center());
    }

  private slots:
    void init() {
        FailOnUnexpectedWarnings();
        heard.clear();
        heardNames.clear();
    }

    void everySquareIsACellOfTheBoard() {
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        QAccessibleInterface* grid = Grid(board);
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->childCount(), 900);
        for (int index = 0; index < 900; ++index) {
            QAccessibleInterface* cell = grid->child(index);
            QVERIFY(cell != nullptr);
            QCOMPARE(cell->role(), QAccessible::Cell);
            QCOMPARE(grid->indexOfChild(cell), index);
            QCOMPARE(cell->parent(), grid);
            QVERIFY(!cell->state().invisible);
        }
        // Asked twice, a cell is the same object.
        QCOMPARE(grid->child(42), grid->child(42));
        QCOMPARE(grid->child(900), nullptr);
        QCOMPARE(grid->child(-1), nullptr);
        // The board window holds the grid.
        QCOMPARE(FindAll(Accessible(WindowWidget(board)), QAccessible::Cell, QString()).size(),
                 std::size_t{900});
    }

    void aCellIsNamedAsTheProgramNamesItsSquare() {
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        QAccessibleInterface* grid = Grid(board);
        board("Square", 42).SetAccessibleName("Row 2, column 13: hidden");
        board("Square", 43).SetCaption("3");
        QCOMPARE(grid->child(42)->text(QAccessible::Name),
                 QStringLiteral("Row 2, column 13: hidden"));
        // Without a name of its own, a square is read by its caption.
        QCOMPARE(grid->child(43)->text(QAccessible::Name), QStringLiteral("3"));
        QCOMPARE(grid->child(44)->text(QAccessible::Name), QString());
        board("Square", 42).SetCaption("?");
        QCOMPARE(grid->child(42)->text(QAccessible::Name),
                 QStringLiteral("Row 2, column 13: hidden"));
        board("Square", 42).SetAccessibleName("");
        QCOMPARE(grid->child(42)->text(QAccessible::Name), QStringLiteral("?"));
        QCOMPARE(AccessibleText(board("Square", 42)), QStringLiteral("?"));
    }

    void hiddenSquaresAreInvisible() {
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        QAccessibleInterface* grid = Grid(board);
        board("Square", 5).SetVisible(false);
        QVERIFY(grid->child(5)->state().invisible);
        QVERIFY(!grid->child(6)->state().invisible);
        QCOMPARE(grid->childAt(CentreOnScreen(board, 5).x(), CentreOnScreen(board, 5).y()),
                 nullptr);
        board("Square", 5).SetVisible(true);
        QVERIFY(!grid->child(5)->state().invisible);
        // A hidden window hides every square.
        board.Hide();
        QVERIFY(grid->child(6)->state().invisible);
    }

    void squaresBeyondTheWindowAreOffscreen() {
        Program program;
        Form& board = ShowBoard(program, 15, 15);
        QAccessibleInterface* grid = Grid(board);
        QVERIFY(!grid->child(14)->state().offscreen);
        QVERIFY(grid->child(15)->state().offscreen);
        QVERIFY(!grid->child(14 * 30 + 14)->state().offscreen);
        QVERIFY(grid->child(15 * 30)->state().offscreen);
        const QPoint beyond = CentreOnScreen(board, 899);
        QCOMPARE(grid->childAt(beyond.x(), beyond.y()), nullptr);
    }

    void cellsLieWhereTheSquaresAreShown() {
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        QAccessibleInterface* grid = Grid(board);
        const QRect first = grid->child(0)->rect();
        QCOMPARE(first.size(), QSize(17, 17)); // 255 twips
        QVERIFY(first.contains(CentreOnScreen(board, 0)));
        // 240 twips apart, across and down.
        QCOMPARE(grid->child(31)->rect().topLeft() - first.topLeft(), QPoint(16, 16));
        QCOMPARE(grid->child(899)->rect().topLeft() - first.topLeft(), QPoint(464, 464));
        // On the screen, not in the window: moving the window moves the cells.
        QWidget* window = WindowWidget(board);
        window->move(window->pos() + QPoint(40, 30));
        QCOMPARE(grid->child(0)->rect().topLeft(), first.topLeft() + QPoint(40, 30));
    }

    void childAtFindsTheSquareUnderAPoint_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("offset"); // from the square's centre
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << 0 << QPoint() << 0;
        QTest::newRow("end of the first row") << 29 << QPoint() << 29;
        QTest::newRow("start of the second row") << 30 << QPoint() << 30;
        QTest::newRow("last") << 899 << QPoint() << 899;
        // Neighbours share their border line; the later square lies on top.
        QTest::newRow("border shared across") << 0 << QPoint(8, 0) << 1;
        QTest::newRow("border shared down") << 0 << QPoint(0, 8) << 30;
        QTest::newRow("just inside the first") << 0 << QPoint(7, 7) << 0;
        QTest::newRow("beyond the last") << 899 << QPoint(9, 0) << -1;
        QTest::newRow("above the first") << 0 << QPoint(0, -9) << -1;
    }
    void childAtFindsTheSquareUnderAPoint() {
        QFETCH(int, index);
        QFETCH(QPoint, offset);
        QFETCH(int, expected);
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        QAccessibleInterface* grid = Grid(board);
        const QPoint at = CentreOnScreen(board, index) + offset;
        QAccessibleInterface* found = grid->childAt(at.x(), at.y());
        QCOMPARE(found == nullptr ? -1 : grid->indexOfChild(found), expected);
    }

    // A press is the player's left click and the menu action his right click,
    // so that the game can be played without a pointer.
    void pressingACellGuessesAndTheMenuActionMarks() {
        Program program;
        Form& board = ShowBoard(program, 15, 15);
        Game& game = program.game();
        game.At(2, 1) = Cell{CodeYellow, StateHidden};
        game.At(3, 1) = Cell{CodeRed, StateHidden};
        game.At(9, 9) = Cell{CodeYellow, StateHidden};
        game.Remaining[CodeYellow] = 2;
        game.Remaining[CodeRed] = 1;
        game.GuessColour = CodeYellow;
        game.GameOver = false;
        QAccessibleInterface* grid = Grid(board);

        QAccessibleActionInterface* guess = grid->child(Square(2, 1))->actionInterface();
        QVERIFY(guess != nullptr);
        QCOMPARE(guess->actionNames(), QStringList({QAccessibleActionInterface::pressAction(),
                                                    QAccessibleActionInterface::showMenuAction()}));
        guess->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.At(2, 1).State, StateVisible);
        QCOMPARE(game.Remaining[CodeYellow], 1);
        QVERIFY(!game.GameOver);
        QCOMPARE(board("Square", Square(2, 1)).BackColour(), Colour{0x00FFFF});

        grid->child(Square(3, 1))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(game.At(3, 1).State, CodeYellow); // marked with the guess, at no risk
        QCOMPARE(grid->child(Square(3, 1))->text(QAccessible::Name),
                 QStringLiteral("Row 2, column 4: marked Yellow"));
        QCOMPARE(program.tk.BeepCount(), 0);
    }

    void aHiddenOrDisabledCellIgnoresPresses() {
        Program program;
        Form& board = ShowBoard(program, 15, 15);
        Game& game = program.game();
        game.At(2, 1) = Cell{CodeRed, StateHidden};
        game.GameOver = false;
        QAccessibleInterface* grid = Grid(board);
        board("Square", Square(2, 1)).SetVisible(false);
        grid->child(Square(2, 1))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::showMenuAction());
        board("Square", Square(2, 1)).SetVisible(true);
        board("Square", Square(2, 1)).SetEnabled(false);
        QVERIFY(grid->child(Square(2, 1))->state().disabled);
        grid->child(Square(2, 1))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::showMenuAction());
        QCOMPARE(game.At(2, 1).State, StateHidden);
    }

    // While assistive technology listens it hears of each square whose name
    // changes, and of nothing else.
    void listenersHearOfChangedNamesOnly() {
        Program program;
        Form& board = ShowBoard(program, 30, 30);
        const AccessibilityListener before = SetAccessibilityListener(Listen);
        board("Square", 7).SetAccessibleName("Row 1, column 8: hidden");
        board("Square", 7).SetAccessibleName("Row 1, column 8: hidden");
        board("Square", 7).SetCaption("?"); // named: the caption is not what is heard
        board("Square", 8).SetCaption("2"); // unnamed: read by its caption
        board("Square", 8).SetCaption("2");
        board("Square", 9).SetAccessibleName(""); // was and stays empty
        board("Square", 10).SetVisible(false);
        board("Square", 10).SetVisible(false);
        board("Square", 12).SetCaption("5");
        board("Square", 12).SetAccessibleName("5"); // named as it was read
        const auto events = heard;
        const QStringList names = heardNames;
        SetAccessibilityListener(before);
        heard.clear();
        board("Square", 11).SetAccessibleName("Row 1, column 12: hidden");

        const std::vector<std::pair<QAccessible::Event, int>> expected{
            {QAccessible::NameChanged, 7},
            {QAccessible::NameChanged, 8},
            {QAccessible::StateChanged, 10},
            {QAccessible::NameChanged, 12},
        };
        QCOMPARE(events, expected);
        QCOMPARE(names, QStringList({"Row 1, column 8: hidden", "2", "", "5"}));
        QVERIFY(heard.empty());
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::AccessibleBoardTests)
#include "accessible_board_tests.moc"
