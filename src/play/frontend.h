#pragma once
// What the rules of play need from the windows, and nothing more. The user
// interface implements it with real windows; tests use a recording fake.

namespace tessaline {

class Frontend {
  public:
    virtual ~Frontend() = default;

    // Caption from the cell and the Colors Scanned ticks, then back colour.
    virtual void RefreshSquare(int column, int row) = 0;
    // Back colour only; the caption stays.
    virtual void PaintSquare(int column, int row) = 0;
    // The six remaining-count labels show Remaining.
    virtual void ShowRemaining() = 0;
    // Show the win window (a window already shown stays as it is).
    virtual void ShowWinWindow() = 0;
    // Disable the clock's one-second timer.
    virtual void StopClock() = 0;
    // The system's alert sound.
    virtual void Beep() = 0;
    // Whether the Customize Board dialog is shown at this moment.
    virtual bool CustomizeBoardShown() = 0;
};

} // namespace tessaline
