#pragma once
// What every window test needs whatever it drives, a toolkit of its own or a
// whole program: strict warnings, the player's mouse and plain conversions.

#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QRegularExpression>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <string_view>

namespace tessaline::ui::test {

// Any Qt warning fails the test, except the offscreen platform's notices that
// it cannot pass on size hints, raise a window or grab the keyboard.
inline void FailOnUnexpectedWarnings() {
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support "
                       "(propagateSizeHints\\(\\)|raise\\(\\)|grabbing the keyboard)$).*")));
}

// Where the player clicks a check box or radio button: on its indicator, which
// short captions leave well left of the widget's centre.
inline QPoint OnIndicator(const QWidget* widget) {
    return QPoint(6, widget->height() / 2);
}

// A mouse action of the player: through the window system, so that the window
// finds the widget under the pointer and keeps the mouse for the widget that
// took the press. `at` is in `widget`'s coordinates.
enum class Mouse { Press, Release, Click };
inline void PlayerMouse(Mouse action, QWidget* widget, QPoint at,
                        Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = {}) {
    QWidget* top = widget->window();
    const QPoint where = widget->mapTo(top, at);
    switch (action) {
    case Mouse::Press:
        QTest::mousePress(top->windowHandle(), button, modifiers, where);
        break;
    case Mouse::Release:
        QTest::mouseRelease(top->windowHandle(), button, modifiers, where);
        break;
    case Mouse::Click:
        QTest::mouseClick(top->windowHandle(), button, modifiers, where);
        break;
    }
}

// The top-level widgets called `name`, shown or not.
inline int CountTopLevels(const QString& name) {
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->objectName() == name ? 1 : 0;
    }
    return count;
}

} // namespace tessaline::ui::test
