// The driver's events on the windows: menu commands, the main window's
// controls and keys, texts typed into the dialogs and their buttons and keys,
// the informing windows' buttons, the about pictures, title-bar closes, clock
// ticks and paints.

#include "driver.h"
#include "events.h"
#include "say.h"

#include <QKeySequence>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace tessaline::ui::random {

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
    const std::string focus = session_->FocusName("Color");
    const int index = focus.empty() ? -1 : session_->FocusIndex("Color", focus);
    if (focus == "rbtGuess" && index > 0 && key != Qt::Key_Tab && key != Qt::Key_Backtab &&
        key != Qt::Key_Return) {
        // An arrow chooses the neighbouring colour, none past either end.
        const int step = key == Qt::Key_Left || key == Qt::Key_Up      ? -1
                         : key == Qt::Key_Right || key == Qt::Key_Down ? 1
                                                                       : 0;
        planned.expect.guess = index + step >= 1 && index + step <= 6 ? index + step : 0;
        planned.expect.guessFocused = planned.expect.guess != 0;
    } else if (key == Qt::Key_Space) {
        if (focus == "cbxScan" && index > 0) {
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

} // namespace tessaline::ui::random
