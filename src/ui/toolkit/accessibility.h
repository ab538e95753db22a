#pragma once
// How the windows present themselves to assistive technology, beyond what the
// stock widgets say for themselves: each square of the board is an object of
// its own (see board_widget.h), a picture box is named by what its picture
// shows, and a check box or radio button is its whole rectangle.

class QWidget;

namespace tessaline::ui::detail {

// Once per process, before the first window is asked for its interface.
void InstallAccessibility();

// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h). Callers test it before announcing,
// so that nothing is built while no one listens.
bool Listening();

// Tells whoever listens that a square of the board was renamed, or else shown,
// hidden, enabled or disabled.
void AnnounceCell(QWidget& board, int cell, bool renamed);

} // namespace tessaline::ui::detail
