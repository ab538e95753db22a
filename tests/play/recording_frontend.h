#pragma once
// A front end that remembers what play asked of it, in order, and keeps the
// screen the player would see: a caption and a back colour per square, worked
// out the way the board window does.

#include "model/appearance.h"
#include "model/game.h"
#include "model/scan.h"
#include "play/clicks.h"
#include "play/frontend.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tessaline::test {

class RecordingFrontend final : public Frontend {
  public:
    // A back colour no square has until it is painted.
    static constexpr ScreenColour Unpainted = 0xDEADBEEF;

    explicit RecordingFrontend(const Game& game, ScanSet scanned = {})
        : game_(game), scanned_(scanned) {
        Back.fill(Unpainted);
    }

    void RefreshSquare(int column, int row) override {
        Note("refresh " + At(column, row));
        ++Refreshes;
        if (auto caption = CaptionSquare(game_, scanned_, column, row)) {
            Captions.at(Square(column, row)) = *caption;
        }
        Show(column, row);
    }
    void PaintSquare(int column, int row) override {
        if (calls_.empty() || calls_.back().rfind("paints ", 0) != 0) {
            calls_.push_back("paints 0");
        }
        calls_.back() = "paints " + std::to_string(std::stoi(calls_.back().substr(7)) + 1);
        PaintOrder.push_back(Square(column, row));
        Show(column, row);
    }
    void ShowRemaining() override {
        std::string counts;
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            counts += ' ' + std::to_string(game_.Remaining[code]);
        }
        Note("remaining" + counts);
    }
    void ShowWinWindow() override {
        Note("win");
        ++WinWindows;
    }
    void StopClock() override {
        Note("stop");
        ++ClockStops;
    }
    void Beep() override {
        Note("beep");
        ++Beeps;
    }
    bool CustomizeBoardShown() override { return Customizing; }

    // Every call in order, "; " between them; a run of paints is written as
    // one "paints n", since a reveal makes 900 of them.
    std::string Log() const {
        std::string log;
        for (const auto& call : calls_) {
            log += (log.empty() ? "" : "; ") + call;
        }
        return log;
    }

    bool Customizing = false;
    int Refreshes = 0;
    std::vector<int> PaintOrder; // square indices
    int WinWindows = 0;
    int ClockStops = 0;
    int Beeps = 0;
    std::array<std::string, SquareCount> Captions{};
    std::array<ScreenColour, SquareCount> Back{};

  private:
    static std::string At(int column, int row) {
        return std::to_string(column) + "," + std::to_string(row);
    }
    void Note(std::string call) { calls_.push_back(std::move(call)); }
    void Show(int column, int row) {
        if (auto colour = SquareBackColour(game_.At(column, row))) {
            Back.at(Square(column, row)) = *colour;
        }
    }

    const Game& game_;
    ScanSet scanned_;
    std::vector<std::string> calls_;
};

// A press and a release at the same point of the square (column, row).
inline void Click(Game& game, Frontend& frontend, int column, int row, Int16 button) {
    const auto index = static_cast<Int16>(Square(column, row));
    Square_MouseDown(game, frontend, index, button, 0, 120.0f, 60.0f);
    Square_MouseUp(game, frontend, index, button, 0, 120.0f, 60.0f);
}

} // namespace tessaline::test
