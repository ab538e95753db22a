#include "driver.h"

#include "ui/layouts/layouts.h"

#include <QTimer>
#include <QWidget>

#include <sstream>
#include <stdexcept>
#include <vector>

namespace tessaline::ui::random {

namespace {

template <class... Parts> std::string Say(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

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

std::string ButtonName(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return "left";
    case Qt::RightButton:
        return "right";
    case Qt::MiddleButton:
        return "middle";
    default:
        return "button " + std::to_string(static_cast<int>(button));
    }
}

int Code(Qt::MouseButton button) {
    return button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0;
}

std::string Quoted(const QString& text) {
    std::string shown = text.left(24).toStdString();
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '~';
        }
    }
    return "\"" + shown + (text.size() > 24 ? Say("...\" (", text.size(), " characters)") : "\"");
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

// The windows whose single command button hides them.
constexpr std::string_view Informing[] = {"ErrorAZ",      "PlayerWin",       "Rules_Object",
                                          "Rules_Play",   "Rules_Customize", "AboutTessaline",
                                          "AboutVantiro", "AboutAuthor",     "License"};

std::string OnlyButton(std::string_view window) {
    for (const ControlDef& control : FindLayout(window)->controls) {
        if (control.kind == ControlKind::CommandButton) {
            return std::string(control.name);
        }
    }
    throw std::logic_error("no button on " + std::string(window));
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

Driver::Spot Driver::RandomSpot() {
    const QRect view = session_->VisibleSquares();
    const QPoint at(Uniform(view.left(), view.right()), Uniform(view.top(), view.bottom()));
    // Squares lie 16 pixels apart and are 17 wide: where two overlap, the one
    // with the higher index lies on top and takes the mouse.
    const int column = std::min(at.x() / 16, 29);
    const int row = std::min(at.y() / 16, 29);
    return {at, column + 30 * row, at.x() % 16 != 0 && at.y() % 16 != 0};
}

Driver::Planned Driver::PlanSquareClick() {
    const Spot spot = RandomSpot();
    const int roll = Uniform(0, 99);
    const Qt::MouseButton button = roll < 60   ? Qt::LeftButton
                                   : roll < 95 ? Qt::RightButton
                                   : roll < 98 ? Qt::MiddleButton
                                               : Qt::BackButton;
    const Qt::KeyboardModifiers modifiers = Chance(10)  ? Qt::ShiftModifier
                                            : Chance(5) ? Qt::ControlModifier
                                                        : Qt::NoModifier;
    Planned planned;
    planned.description = Say(ButtonName(button), " click on square ", spot.index, " at pixel ",
                              spot.at.x(), ",", spot.at.y());
    planned.act = [this, spot, button, modifiers] {
        session_->WindowMouse(true, spot.at, button, modifiers);
        session_->WindowMouse(false, spot.at, button, modifiers);
    };
    if (Code(button) != 0) {
        planned.expect.click = Expect::Click{spot.index, Code(button)};
    } else {
        planned.expect.ignoredRelease = true;
    }
    return planned;
}

// A player who knows the board: a left click on a hidden square of the
// guessed colour, or a click on the Guess button of a hidden square's colour,
// so that games are won and long uncoverings spread.
Driver::Planned Driver::PlanKnowingClick() {
    const Game& game = session_->game();
    const QRect view = session_->VisibleSquares();
    std::vector<int> right;
    std::vector<int> other;
    for (int column = 0; column < game.BoardWidth; ++column) {
        for (int row = 0; row < game.BoardHeight; ++row) {
            const Cell& cell = game.At(column, row);
            if (cell.Colour == 0 || cell.State == 200 ||
                !view.contains(QPoint(column * 16 + 8, row * 16 + 8))) {
                continue;
            }
            (cell.Colour == game.GuessColour ? right : other).push_back(Square(column, row));
        }
    }
    if (right.empty() || (!other.empty() && Chance(15))) {
        if (other.empty()) {
            return PlanSquareClick();
        }
        const int index =
            other[static_cast<std::size_t>(Uniform(0, static_cast<int>(other.size()) - 1))];
        const int colour = game.At(index % 30, index / 30).Colour;
        Planned planned;
        planned.description =
            Say("left click on rbtGuess(", colour, "), the colour of square ", index);
        planned.act = [this, colour] {
            session_->ClickAt("Color", "rbtGuess", colour, Qt::LeftButton);
        };
        planned.expect.modelUntouched = true;
        planned.expect.guess = colour;
        return planned;
    }
    const int index =
        right[static_cast<std::size_t>(Uniform(0, static_cast<int>(right.size()) - 1))];
    const QPoint at(index % 30 * 16 + Uniform(1, 15), index / 30 * 16 + Uniform(1, 15));
    Planned planned;
    planned.description = Say("left click on square ", index, " of the guessed colour at pixel ",
                              at.x(), ",", at.y());
    planned.act = [this, at] {
        session_->WindowMouse(true, at, Qt::LeftButton, {});
        session_->WindowMouse(false, at, Qt::LeftButton, {});
    };
    planned.expect.click = Expect::Click{index, 1};
    return planned;
}

Driver::Planned Driver::PlanSquareApart() {
    const Spot press = RandomSpot();
    Spot release = RandomSpot();
    if (Chance(50)) {
        // Elsewhere on the same square.
        const QRect view = session_->VisibleSquares();
        const QPoint corner(press.index % 30 * 16, press.index / 30 * 16);
        release.at = corner + QPoint(Uniform(1, 15), Uniform(1, 15));
        release.at =
            QPoint(std::min(release.at.x(), view.right()), std::min(release.at.y(), view.bottom()));
    }
    if (release.at == press.at) {
        release.at += press.at.x() > 0 ? QPoint(-1, 0) : QPoint(1, 0);
    }
    const Qt::MouseButton button = Chance(60) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description =
        Say(ButtonName(button), " press on square ", press.index, " at pixel ", press.at.x(), ",",
            press.at.y(), ", release at pixel ", release.at.x(), ",", release.at.y());
    planned.act = [this, press, release, button] {
        session_->WindowMouse(true, press.at, button, {});
        session_->WindowMouse(false, release.at, button, {});
    };
    planned.expect.ignoredRelease = true;
    return planned;
}

Driver::Planned Driver::PlanDoubleClick() {
    const Spot spot = RandomSpot();
    const Qt::MouseButton button = Chance(70) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description = Say(ButtonName(button), " double click on square ", spot.index,
                              " at pixel ", spot.at.x(), ",", spot.at.y());
    planned.act = [this, spot, button] { session_->WindowDoubleClick(spot.at, button); };
    return planned;
}

Driver::Planned Driver::PlanFractionalClick() {
    const QRect view = session_->VisibleSquares();
    // Quarter pixels: a twip position is whole only on whole pixels.
    const int x = Uniform(view.left() * 4, view.right() * 4 + 3);
    const int y = Uniform(view.top() * 4, view.bottom() * 4 + 3);
    const QPointF at(x / 4.0, y / 4.0);
    const int index = std::min(x / 64, 29) + 30 * std::min(y / 64, 29);
    const Qt::MouseButton button = Chance(60) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description = Say(ButtonName(button), " click straight to square ", index, " at pixel ",
                              at.x(), ",", at.y());
    planned.act = [this, at, button] {
        session_->DirectMouse(true, at, button, button, {});
        session_->DirectMouse(false, at, button, {}, {});
    };
    if (x % 4 == 0 && y % 4 == 0) {
        planned.expect.click = Expect::Click{index, Code(button)};
    } else {
        planned.expect.ignoredRelease = true;
    }
    return planned;
}

Driver::Planned Driver::PlanChord() {
    const Spot first = RandomSpot();
    Spot second = RandomSpot();
    if (second.at == first.at) {
        second.at += first.at.x() > 0 ? QPoint(-1, 0) : QPoint(1, 0);
    }
    Planned planned;
    planned.description = Say("left press on square ", first.index, " at pixel ", first.at.x(), ",",
                              first.at.y(), ", right click at pixel ", second.at.x(), ",",
                              second.at.y(), " while it is held, left release");
    planned.act = [this, first, second] {
        session_->DirectMouse(true, first.at, Qt::LeftButton, Qt::LeftButton, {});
        session_->DirectMouse(true, second.at, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
                              {});
        session_->DirectMouse(false, second.at, Qt::RightButton, Qt::LeftButton, {});
        session_->DirectMouse(false, first.at, Qt::LeftButton, {}, {});
    };
    // The square that took the first press keeps the mouse while a button is
    // held: the right click is its own, the left release lands away from the
    // last press.
    planned.expect.click = Expect::Click{first.index, 2};
    return planned;
}

Driver::Planned Driver::PlanMenu() {
    struct Item {
        const char* name;
        int weight;
    };
    static constexpr Item items[] = {
        {"G_NewGame", 300},    {"G_Quit", 60},      {"R_Board", 100},
        {"R_Time", 60},        {"O_Options", 100},  {"O_CustomizeBoard", 80},
        {"I_A_Tessaline", 20}, {"I_A_Vantiro", 20}, {"I_A_Author", 20},
        {"I_R_Object", 20},    {"I_R_Play", 20},    {"I_R_Customize", 20},
        {"I_License", 20},     {"G_Exit", 1}};
    int total = 0;
    for (const Item& item : items) {
        total += item.weight;
    }
    int pick = Uniform(0, total - 1);
    const Item* chosen = &items[0];
    for (const Item& item : items) {
        if (pick < item.weight) {
            chosen = &item;
            break;
        }
        pick -= item.weight;
    }
    const std::string item = chosen->name;
    Planned planned;
    planned.description = "menu " + item;
    planned.act = [this, item] { session_->Menu(item); };
    Expect& expect = planned.expect;
    if (item == "G_NewGame") {
        expect.newGame = true;
        expect.redraw = true;
    } else if (item == "G_Quit") {
        expect.quit = true;
    } else if (item == "R_Board") {
        expect.redraw = true;
        expect.modelUntouched = true;
    } else if (item == "R_Time") {
        expect.shows = "Time";
        expect.modelUntouched = true;
    } else if (item == "O_Options") {
        expect.openOptions = true;
    } else if (item == "O_CustomizeBoard") {
        expect.openCustomize = true;
    } else if (item.starts_with("I_")) {
        static const std::pair<const char*, const char*> shows[] = {
            {"I_A_Tessaline", "AboutTessaline"},
            {"I_A_Vantiro", "AboutVantiro"},
            {"I_A_Author", "AboutAuthor"},
            {"I_R_Object", "Rules_Object"},
            {"I_R_Play", "Rules_Play"},
            {"I_R_Customize", "Rules_Customize"},
            {"I_License", "License"}};
        for (const auto& [command, window] : shows) {
            if (item == command) {
                expect.shows = window;
            }
        }
        expect.modelUntouched = true;
    }
    return planned;
}

Driver::Planned Driver::PlanGuessOrScan(bool guess) {
    const int index = Uniform(1, 6);
    const Qt::MouseButton button = Chance(90) ? Qt::LeftButton : Qt::RightButton;
    const char* control = guess ? "rbtGuess" : "cbxScan";
    Planned planned;
    planned.description = Say(ButtonName(button), " click on ", control, "(", index, ")");
    planned.act = [this, control, index, button] {
        session_->ClickAt("Color", control, index, button);
    };
    planned.expect.modelUntouched = true;
    if (button != Qt::LeftButton) {
        planned.expect.boardUnchanged = Chance(25);
    } else if (guess) {
        planned.expect.guess = index;
        planned.expect.boardUnchanged = Chance(25);
    } else if (session_->game().GameOver) {
        planned.expect.boardUnchanged = true;
    } else {
        planned.expect.redraw = true;
    }
    return planned;
}

Driver::Planned Driver::PlanMainKey() {
    static constexpr Qt::Key keys[] = {Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Space,
                                       Qt::Key_Space, Qt::Key_Return,  Qt::Key_Left,
                                       Qt::Key_Right, Qt::Key_Up,      Qt::Key_Down};
    const Qt::Key key = keys[Uniform(0, static_cast<int>(std::size(keys)) - 1)];
    Planned planned;
    planned.description = Say("key ", QKeySequence(key).toString().toStdString(),
                              " in the main window on ", session_->FocusName("Color"));
    planned.act = [this, key] {
        session_->Key("Color", key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    };
    planned.expect.modelUntouched = true;
    if (key == Qt::Key_Space) {
        const std::string focus = session_->FocusName("Color");
        const int index = focus.empty() ? -1 : session_->FocusIndex("Color", focus);
        if (focus == "rbtGuess" && index > 0) {
            planned.expect.guess = index;
        } else if (focus == "cbxScan" && index > 0) {
            planned.expect.redraw = !session_->game().GameOver;
            planned.expect.boardUnchanged = session_->game().GameOver;
        }
    }
    return planned;
}

Driver::Planned Driver::PlanType() {
    const std::string dialog = ShownDialog();
    std::string box = "txtPerBlocks";
    int index = -1;
    if (dialog == "Options") {
        const int which = Uniform(0, 7);
        box = which == 0 ? "txtHeight" : which == 1 ? "txtWidth" : "txtPerColor";
        index = which < 2 ? -1 : which - 1;
    }
    const Entry entry = RandomEntry(engine_);
    Planned planned;
    planned.description = Say(entry.paste ? "paste " : "type ", Quoted(entry.text), " into ",
                              dialog, " ", box, index >= 0 ? Say("(", index, ")") : "");
    planned.act = [this, dialog, box, index, entry] {
        session_->Type(dialog, box, index, entry.text, entry.paste);
    };
    planned.expect.modelUntouched = true;
    return planned;
}

Driver::Planned Driver::PlanConfirm() {
    const std::string dialog = ShownDialog();
    const std::string focus = session_->FocusName(dialog);
    Planned planned;
    Expect& expect = planned.expect;
    const int roll = Uniform(0, 99);
    enum class Act { Ok, Cancel, Nothing } act = Act::Nothing;
    if (dialog == "Options") {
        if (roll < 35) {
            planned.description = "click OK in Options";
            planned.act = [this] { session_->ClickAt("Options", "btnOK", -1, Qt::LeftButton); };
            act = Act::Ok;
        } else if (roll < 50) {
            planned.description = "click Cancel in Options";
            planned.act = [this] { session_->ClickAt("Options", "lblCancel", -1, Qt::LeftButton); };
            act = Act::Cancel;
        } else {
            const Qt::Key key = roll < 75   ? Qt::Key_Return
                                : roll < 85 ? Qt::Key_Escape
                                : roll < 95 ? Qt::Key_Space
                                            : Qt::Key_Tab;
            planned.description = Say("key ", QKeySequence(key).toString().toStdString(),
                                      " in Options on ", focus.empty() ? "nothing" : focus);
            planned.act = [this, key] { session_->Key("Options", key); };
            if (key == Qt::Key_Return) {
                act = focus == "lblCancel" ? Act::Cancel : Act::Ok;
            } else if (key == Qt::Key_Escape) {
                act = Act::Cancel;
            } else if (key == Qt::Key_Space) {
                act = focus == "btnOK" ? Act::Ok : focus == "lblCancel" ? Act::Cancel : act;
            }
        }
        if (act == Act::Ok) {
            Form& options = session_->tk["Options"];
            std::array<std::string, 8> texts{options("txtHeight").Text(),
                                             options("txtWidth").Text()};
            for (int k = 1; k <= 6; ++k) {
                texts[static_cast<std::size_t>(k + 1)] = options("txtPerColor", k).Text();
            }
            expect.options = texts;
        } else if (act == Act::Cancel) {
            expect.cancelOptions = true;
            expect.modelUntouched = true;
        } else {
            expect.modelUntouched = true;
        }
        return planned;
    }
    if (roll < 50) {
        planned.description = "click Set Blocks";
        planned.act = [this] {
            session_->ClickAt("CustomizeBoard", "btnSetBlocks", -1, Qt::LeftButton);
        };
        act = Act::Ok;
    } else {
        const Qt::Key key = roll < 80 ? Qt::Key_Return : roll < 90 ? Qt::Key_Escape : Qt::Key_Space;
        planned.description = Say("key ", QKeySequence(key).toString().toStdString(),
                                  " in Customize Board on ", focus.empty() ? "nothing" : focus);
        planned.act = [this, key] { session_->Key("CustomizeBoard", key); };
        if (key == Qt::Key_Return || (key == Qt::Key_Space && focus == "btnSetBlocks")) {
            act = Act::Ok;
        }
    }
    if (act == Act::Ok) {
        expect.blocks = session_->tk["CustomizeBoard"]("txtPerBlocks").Text();
    } else {
        expect.modelUntouched = true;
    }
    return planned;
}

Driver::Planned Driver::PlanButton() {
    std::vector<std::string_view> shown;
    for (std::string_view window : Informing) {
        if (session_->Shown(window)) {
            shown.push_back(window);
        }
    }
    const std::string window(
        shown[static_cast<std::size_t>(Uniform(0, static_cast<int>(shown.size()) - 1))]);
    const std::string button = OnlyButton(window);
    Planned planned;
    planned.expect.modelUntouched = true;
    const int roll = Uniform(0, 99);
    if (roll < 60) {
        planned.description = "click " + button + " in " + window;
        planned.act = [this, window, button] {
            session_->ClickAt(window, button, -1, Qt::LeftButton);
        };
        planned.expect.hides = window;
    } else if (roll < 85) {
        planned.description = "key Return in " + window;
        planned.act = [this, window] { session_->Key(window, Qt::Key_Return); };
        planned.expect.hides = window;
    } else {
        planned.description = "key Escape in " + window;
        planned.act = [this, window] { session_->Key(window, Qt::Key_Escape); };
        planned.expect.shows = window;
    }
    return planned;
}

Driver::Planned Driver::PlanPicture() {
    const bool product =
        session_->Shown("AboutTessaline") && (!session_->Shown("AboutVantiro") || Chance(70));
    const Qt::MouseButton button = Chance(85) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.expect.modelUntouched = true;
    if (product) {
        const Int16 flag = session_->game().AboutPictureFlag;
        planned.description = ButtonName(button) + " click on the picture of AboutTessaline";
        planned.act = [this, button] {
            session_->ClickAt("AboutTessaline", "icnTessaline", -1, button);
        };
        planned.expect.pictureFlag = button == Qt::LeftButton ? static_cast<Int16>(1 - flag) : flag;
    } else {
        planned.description = ButtonName(button) + " click on the picture of AboutVantiro";
        planned.act = [this, button] {
            session_->ClickAt("AboutVantiro", "icnVantiro", -1, button);
        };
    }
    return planned;
}

Driver::Planned Driver::PlanClose() {
    std::vector<std::string_view> shown;
    for (std::string_view window : WindowNames) {
        if (window != "Color" && session_->Shown(window)) {
            shown.push_back(window);
        }
    }
    std::string window = "Color";
    if (!shown.empty() && !Chance(4)) {
        window = std::string(
            shown[static_cast<std::size_t>(Uniform(0, static_cast<int>(shown.size()) - 1))]);
    }
    Planned planned;
    planned.description = "close " + window + " through its title bar";
    planned.act = [this, window] { session_->CloseByTitleBar(window); };
    planned.expect.closed = window;
    return planned;
}

Driver::Planned Driver::PlanTicks() {
    const int roll = Uniform(0, 9999);
    // Now and then a game long enough for the count to reach its largest value.
    const int ticks = roll < 2 ? 33'000 : roll < 1000 ? Uniform(2, 5) : 1;
    Planned planned;
    planned.description = Say(ticks, ticks == 1 ? " tick" : " ticks", " of the clock");
    planned.act = [this, ticks] {
        for (int i = 0; i < ticks; ++i) {
            QTimer* timer = session_->ClockTimer();
            if (timer == nullptr || !QMetaObject::invokeMethod(timer, "timeout")) {
                throw std::logic_error("the clock's timer cannot tick");
            }
        }
    };
    planned.expect.ticks = ticks;
    planned.expect.modelUntouched = true;
    return planned;
}

Driver::Planned Driver::PlanPaint() {
    std::vector<std::string_view> shown;
    for (std::string_view window : WindowNames) {
        if (session_->Shown(window)) {
            shown.push_back(window);
        }
    }
    const std::string window(
        shown[static_cast<std::size_t>(Uniform(0, static_cast<int>(shown.size()) - 1))]);
    Planned planned;
    planned.description = "paint " + window;
    planned.act = [this, window] { session_->Window(window)->grab(); };
    planned.expect.modelUntouched = true;
    planned.expect.shows = window;
    return planned;
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
