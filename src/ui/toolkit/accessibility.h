#pragma once
// How the windows present themselves to assistive technology. The stock
// widgets speak for themselves (a label, button or box by its caption); this
// adds what they cannot:
// - each square of the board is an object of its own (see board_widget.h);
// - a picture box is named by what its picture shows;
// - a radio button is one, although it leaves its group to its window;
// - a text box is named by the label beside it or just above it.

#include <vector>

class QAccessibleEvent;

namespace tessaline::ui::detail {

struct ControlSlot;

// Once per process, before the first window is asked for its interface.
void InstallAccessibility();

// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h).
bool Listening();

// Tell whoever listens of a change. Callers test Listening() first, so that
// nothing is built while no one listens.
void Announce(QAccessibleEvent& event);

// Names each text box of a window after the label that stands on its row just
// left of it or right above it; a text box without one keeps its control name.
void NameTextBoxes(std::vector<ControlSlot>& controls);

} // namespace tessaline::ui::detail
