#pragma once
// One whole program, run offscreen, and the ways a player reaches it: menu
// commands, the mouse through the window system or straight to a widget at
// positions between pixels, keys, typed and pasted texts, the title bar's
// close box. Nothing here creates a window the player could not have created:
// every read of a window first asks whether it exists.

#include "model/random.h"
#include "ui/app/app.h"
#include "ui/toolkit/toolkit.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class QTimer;
class QWidget;

namespace tessaline::ui::random {

// The fourteen windows, the main window first.
inline constexpr std::string_view WindowNames[] = {
    "Color",          "Board",        "Options",      "CustomizeBoard", "ErrorAZ",
    "Time",           "PlayerWin",    "Rules_Object", "Rules_Play",     "Rules_Customize",
    "AboutTessaline", "AboutVantiro", "AboutAuthor",  "License"};

class Session {
  public:
    explicit Session(std::uint32_t seed);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game& game() { return app.game; }
    bool Ended() const { return tk.Ended(); }

    // Without creating anything.
    bool Exists(std::string_view window) const { return tk.Exists(window); }
    bool Shown(std::string_view window);
    // The window's top-level widget, nullptr if it does not exist.
    QWidget* Window(std::string_view window);
    // The clock's timer as Qt runs it; nullptr while the clock window does not exist.
    QTimer* ClockTimer();

    // A menu command of the main window, as the player chooses it.
    void Menu(std::string_view item);

    // A square's rectangle in the coordinates of the widget that paints the
    // squares, and that widget; the board must exist.
    QRect SquareRect(int index);
    QWidget* SquaresWidget();
    // The part of the squares widget that the board window's client area shows.
    QRect VisibleSquares();

    // Through the window system: a press or release at a pixel of the squares widget.
    void WindowMouse(bool press, QPoint at, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
    void WindowDoubleClick(QPoint at, Qt::MouseButton button);
    // Straight to the squares widget, at a position between pixels; `held` are
    // the buttons down after the event.
    void DirectMouse(bool press, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                     Qt::KeyboardModifiers modifiers);

    // A click of the player on a control (buttons, boxes, pictures) at its spot:
    // whatever widget shows there takes it.
    void ClickAt(std::string_view window, std::string_view control, int index,
                 Qt::MouseButton button);
    // A key pressed in a window, to whatever has the focus there.
    void Key(std::string_view window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // The name of the control that has the focus in a window, "" if none, and
    // its index in its control array (-1 for a plain control).
    std::string FocusName(std::string_view window);
    int FocusIndex(std::string_view window, std::string_view name);
    // Replaces a box's text as the player does: select all, erase, then type
    // key by key or paste. Returns whether the box then holds the text.
    bool Type(std::string_view window, std::string_view control, int index, const QString& text,
              bool paste);
    // The player closing a window through its title bar.
    void CloseByTitleBar(std::string_view window);

    // Deletes the windows that were closed, as the event loop would next.
    static void FlushDeletes();

    // The handle of a board square, kept: looking 900 of them up by name for
    // every redraw checked would cost more than the redraw. Like every handle
    // it creates the board window when used while the window does not exist.
    Control& SquareHandle(int index);

    SeededRandom random;
    Toolkit tk;
    App app;

  private:
    std::array<Control*, SquareCount> squares_{};
};

} // namespace tessaline::ui::random
