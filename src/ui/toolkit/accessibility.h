#pragma once
// How the windows present themselves to assistive technology. The stock
// widgets speak for themselves (a label, button or box by its caption); this
// adds what they cannot:
// - each square of the board is an object of its own (see board_widget.h);
// - a picture box is named by what its picture shows;
// - a check box or radio button is its whole rectangle, and a press clicks it.

class QAccessibleEvent;

namespace tessaline::ui::detail {

// Once per process, before the first window is asked for its interface.
void InstallAccessibility();

// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h).
bool Listening();

// Tell whoever listens of a change. Callers test Listening() first, so that
// nothing is built while no one listens.
void Announce(QAccessibleEvent& event);

} // namespace tessaline::ui::detail
