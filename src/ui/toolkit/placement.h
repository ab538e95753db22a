#pragma once
// Windows that the program places keep clear of one another. The layout's
// positions leave room for title bars as thin as they once were; a window
// manager with taller ones would have the board's title bar cover the bottom
// of the main window, Guess buttons and all. Only X11 lets a program place
// its windows, and only once a window is framed are its real edges known.

#include <QRect>

#include <functional>
#include <vector>

class QWidget;

namespace tessaline::ui::detail {

// Where the frame `frame` goes so that it covers none of `others`: where it
// stands if it covers none; else just below what it covers, or, where that
// would leave `screen`, just beside it; else where it stands.
QRect ClearOf(const QRect& frame, const std::vector<QRect>& others, const QRect& screen);

// Once the window manager has framed `window`, just shown at its layout
// position, moves it clear of the frames that `others` gives. On X11 only;
// elsewhere the window stays where the window system put it.
void KeepClearOnceFramed(QWidget& window, std::function<std::vector<QRect>()> others);

} // namespace tessaline::ui::detail
