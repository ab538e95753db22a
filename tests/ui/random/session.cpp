#include "session.h"

#include "ui/app/pictures_glue.h"
#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <stdexcept>

namespace tessaline::ui::random {

namespace {

// Timestamps of the mouse events sent through the window system. Each click
// lies far from the one before, so that the window system makes no double
// click of two; WindowDoubleClick makes one on purpose. The count wraps round
// well inside a positive int, however long the run.
int NextTimestamp(unsigned step) {
    static unsigned now = 0;
    now = (now + step) & 0x3FFF'FFFFu;
    return static_cast<int>(now);
}

// A key press and its release, sent to a widget; a key nobody takes goes up to
// the window, as the window system would send it.
void SendKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

Session::Session(std::uint32_t seed) : random(seed), app(tk, random) {
    InstallPictures(tk);
    app.Start();
    FlushDeletes();
}

Session::~Session() {
    FlushDeletes();
}

bool Session::Shown(std::string_view window) {
    return tk.Exists(window) && tk[window].IsShown();
}

QWidget* Session::Window(std::string_view window) {
    return WindowWidget(tk[window]);
}

QTimer* Session::ClockTimer() {
    QWidget* window = Window("Time");
    return window == nullptr ? nullptr : window->findChild<QTimer*>();
}

void Session::Menu(std::string_view item) {
    QWidget* window = Window("Color");
    if (window == nullptr) {
        throw std::logic_error("no main window for the menu command " + std::string(item));
    }
    auto* action = window->findChild<QAction*>(ToQString(item));
    if (action == nullptr) {
        throw std::logic_error("the menu has no command " + std::string(item));
    }
    action->trigger();
}

Control& Session::SquareHandle(int index) {
    Control*& square = squares_.at(static_cast<std::size_t>(index));
    if (square == nullptr) {
        square = &tk["Board"]("Square", index);
    }
    return *square;
}

QRect Session::SquareRect(int index) {
    return ControlRect(SquareHandle(index));
}

QWidget* Session::SquaresWidget() {
    return ControlWidget(SquareHandle(0));
}

QRect Session::VisibleSquares() {
    QWidget* squares = SquaresWidget();
    QWidget* client = squares->parentWidget();
    return QRect(squares->mapFrom(client, QPoint(0, 0)), client->size()) & squares->rect();
}

void Session::WindowMouse(bool press, QPoint at, Qt::MouseButton button,
                          Qt::KeyboardModifiers modifiers) {
    QWidget* squares = SquaresWidget();
    QWidget* top = squares->window();
    QWindow* handle = top->windowHandle();
    if (handle == nullptr) {
        throw std::logic_error("the board window has no window on the screen");
    }
    static Qt::MouseButtons held;
    held.setFlag(button, press);
    const QPointF local = squares->mapTo(top, at);
    // Delivered at once, as the window system hands it to the application.
    qt_handleMouseEvent(handle, local, handle->mapToGlobal(local), held, button,
                        press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, modifiers,
                        NextTimestamp(press ? 1 : 10'000));
}

void Session::WindowDoubleClick(QPoint at, Qt::MouseButton button) {
    QWidget* squares = SquaresWidget();
    QWidget* top = squares->window();
    QWindow* handle = top->windowHandle();
    if (handle == nullptr) {
        throw std::logic_error("the board window has no window on the screen");
    }
    const QPointF local = squares->mapTo(top, at);
    const QPointF global = handle->mapToGlobal(local);
    // Two clicks a millisecond apart: the second press arrives as a double click.
    for (int click = 0; click < 2; ++click) {
        qt_handleMouseEvent(handle, local, global, button, button, QEvent::MouseButtonPress, {},
                            NextTimestamp(1));
        qt_handleMouseEvent(handle, local, global, {}, button, QEvent::MouseButtonRelease, {},
                            NextTimestamp(1));
    }
    NextTimestamp(10'000);
}

void Session::DirectMouse(bool press, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                          Qt::KeyboardModifiers modifiers) {
    QWidget* squares = SquaresWidget();
    QMouseEvent event(press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, at,
                      squares->mapToGlobal(at), button, held, modifiers);
    QCoreApplication::sendEvent(squares, &event);
}

void Session::ClickAt(std::string_view window, std::string_view control, int index,
                      Qt::MouseButton button) {
    Control& target = tk[window](control, index);
    QWidget* widget = ControlWidget(target);
    if (widget == nullptr) {
        throw std::logic_error("no widget shows " + std::string(control));
    }
    QWidget* client = widget->parentWidget();
    const QRect rect = widget->geometry();
    const QPoint spot(rect.left() + std::min(6, rect.width() / 2), rect.center().y());
    // Whatever shows at that spot takes the click: of two pictures on one
    // spot, the one on show.
    QWidget* under = client->childAt(spot);
    if (under == nullptr) {
        under = client;
    }
    const QPoint at = under->mapFrom(client, spot);
    Qt::MouseButtons held;
    held.setFlag(button, true);
    QMouseEvent press(QEvent::MouseButtonPress, at, under->mapToGlobal(at), button, held, {});
    QCoreApplication::sendEvent(under, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, under->mapToGlobal(at), button, {}, {});
    QCoreApplication::sendEvent(under, &release);
}

void Session::Key(std::string_view window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWidget* top = Window(window);
    if (top == nullptr) {
        throw std::logic_error("no window " + std::string(window) + " to take a key");
    }
    QWidget* target = top->focusWidget() != nullptr ? top->focusWidget() : top;
    QString text;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        text = QStringLiteral("\r");
    } else if (key == Qt::Key_Escape) {
        text = QString(QChar(0x1B));
    } else if (key == Qt::Key_Space) {
        text = QStringLiteral(" ");
    } else if (key == Qt::Key_Tab) {
        text = QStringLiteral("\t");
    }
    SendKey(target, key, modifiers, text);
}

std::string Session::FocusName(std::string_view window) {
    QWidget* top = Window(window);
    QWidget* focus = top == nullptr ? nullptr : top->focusWidget();
    return focus == nullptr ? std::string() : focus->objectName().toStdString();
}

int Session::FocusIndex(std::string_view window, std::string_view name) {
    QWidget* top = Window(window);
    QWidget* focus = top == nullptr ? nullptr : top->focusWidget();
    for (int index = 0; focus != nullptr && index <= 6; ++index) {
        if (FindControl(*FindLayout(window), name, index) != nullptr &&
            ControlWidget(tk[window](name, index)) == focus) {
            return index;
        }
    }
    return -1;
}

bool Session::Type(std::string_view window, std::string_view control, int index,
                   const QString& text, bool paste) {
    auto* box = qobject_cast<QLineEdit*>(ControlWidget(tk[window](control, index)));
    if (box == nullptr) {
        throw std::logic_error("no text box " + std::string(control));
    }
    box->setFocus();
    SendKey(box, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
    SendKey(box, Qt::Key_Backspace, {}, QString(QChar(8)));
    if (paste) {
        QApplication::clipboard()->setText(text);
        SendKey(box, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
    } else {
        for (qsizetype at = 0; at < text.size();) {
            // A character outside the basic plane is two UTF-16 units, one key.
            const qsizetype units = text.at(at).isHighSurrogate() ? 2 : 1;
            const QChar first = text.at(at);
            const int key = units == 1 && first.unicode() >= 0x20 && first.unicode() < 0x7F
                                ? QChar(first).toUpper().unicode()
                                : int(Qt::Key_unknown);
            SendKey(box, key, {}, text.mid(at, units));
            at += units;
        }
    }
    return box->text() == text;
}

void Session::CloseByTitleBar(std::string_view window) {
    QWidget* top = Window(window);
    if (top == nullptr) {
        throw std::logic_error("no window " + std::string(window) + " to close");
    }
    top->close();
}

void Session::FlushDeletes() {
    // Everything the window system and the widgets posted, but no timer: the
    // clock ticks only when the driver says so, so that a run replays exactly.
    QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace tessaline::ui::random
