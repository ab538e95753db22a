#pragma once
// What the windows' behaviours offer one another. Each window's behaviour
// lives in one file and binds the window's handlers.

#include "model/scan.h"
#include "ui/toolkit/toolkit.h"

namespace tessaline::ui {

class App;

// Board window (ui/board).
void BindBoard(App& app);
// Which colours the main window's Colors Scanned boxes tick.
ScanSet ScannedColours(App& app);
void PaintSquare(App& app, int column, int row);
void RefreshSquare(App& app, int column, int row);
void SizeBoardWindow(App& app);
void DrawBoard(App& app);
// The window half of emptying the grid: every one of the 900 squares visible.
void ShowAllSquares(App& app);

// Main window (ui/main).
// Its handlers, menu commands included.
void BindColor(App& app);
void InitColorWindow(App& app);
void ShowRemaining(App& app);

// Clock window (ui/dialogs).
void BindTime(App& app);
void ResetSeconds(App& app);
void ShowSeconds(App& app);
void ShowClock(App& app);
// Running: the timer starts afresh, its first tick a whole second from now.
void SetClockRunning(App& app, bool running);

// Settings dialogs and the error window (ui/dialogs).
void BindOptions(App& app);
void OpenOptions(App& app);
void BindCustomizeBoard(App& app);
void OpenCustomizeBoard(App& app);
bool CustomizeBoardShown(App& app);
void BindErrorAZ(App& app);
void LoadErrorWindow(App& app);
void ShowError(App& app);
void HideError(App& app);

// Information windows (ui/info).
void BindInfoWindows(App& app);
void LoadRulesWindows(App& app);

} // namespace tessaline::ui
