#include "driver.h"

#include "events.h"
#include "say.h"

#include "ui/layouts/layouts.h"

#include <QTimer>
#include <QWidget>

#include <sstream>
#include <stdexcept>
#include <vector>

namespace tessaline::ui::random {

namespace {

// Unexpected Qt warnings fail the run, except the offscreen platform's notices
// that it cannot pass on size hints, raise a window or grab the keyboard.
std::vector<std::string>* warnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void RecordWarning(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const bool notice = message.startsWith(QStringLiteral("This plugin does not support"));
    if (type != QtDebugMsg && type != QtInfoMsg && !notice && warnings != nullptr) {
        warnings->push_back("Qt warned: " + message.toStdString());
    }
    if (previousHandler != nullptr && !notice) {
        previousHandler(type, context, message);
    }
}

void Mix(std::uint64_t& digest, std::int64_t value) {
    digest ^= static_cast<std::uint64_t>(value);
    digest *= 0x100000001B3ull;
}

void MixGame(std::uint64_t& digest, const Game& game) {
    for (const auto& column : game.Grid) {
        for (const Cell& cell : column) {
            Mix(digest, cell.Colour * 1000 + cell.State);
        }
    }
    Mix(digest, game.BoardWidth * 100 + game.BoardHeight);
    for (const double share : game.Percent) {
        Mix(digest, static_cast<std::int64_t>(share * 1e6));
    }
    for (const Int16 left : game.Remaining) {
        Mix(digest, left);
    }
    Mix(digest, game.GameOver);
    Mix(digest, game.GuessColour);
    Mix(digest, game.Seconds);
    Mix(digest, game.AboutPictureFlag);
}

// What an event came to, counted for the run's summary.
void Tally(std::map<std::string, long>& tally, const Observation& before, const Observation& after,
           const Expect& expect) {
    const bool beeped = after.beeps > before.beeps;
    const bool ended = !before.game.GameOver && after.game.GameOver;
    if (expect.click && ended) {
        ++tally[beeped ? "games lost" : "games won"];
    }
    if (expect.click && !before.game.GameOver) {
        long uncovered = 0;
        for (int c = 1; c <= 6; ++c) {
            uncovered += before.game.Remaining[static_cast<std::size_t>(c)] -
                         after.game.Remaining[static_cast<std::size_t>(c)];
        }
        tally["squares uncovered by guesses"] += uncovered;
    }
    if (expect.click) {
        ++tally["clicks judged against the rules"];
    }
    if (expect.ignoredRelease) {
        ++tally["releases that had to be ignored"];
    }
    if (expect.newGame) {
        ++tally["new games"];
    }
    if (expect.quit && ended) {
        ++tally["games given up"];
    }
    if (expect.options) {
        ++tally[beeped ? "Options entries refused" : "Options entries accepted"];
    }
    if (expect.blocks) {
        ++tally[beeped ? "Set Blocks entries refused" : "Set Blocks entries accepted"];
    }
    if (expect.redraw || (expect.blocks && !beeped)) {
        ++tally["whole boards checked square by square"];
    }
    if (!expect.closed.empty()) {
        ++tally["windows closed by their title bar"];
    }
    tally["clock ticks"] += expect.ticks;
}

} // namespace

Driver::Driver(std::uint64_t seed)
    : engine_(seed), programSeed_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}

Driver::~Driver() {
    session_.reset();
    Session::FlushDeletes();
}

bool Driver::Chance(int percent) {
    return Uniform(0, 99) < percent;
}

int Driver::Uniform(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine_);
}

void Driver::StartEpisode(RunResult& result) {
    session_.reset();
    Session::FlushDeletes();
    const std::array<int, WindowCount> left = CountTopLevels();
    for (std::size_t i = 0; i < WindowCount; ++i) {
        if (left[i] != 0) {
            result.failures.push_back(
                Say(left[i], " windows ", WindowNames[i], " outlived the program that made them"));
        }
    }
    session_ = std::make_unique<Session>(programSeed_++);
    tracker_ = Tracker{};
    ++result.episodes;

    // Start-up: the defaults, an empty grid, no game, every window made and
    // only the main window shown.
    const Observation start = Observe(*session_, false);
    const Game& game = start.game;
    bool right = game.BoardWidth == 15 && game.BoardHeight == 15 && game.GameOver &&
                 game.GuessColour == 1 && game.Seconds == 0 &&
                 game.Percent == std::array<double, 7>{0, 80, 0, 10, 0, 10, 0};
    for (int c = 1; c <= 6; ++c) {
        right = right && game.Remaining[static_cast<std::size_t>(c)] == 0;
    }
    for (const auto& column : game.Grid) {
        for (const Cell& cell : column) {
            right = right && cell.Colour == 10 && cell.State == 100;
        }
    }
    for (std::size_t i = 0; i < WindowCount; ++i) {
        right = right && start.exists[i] && start.shown[i] == (i == 0);
    }
    if (!right) {
        result.failures.push_back("the program did not start with the defaults, an empty grid, "
                                  "no game and only its main window shown");
    }
}

