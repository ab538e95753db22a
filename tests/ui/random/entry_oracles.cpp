// The settings dialogs and New Game judged by their rules: texts refused with
// nothing changed or applied exactly, the dialogs opening on the settings in
// force, a deal that keeps the blocks and the shares.

#include "event_checks.h"
#include "say.h"
#include "texts.h"

#include <algorithm>
#include <cmath>

namespace tessaline::ui::random {

// The rules of the Options dialog, applied to the texts as they stood.
void CheckOptions(Session& session, const Observation& before, const Observation& after,
                  const std::array<std::string, 8>& texts, Failures& failures) {
    const bool refused = after.beeps == before.beeps + 1;
    bool anyNotNumber = false;
    bool allNumbers = true;
    std::array<double, 8> values{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Meaning meaning = Read(texts[i]);
        anyNotNumber = anyNotNumber || meaning.reading == Reading::NotNumber;
        allNumbers = allNumbers && meaning.reading == Reading::Number;
        values[i] = meaning.value;
    }
    std::string said = "Options OK with";
    for (const std::string& text : texts) {
        said += " \"" + text.substr(0, 40) + "\"";
    }
    if (anyNotNumber && !refused) {
        failures.push_back(said + " took a text that is no number");
    }
    if (refused) {
        if (!SameCore(before.game, after.game) || !session.Shown("ErrorAZ") ||
            !session.Shown("Options")) {
            failures.push_back(said + " was refused but changed the game, or the error window "
                                      "or the dialog is not shown");
        }
    } else {
        if (session.Shown("Options") || session.Shown("ErrorAZ") || !after.game.GameOver ||
            !SameGrid(before.game, after.game) || after.game.Percent[0] != before.game.Percent[0]) {
            failures.push_back(said + " was accepted but the dialog or the error window stays, "
                                      "the game goes on or the grid changed");
        }
        CheckBoardSize(session, after.game, failures);
    }
    if (!allNumbers) {
        return;
    }
    const auto size = [](double typed, double smallest, double largest) {
        return typed > largest ? largest : typed < smallest ? smallest : RoundHalfEven(typed);
    };
    const double height = size(values[0], 1, 30);
    const double width = size(values[1], 3, 30);
    std::array<double, 7> share{};
    double total = 0;
    for (std::size_t k = 1; k <= 6; ++k) {
        share[k] = std::clamp(values[k + 1], 0.0, 100.0);
        total = RoundHalfEven(total + share[k]);
    }
    if (total == 0) {
        if (!refused) {
            failures.push_back(said + ": shares that round to a total of 0 were accepted");
        }
        return;
    }
    if (refused) {
        failures.push_back(said + " was refused although every text is a number");
        return;
    }
    bool right = after.game.BoardHeight == height && after.game.BoardWidth == width;
    for (std::size_t k = 1; k <= 6; ++k) {
        right = right && after.game.Percent[k] == share[k] * 100 / total;
    }
    if (!right) {
        failures.push_back(Say(said, " gave ", after.game.BoardWidth, " x ", after.game.BoardHeight,
                               " and Yellow ", after.game.Percent[1], "; the rules give ", width,
                               " x ", height, " and Yellow ", share[1] * 100 / total));
    }
}

void CheckSetBlocks(Session& session, const Observation& before, const Observation& after,
                    const std::string& text, Failures& failures) {
    const bool refused = after.beeps == before.beeps + 1;
    const Meaning meaning = Read(text);
    const std::string said = "Set Blocks with \"" + text.substr(0, 40) + "\"";
    if (refused != (meaning.reading == Reading::NotNumber) && meaning.reading != Reading::Open) {
        failures.push_back(said + (refused ? " was refused" : " was accepted"));
    }
    if (refused) {
        if (!SameCore(before.game, after.game) || !session.Shown("ErrorAZ")) {
            failures.push_back(said + " was refused but changed the game or shows no error");
        }
        return;
    }
    int blocks = 0;
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = after.game.At(column, row);
            const bool block = cell.Colour == 0 && cell.State == 200;
            if (!block && !(cell.Colour == 10 && cell.State == 100)) {
                failures.push_back(said + " left a cell that is neither block nor plain square");
                return;
            }
            blocks += block ? 1 : 0;
        }
    }
    const double share = after.game.Percent[0];
    if ((share == 0 && blocks != 0) || (share == 100 && blocks != 900)) {
        failures.push_back(Say(said, " made ", blocks, " blocks for a share of ", share));
    }
    if (meaning.reading == Reading::Number) {
        const double expected =
            std::clamp(std::clamp(RoundHalfEven(meaning.value), -32768.0, 32767.0), 0.0, 100.0);
        if (share != expected) {
            failures.push_back(Say(said, " stored ", share, ", the rules give ", expected));
        }
    }
    Game settings = after.game;
    settings.Percent[0] = before.game.Percent[0];
    if (!SameSettings(settings, before.game) || after.game.GameOver != before.game.GameOver ||
        session.Shown("ErrorAZ") != before.shown[WindowSlot("ErrorAZ")]) {
        failures.push_back(said + " changed a setting besides the block share, the game, or the "
                                  "error window");
    }
    CheckRedraw(session, before, after, failures);
}

