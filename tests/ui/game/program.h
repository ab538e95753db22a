#pragma once
// A whole program per test case: its own toolkit, windows and values, and a
// deterministic source of chance. Everything is driven through real windows.

#include "model/random.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QAction>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>

namespace tessaline::ui::test {

// Any Qt warning fails the test, except the offscreen platform's notices that
// it cannot pass on size hints, raise a window or grab the keyboard.
inline void FailOnUnexpectedWarnings() {
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support "
                       "(propagateSizeHints\\(\\)|raise\\(\\)|grabbing the keyboard)$).*")));
}

class Program {
  public:
    explicit Program(std::unique_ptr<RandomSource> source = std::make_unique<SeededRandom>(1))
        : random(std::move(source)), app(tk, *random) {
        InstallPictures(tk);
        app.Start();
    }

    Form& operator[](std::string_view window) { return tk[window]; }
    Game& game() { return app.game; }

    // A menu command as the player chooses it.
    void Menu(std::string_view item) {
        QWidget* window = WindowWidget(tk.Touch("Color"));
        auto* action = window->findChild<QAction*>(QString::fromUtf8(item.data(), item.size()));
        QVERIFY2(action != nullptr, item.data());
        action->trigger();
    }

    // A press or release on a square through the window system; `at` is in
    // pixels from the square's top-left corner.
    void Press(int index, Qt::MouseButton button = Qt::LeftButton, QPoint at = {8, 8}) {
        Mouse(index, button, at, true);
    }
    void Release(int index, Qt::MouseButton button = Qt::LeftButton, QPoint at = {8, 8}) {
        Mouse(index, button, at, false);
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
        const QPoint at = rect.isEmpty() ? QPoint(6, widget->height() / 2)
                                         : QPoint(rect.left() + 6, rect.center().y());
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
    void Mouse(int index, Qt::MouseButton button, QPoint at, bool press) {
        Control& square = tk.Touch("Board")("Square", index);
        QWidget* widget = ControlWidget(square);
        const QPoint where = ControlRect(square).topLeft() + at;
        QWidget* top = widget->window();
        const QPoint inTop = widget->mapTo(top, where);
        if (press) {
            QTest::mousePress(top->windowHandle(), button, {}, inTop);
        } else {
            QTest::mouseRelease(top->windowHandle(), button, {}, inTop);
        }
    }
};

} // namespace tessaline::ui::test
