#pragma once
// A whole program per test case: its own toolkit, windows and values, and a
// deterministic source of chance. Everything is driven through real windows.

#include "board_text.h"
#include "model/random.h"
#include "play/clicks.h"
#include "qt_test_support.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QAction>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::ui::test {

// The draw that deals colour `code` with the shares in force: the middle of its
// band. Purple takes what the first five leave.
inline float DrawFor(const Game& game, Int16 code) {
    double below = 0;
    for (Int16 c = CodeYellow; c < code; ++c) {
        below += game.Percent[c];
    }
    const double above = code == CodePurple ? 100.0 : below + game.Percent[code];
    if (above <= below) {
        throw std::invalid_argument("no share to deal colour " + std::to_string(code));
    }
    return static_cast<float>((below + above) / 2 / 100);
}

// Counts the times a window appears on screen.
class ShowCounter final : public QObject {
  public:
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            ++count;
        }
        return false;
    }
};

// A board of one letter, `width` by `height`, written as Program::NewGame reads it.
inline std::string Filled(char letter, int width, int height) {
    std::string rows;
    for (int row = 0; row < height; ++row) {
        rows += (row == 0 ? "" : "/") + std::string(static_cast<std::size_t>(width), letter);
    }
    return rows;
}

class Program {
  public:
    explicit Program(std::unique_ptr<RandomSource> source = std::make_unique<ScriptedRandom>())
        : random(std::move(source)), app(tk, *random) {
        InstallPictures(tk);
        app.Start();
    }

    Form& operator[](std::string_view window) { return tk[window]; }
    Game& game() { return app.game; }

    // New Game from the menu, dealing the board written as rows separated by
    // '/', one letter a square: Y O R G B P a colour, # a block. The board in
    // play takes the size of the rows, as if the Options dialog had set it,
    // and blocks are set or cleared as a right click in the Customize Board
    // dialog does it.
    void NewGame(std::string_view rows) {
        auto* scripted = dynamic_cast<ScriptedRandom*>(random.get());
        QVERIFY2(scripted != nullptr, "a board written out needs scripted draws");
        std::vector<std::string_view> lines;
        for (std::size_t start = 0;;) {
            const std::size_t end = rows.find('/', start);
            lines.push_back(rows.substr(start, end - start));
            if (end == std::string_view::npos) {
                break;
            }
            start = end + 1;
        }
        Game& g = game();
        g.BoardHeight = static_cast<Int16>(lines.size());
        g.BoardWidth = static_cast<Int16>(lines.front().size());
        std::vector<float> draws;
        // Dealing goes down each column in turn and draws nothing for a block.
        for (int column = 0; column < g.BoardWidth; ++column) {
            for (int row = 0; row < g.BoardHeight; ++row) {
                QCOMPARE(lines[static_cast<std::size_t>(row)].size(), lines.front().size());
                const char letter = lines[static_cast<std::size_t>(row)][column];
                const Int16 code = tessaline::test::CodeOfLetter(letter);
                if (code < 0) {
                    throw std::invalid_argument(std::string("no colour is written ") + letter);
                }
                if ((code == CodeBlock) != (g.At(column, row).Colour == CodeBlock)) {
                    ToggleBlock(g, app.frontend, column, row);
                }
                if (code != CodeBlock) {
                    draws.push_back(DrawFor(g, code));
                }
            }
        }
        scripted->Script(std::move(draws));
        Menu("G_NewGame");
    }

    // What the player reads and sees on a square.
    std::string Caption(int column, int row) {
        return tk.Touch("Board")("Square", Square(column, row)).Caption();
    }
    Colour Back(int column, int row) {
        return tk.Touch("Board")("Square", Square(column, row)).BackColour();
    }
    bool Shown(std::string_view window) { return tk.Exists(window) && tk[window].IsShown(); }
    std::string Text(std::string_view window, std::string_view control, int index = -1) {
        return tk.Touch(window)(control, index).Caption();
    }

    // The clock's timer as Qt runs it; nullptr while the clock window does not exist.
    QTimer* ClockTimer() {
        QWidget* window = WindowWidget(tk["Time"]);
        return window == nullptr ? nullptr : window->findChild<QTimer*>();
    }
    // Whether the clock counts: its timer enabled for the program and running in Qt.
    bool ClockRuns() {
        QTimer* timer = ClockTimer();
        return timer != nullptr && timer->isActive() && tk["Time"]("tmrSecond").IsEnabled();
    }
    // The six remaining counts as the main window shows them, added up.
    int RemainingShown() {
        int sum = 0;
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            sum += std::stoi(Text("Color", "lblNumRemaining", code));
        }
        return sum;
    }
    // One tick of the clock, as its timer gives it.
    void Tick() {
        QTimer* timer = ClockTimer();
        QVERIFY(timer != nullptr);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    }

    // A menu command as the player chooses it.
    void Menu(std::string_view item) {
        QWidget* window = WindowWidget(tk.Touch("Color"));
        auto* action = window->findChild<QAction*>(ToQString(item));
        QVERIFY2(action != nullptr, item.data());
        action->trigger();
    }

    // A press or release on a square through the window system; `at` is in
    // pixels from the square's top-left corner.
    void Press(int index, Qt::MouseButton button = Qt::LeftButton, QPoint at = {8, 8}) {
        OnSquare(Mouse::Press, index, button, at);
    }
    void Release(int index, Qt::MouseButton button = Qt::LeftButton, QPoint at = {8, 8}) {
        OnSquare(Mouse::Release, index, button, at);
    }
    void Click(int index, Qt::MouseButton button = Qt::LeftButton, QPoint at = {8, 8}) {
        Press(index, button, at);
        Release(index, button, at);
    }

    // A click of the player on a control's widget (buttons, boxes, pictures).
    void ClickControl(std::string_view window, std::string_view name, int index = -1) {
        Control& control = tk.Touch(window)(name, index);
        QWidget* widget = ControlWidget(control);
        QVERIFY(widget != nullptr);
        const QRect rect = ControlRect(control);
        const QPoint at =
            rect.isEmpty() ? OnIndicator(widget) : QPoint(rect.left() + 6, rect.center().y());
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }

    // Text typed into a text box by the player, replacing what it held.
    void Type(std::string_view window, std::string_view name, const QString& text, int index = -1) {
        auto* box = qobject_cast<QLineEdit*>(ControlWidget(tk.Touch(window)(name, index)));
        QVERIFY(box != nullptr);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }

    // A key pressed in a window, to whatever has the focus there.
    void Key(std::string_view window, Qt::Key key) {
        QWidget* top = WindowWidget(tk.Touch(window));
        QWidget* target = top->focusWidget() ? top->focusWidget() : top;
        QTest::keyClick(target, key);
    }

    // The player closing a window through its title bar.
    void CloseByTitleBar(std::string_view window) {
        QWidget* top = WindowWidget(tk[window]);
        QVERIFY(top != nullptr);
        top->close();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<RandomSource> random;
    Toolkit tk;
    App app;

  private:
    void OnSquare(test::Mouse action, int index, Qt::MouseButton button, QPoint at) {
        Control& square = tk.Touch("Board")("Square", index);
        PlayerMouse(action, ControlWidget(square), ControlRect(square).topLeft() + at, button);
    }
};

} // namespace tessaline::ui::test
