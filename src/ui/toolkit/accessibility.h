#pragma once
// How the windows present themselves to assistive technology. The stock
// widgets speak for themselves (a label, button or box by its caption); this
// adds what they cannot:
// - each cell of a painted label array is an object of its own: a cell
//   with its name, place on the screen and visibility, which can be pressed
//   (a left click) or asked for its menu (a right click), as the player would;
// - a picture box is named by what its picture shows;
// - a check box or radio button is its whole rectangle, and a press clicks it.

class QAccessibleEvent;

namespace tessaline::ui::detail {

class LabelGrid;

// Once per process, before the first window is asked for its interface.
void InstallAccessibility();

// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h).
bool Listening();

// Tell whoever listens that a painted cell's name, or its visibility or
// enabled state, has changed. Callers test Listening() first, so that nothing
// is built while no one listens.
void AnnounceNameChange(LabelGrid& grid, int cell);
void AnnounceStateChange(LabelGrid& grid, int cell);

} // namespace tessaline::ui::detail
