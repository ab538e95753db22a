// The board's 900 squares: where they lie, which square the mouse is on, what
// the handlers receive, the colours they show and how a redraw is painted.

#include "fixtures.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QPalette>

#include <stdexcept>

namespace tessaline::ui::test {
namespace {

// The board with all 30 by 30 squares in view, shown and exposed.
Form& ShowFullBoard(Toolkit& toolkit, Recorder* events = nullptr) {
    toolkit.Define(BoardLayout());
    if (events != nullptr) {
        events->Bind(toolkit, BoardLayout());
    }
    Form& board = toolkit.Touch("Board");
    board.SetClientSize(7215, 7215);
    board.Show();
    if (!QTest::qWaitForWindowExposed(WindowWidget(board))) {
        qFatal("the board window was never exposed");
    }
    return board;
}

// Where a square lies in its window's client area, in pixels.
QRect SquareRect(Form& board, int index) {
    Control& square = board("Square", index);
    const QRect inWidget = ControlRect(square);
    return inWidget.translated(ControlWidget(square)->mapTo(ClientWidget(board), QPoint(0, 0)));
}

QColor ShownAt(Form& board, QPoint at) {
    return ClientWidget(board)->grab().toImage().pixelColor(at);
}

} // namespace

class BoardTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void squares_lie_where_the_layout_puts_them_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("first") << 0 << QRect(0, 0, 17, 17);
        QTest::newRow("end of the first row") << 29 << QRect(464, 0, 17, 17);
        QTest::newRow("start of the second row") << 30 << QRect(0, 16, 17, 17);
        QTest::newRow("middle") << 465 << QRect(240, 240, 17, 17);
        QTest::newRow("last, lower right corner at 7215") << 899 << QRect(464, 464, 17, 17);
    }
    void squares_lie_where_the_layout_puts_them() {
        QFETCH(int, index);
        QFETCH(QRect, pixels);
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        QCOMPARE(SquareRect(board, index), pixels);
    }

    void a_15_by_15_board_fills_the_first_client_area() {
        Toolkit toolkit;
        toolkit.Define(BoardLayout());
        Form& board = toolkit.Touch("Board");
        QCOMPARE(ClientWidget(board)->size(), QSize(241, 241));
        QCOMPARE(SquareRect(board, 14 + 14 * 30).bottomRight(), QPoint(240, 240));
    }

    void only_the_grid_s_squares_exist() {
        Toolkit toolkit;
        toolkit.Define(BoardLayout());
        Form& board = toolkit["Board"];
        QCOMPARE(board("Square", 899).Index(), 899);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, board("Square", 900));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, board("Square", -1));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, board("square", 0));
    }

    void mouse_reaches_the_square_under_it_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("offset"); // from the square's corner, in pixels
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("down");
        QTest::newRow("first square, left") << 0 << QPoint(8, 8) << int(Qt::LeftButton) << 0
                                            << "Board down Square(0) button 1 shift 0 at 120,120";
        QTest::newRow("end of the first row, right")
            << 29 << QPoint(3, 12) << int(Qt::RightButton) << 0
            << "Board down Square(29) button 2 shift 0 at 45,180";
        QTest::newRow("second row, shift")
            << 30 << QPoint(15, 1) << int(Qt::LeftButton) << int(Qt::ShiftModifier)
            << "Board down Square(30) button 1 shift 1 at 225,15";
        QTest::newRow("last square, middle button with ctrl")
            << 899 << QPoint(16, 16) << int(Qt::MiddleButton) << int(Qt::ControlModifier)
            << "Board down Square(899) button 4 shift 2 at 240,240";
    }
    void mouse_reaches_the_square_under_it() {
        QFETCH(int, index);
        QFETCH(QPoint, offset);
        QFETCH(int, button);
        QFETCH(int, modifiers);
        QFETCH(QString, down);
        Recorder events;
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit, &events);
        events.Clear();
        const QPoint at = SquareRect(board, index).topLeft() + offset;
        const auto mouseButton = static_cast<Qt::MouseButton>(button);
        const auto keys = static_cast<Qt::KeyboardModifiers>(modifiers);
        PlayerMouse(Mouse::Press, ClientWidget(board), at, mouseButton, keys);
        PlayerMouse(Mouse::Release, ClientWidget(board), at, mouseButton, keys);
        QString up = down;
        up.replace(QStringLiteral(" down "), QStringLiteral(" up "));
        QCOMPARE(events.Events(), (std::vector<std::string>{down.toStdString(), up.toStdString()}));
    }

    void overlap_belongs_to_the_higher_square_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("index");
        QTest::newRow("border between 0 and 1") << QPoint(16, 5) << 1;
        QTest::newRow("border between 0 and 30") << QPoint(5, 16) << 30;
        QTest::newRow("corner of 0, 1, 30 and 31") << QPoint(16, 16) << 31;
        QTest::newRow("just inside 0") << QPoint(15, 15) << 0;
    }
    void overlap_belongs_to_the_higher_square() {
        QFETCH(QPoint, at);
        QFETCH(int, index);
        Recorder events;
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit, &events);
        events.Clear();
        PlayerMouse(Mouse::Click, ClientWidget(board), at);
        QCOMPARE(events.Size(), 2);
        const std::string expected = "Board up Square(" + std::to_string(index) + ")";
        QCOMPARE(events.Last().substr(0, expected.size()), expected);
    }

    void release_goes_to_the_square_that_took_the_press() {
        Recorder events;
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit, &events);
        events.Clear();
        QWidget* client = ClientWidget(board);
        PlayerMouse(Mouse::Press, client, QPoint(40, 40));   // square 62 at 32,32
        PlayerMouse(Mouse::Release, client, QPoint(90, 20)); // over square 35
        QCOMPARE(events.Events(),
                 (std::vector<std::string>{"Board down Square(62) button 1 shift 0 at 120,120",
                                           "Board up Square(62) button 1 shift 0 at 870,-180"}));
    }

    void a_double_click_is_two_clicks() {
        Recorder events;
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit, &events);
        events.Clear();
        QTest::mouseDClick(WindowWidget(board)->windowHandle(), Qt::LeftButton, {},
                           ClientWidget(board)->mapTo(WindowWidget(board), QPoint(40, 40)));
        const std::string down = "Board down Square(62) button 1 shift 0 at 120,120";
        const std::string up = "Board up Square(62) button 1 shift 0 at 120,120";
        QCOMPARE(events.Events(), (std::vector<std::string>{down, up, down, up}));
    }

    void hidden_squares_take_no_clicks() {
        Recorder events;
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit, &events);
        board("Square", 1).SetVisible(false);
        board("Square", 2).SetVisible(false);
        QVERIFY(!board("Square", 1).IsVisible());
        events.Clear();
        QWidget* client = ClientWidget(board);
        PlayerMouse(Mouse::Click, client, QPoint(16, 5)); // shared border: 0 beneath the hidden 1
        PlayerMouse(Mouse::Click, client, QPoint(40, 5)); // inside 2 only
        QCOMPARE(events.Events(),
                 (std::vector<std::string>{"Board down Square(0) button 1 shift 0 at 240,75",
                                           "Board up Square(0) button 1 shift 0 at 240,75"}));
    }

    void back_colours_paint_the_square_data() {
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("red") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("yellow") << 0x00FFFFu << QColor(255, 255, 0);
        QTest::newRow("purple") << 0xC000C0u << QColor(192, 0, 192);
        QTest::newRow("black") << 0x000000u << QColor(0, 0, 0);
        QTest::newRow("white") << 0xFFFFFFu << QColor(255, 255, 255);
        QTest::newRow("button face")
            << 0x8000000Fu << QApplication::palette().color(QPalette::Button);
    }
    void back_colours_paint_the_square() {
        QFETCH(uint, colour);
        QFETCH(QColor, shown);
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        Control& square = board("Square", 465);
        square.SetBackColour(colour);
        QCOMPARE(square.BackColour(), colour);
        QCOMPARE(ShownAt(board, SquareRect(board, 465).center()), shown);
        // The neighbours keep the layout's window background.
        QCOMPARE(ShownAt(board, SquareRect(board, 466).center()),
                 QApplication::palette().color(QPalette::Base));
    }

    void button_face_follows_the_palette() {
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        board("Square", 0).SetBackColour(SystemButtonFace);
        const QPalette before = QApplication::palette();
        QPalette changed = before;
        changed.setColor(QPalette::Button, QColor(12, 34, 56));
        const QPoint centre = SquareRect(board, 0).center();
        QApplication::setPalette(changed); // reaches the widgets through posted events
        QTRY_COMPARE(ShownAt(board, centre), QColor(12, 34, 56));
        QApplication::setPalette(before);
        QTRY_COMPARE(ShownAt(board, centre), before.color(QPalette::Button));
    }

    void captions_show_on_the_squares() {
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        Control& square = board("Square", 31);
        square.SetBackColour(0xFFFFFF);
        const QRect inside = SquareRect(board, 31).adjusted(1, 1, -1, -1);
        const auto darkPixels = [&] {
            const QImage image = ClientWidget(board)->grab().toImage();
            int count = 0;
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    count += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
                }
            }
            return count;
        };
        QCOMPARE(darkPixels(), 0);
        square.SetCaption("8");
        QCOMPARE(square.Caption(), std::string("8"));
        QVERIFY(darkPixels() > 5);
        square.SetCaption("");
        QCOMPARE(darkPixels(), 0);
    }

    void borders_share_one_line() {
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        for (int i : {0, 1}) {
            board("Square", i).SetBackColour(0xFFFFFF);
        }
        const QImage image = ClientWidget(board)->grab().toImage();
        const QColor line = QApplication::palette().color(QPalette::Text);
        QCOMPARE(image.pixelColor(0, 8), line);  // left edge of 0
        QCOMPARE(image.pixelColor(16, 8), line); // right of 0 is left of 1
        QCOMPARE(image.pixelColor(15, 8), QColor(Qt::white));
        QCOMPARE(image.pixelColor(17, 8), QColor(Qt::white));
    }

    void a_whole_board_redraw_is_one_paint() {
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        Control& first = board("Square", 0);
        QTRY_VERIFY(PaintCount(first) >= 1);
        QTest::qWait(50);
        const int before = PaintCount(first);
        const Colour colours[] = {0x00FFFF, 0x0080FF, 0x0000FF, 0x00FF00, 0xFF0000, 0xC000C0};
        for (int i = 0; i < 900; ++i) {
            board("Square", i).SetBackColour(colours[i % 6]);
            board("Square", i).SetCaption(std::to_string(i % 9));
        }
        QCOMPARE(PaintCount(first), before); // nothing painted while the handler runs
        QTRY_VERIFY(PaintCount(first) > before);
        QTest::qWait(50);
        QCOMPARE(PaintCount(first), before + 1);
        // Beside the caption, inside the border.
        QCOMPARE(ShownAt(board, SquareRect(board, 899).topLeft() + QPoint(2, 2)),
                 QColor(192, 0, 192));
    }

    void squares_carry_accessible_text() {
        Toolkit toolkit;
        Form& board = ShowFullBoard(toolkit);
        board("Square", 42).SetAccessibleName("Column 13, row 2: hidden");
        QCOMPARE(AccessibleText(board("Square", 42)), QStringLiteral("Column 13, row 2: hidden"));
        QCOMPARE(AccessibleText(board("Square", 43)), QString());
    }
};

int RunBoardTests(int argc, char** argv) {
    BoardTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace tessaline::ui::test

#include "board_tests.moc"
