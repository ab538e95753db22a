#pragma once
// The whole program: its values, its source of chance and its windows. One App
// lives for the run; tests make a fresh one per case.

#include "model/game.h"
#include "model/random.h"
#include "play/frontend.h"
#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit.h"

namespace tessaline::ui {

class App;

// The rules of play reach the windows through this.
class WindowFrontend final : public Frontend {
  public:
    explicit WindowFrontend(App& app) : app_(app) {}
    void RefreshSquare(int column, int row) override;
    void PaintSquare(int column, int row) override;
    void ShowRemaining() override;
    void ShowWinWindow() override;
    void StopClock() override;
    void Beep() override;
    bool CustomizeBoardShown() override;

  private:
    App& app_;
};

// Every window the behaviour reaches, by its handles; bound once, when the
// windows are defined.
struct Windows {
    explicit Windows(Toolkit& tk);
    ColorWindow color;
    BoardWindow board;
    TimeWindow time;
    OptionsWindow options;
    CustomizeBoardWindow customizeBoard;
    Form& errorAZ;
    Form& playerWin;
    Form& rulesObject;
    Form& rulesPlay;
    Form& rulesCustomize;
    Form& aboutTessaline;
    Form& aboutVantiro;
    Form& aboutAuthor;
    Form& license;
};

class App {
  public:
    // Defines every window and binds its handlers; creates none of them.
    App(Toolkit& toolkit, RandomSource& random);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the main window, whose load step runs the start-up, and shows it.
    void Start();

    Game game;
    Toolkit& tk;
    RandomSource& random;
    WindowFrontend frontend{*this};
    Windows win;

  private:
    // Defines every window, for `win` to reach.
    static Toolkit& DefineWindows(Toolkit& tk);
};

} // namespace tessaline::ui
