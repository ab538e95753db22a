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

// Keeps `window`, about to be shown at its layout position, clear of the
// windows that `others` gives. Before it is mapped its frame is taken to be
// like theirs, so that it opens clear where it can; once the window manager
// has framed it, its real frame is checked again (some window managers do not
// move a window once they have placed it). On X11 only; elsewhere the window
// stays where the window system puts it.
void KeepClear(QWidget& window, std::function<std::vector<const QWidget*>()> others);

} // namespace tessaline::ui::detail