RunResult Driver::Run(long events) {
    RunResult result;
    std::vector<std::string> caught;
    warnings = &caught;
    previousHandler = qInstallMessageHandler(RecordWarning);
    std::uint64_t digest = 0xCBF29CE484222325ull;
    StartEpisode(result);
    for (long n = 1; n <= events && result.failures.empty(); ++n) {
        if (session_->Ended()) {
            StartEpisode(result);
        }
        Planned planned = Plan();
        result.recent.push_back(Say("#", n, " ", planned.description));
        if (result.recent.size() > 12) {
            result.recent.pop_front();
        }
        if (onEvent) {
            onEvent(n, planned.description);
        }
        const Observation before = Observe(*session_, planned.expect.WantsBoard());
        try {
            planned.act();
        } catch (const std::exception& error) {
            result.failures.push_back(std::string("the event threw: ") + error.what());
        }
        Session::FlushDeletes();
        const Observation after = Observe(*session_, false);
        Check(*session_, before, after, planned.expect, tracker_, result.failures);
        result.failures.insert(result.failures.end(), caught.begin(), caught.end());
        caught.clear();
        Tally(result.tally, before, after, planned.expect);
        MixGame(digest, after.game);
        Mix(digest, after.beeps);
        result.events = n;
    }
    qInstallMessageHandler(previousHandler);
    warnings = nullptr;
    result.digest = digest;
    return result;
}

std::string Driver::ShownDialog() {
    const bool options = session_->Shown("Options");
    const bool customize = session_->Shown("CustomizeBoard");
    if (options && customize) {
        return Chance(50) ? "Options" : "CustomizeBoard";
    }
    return options ? "Options" : customize ? "CustomizeBoard" : "";
}

Driver::Planned Driver::Plan() {
    const bool board = session_->Shown("Board");
    const bool dialog = !ShownDialog().empty();
    bool informing = false;
    for (std::string_view window : Informing) {
        informing = informing || session_->Shown(window);
    }
    const bool picture = session_->Shown("AboutTessaline") || session_->Shown("AboutVantiro");
    const QTimer* timer = session_->ClockTimer();
    const bool ticking = timer != nullptr && timer->isActive();

    const bool running = !session_->game().GameOver;
    // Sensible weights: mostly the board, often the menu, now and then the rest.
    const int weights[] = {
        board ? 150 : 0,            // 0 a click anywhere on the board
        board && running ? 250 : 0, // 1 a click of a player who knows the board
        board ? 30 : 0,             // 2 press and release apart
        board ? 10 : 0,             // 3 a double click
        board ? 50 : 0,             // 4 a click between pixels
        board ? 10 : 0,             // 5 a right click while the left button is held
        130,                        // 6 a menu command
        60,                         // 7 a Guess button
        40,                         // 8 a Colors Scanned box
        15,                         // 9 a key in the main window
        dialog ? 100 : 0,           // 10 a text typed into a dialog's box
        dialog ? 60 : 0,            // 11 OK, Cancel, Set Blocks, Enter, Escape
        informing ? 30 : 0,         // 12 the button of an informing window
        picture ? 10 : 0,           // 13 an about picture
        20,                         // 14 a title bar's close box
        ticking ? 80 : 0,           // 15 the clock's ticks
        10,                         // 16 a window painted
    };
    int total = 0;
    for (const int weight : weights) {
        total += weight;
    }
    int pick = Uniform(0, total - 1);
    int chosen = 0;
    while (pick >= weights[chosen]) {
        pick -= weights[chosen];
        ++chosen;
    }
    switch (chosen) {
    case 0:
        return PlanSquareClick();
    case 1:
        return PlanKnowingClick();
    case 2:
        return PlanSquareApart();
    case 3:
        return PlanDoubleClick();
    case 4:
        return PlanFractionalClick();
    case 5:
        return PlanChord();
    case 6:
        return PlanMenu();
    case 7:
        return PlanGuessOrScan(true);
    case 8:
        return PlanGuessOrScan(false);
    case 9:
        return PlanMainKey();
    case 10:
        return PlanType();
    case 11:
        return PlanConfirm();
    case 12:
        return PlanButton();
    case 13:
        return PlanPicture();
    case 14:
        return PlanClose();
    case 15:
        return PlanTicks();
    default:
        return PlanPaint();
    }
}

std::string Report(std::uint64_t seed, long events, const RunResult& result) {
    std::ostringstream text;
    text << "FAILED at event " << result.events << " of " << events << " (episode "
         << result.episodes << "), TESSALINE_SEED=" << seed << "\n";
    for (const std::string& failure : result.failures) {
        text << "  " << failure << "\n";
    }
    text << "The last events:\n";
    for (const std::string& event : result.recent) {
        text << "  " << event << "\n";
    }
    text << "Replay: TESSALINE_SEED=" << seed << " TESSALINE_EVENTS=" << result.events
         << " TESSALINE_TRACE=1 QT_QPA_PLATFORM=offscreen random_play\n";
    return text.str();
}

} // namespace tessaline::ui::random