void CheckNewGame(Session& session, const Observation& before, const Observation& after,
                  Failures& failures) {
    const Game& game = after.game;
    for (const char* hidden : {"CustomizeBoard", "Options", "PlayerWin"}) {
        if (session.Shown(hidden)) {
            failures.push_back(std::string("New Game left ") + hidden + " shown");
        }
    }
    if (game.GameOver || !session.Shown("Time") || game.Seconds != 0 ||
        session.tk["Time"]("lblTime").Caption() != "0") {
        failures.push_back("New Game did not start a game with the clock shown at 0");
    }
    std::array<bool, 7> dealt{};
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            if (!InPlay(game, column, row)) {
                if (!SameCell(cell, before.game.At(column, row))) {
                    failures.push_back(Say("New Game changed (", column, ", ", row,
                                           ") outside the board in play"));
                    return;
                }
                continue;
            }
            const bool block = cell.Colour == 0 && cell.State == -1;
            const bool square = cell.Colour >= 1 && cell.Colour <= 6 && cell.State == 100;
            if (!block && !square) {
                failures.push_back(Say("New Game dealt (", column, ", ", row, ") Colour ",
                                       cell.Colour, " State ", cell.State));
                return;
            }
            if ((before.game.At(column, row).Colour == 0) != block) {
                failures.push_back(
                    Say("New Game changed the block layout at (", column, ", ", row, ")"));
                return;
            }
            if (square) {
                dealt[static_cast<std::size_t>(cell.Colour)] = true;
            }
        }
    }
    double below = 0;
    for (std::size_t c = 1; c <= 5; ++c) {
        below += game.Percent[c];
        if (dealt[c] && game.Percent[c] <= 0) {
            failures.push_back(Say("New Game dealt colour ", c, " with a share of 0"));
        }
    }
    if (dealt[6] && below >= 100) {
        failures.push_back("New Game dealt Purple although the other shares fill the board");
    }
}

void CheckOpenCustomize(Session& session, const Observation& before, const Observation& after,
                        Failures& failures) {
    const std::string box = session.tk["CustomizeBoard"]("txtPerBlocks").Text();
    if (!session.Shown("CustomizeBoard") || !after.game.GameOver || after.timerEnabled ||
        !SameGrid(before.game, after.game) || !SameSettings(before.game, after.game) ||
        box != std::to_string(static_cast<int>(after.game.Percent[0]))) {
        failures.push_back("Customize Board did not open showing the block share \"" + box +
                           "\" with the game ended and the board and settings left alone");
    }
}

void CheckOpenOptions(Session& session, const Observation& before, const Observation& after,
                      Failures& failures) {
    Form& options = session.tk["Options"];
    bool right = session.Shown("Options") &&
                 options("txtHeight").Text() == std::to_string(after.game.BoardHeight) &&
                 options("txtWidth").Text() == std::to_string(after.game.BoardWidth);
    for (int k = 1; k <= 6; ++k) {
        const Meaning shown = Read(options("txtPerColor", k).Text());
        const double share = after.game.Percent[static_cast<std::size_t>(k)];
        // Fifteen significant digits.
        right = right && shown.reading == Reading::Number &&
                std::abs(shown.value - share) <= 1e-13 * std::max(1.0, std::abs(share));
    }
    if (!right || !SameCore(before.game, after.game)) {
        failures.push_back("the Options dialog did not open showing the settings in force, or "
                           "opening it changed the game");
    }
}

} // namespace tessaline::ui::random
