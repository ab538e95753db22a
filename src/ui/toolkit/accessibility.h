#pragma once
// How the windows present themselves to assistive technology, beyond what the
// stock widgets say for themselves: each square of the board is an object of
// its own (see board_widget.h), a picture box is named by what its picture
// shows, and a check box or radio button is its whole rectangle.

class QWidget;

namespace tessaline::ui::detail {

// Before the first window is asked for its interface; again does nothing.
void InstallAccessibility();

// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h).
bool Listening();

// Tells whoever listens, if anyone does, that a square of the board was
// renamed, or else shown, hidden, enabled or disabled.
void AnnounceCell(QWidget& board, int cell, bool renamed);

} // namespace tessaline::ui::detail
