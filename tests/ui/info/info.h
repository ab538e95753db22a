#pragma once
// How the tests reach the information windows: the eight windows, and opening
// one the way the program does.

#include "program.h"

#include <QApplication>
#include <QEvent>

#include <array>
#include <string_view>
#include <utility>

namespace tessaline::ui::test {

// The rules, about and licence windows, and the win window.
inline constexpr std::array<std::string_view, 8> InformationWindows{
    "Rules_Object", "Rules_Play",  "Rules_Customize", "AboutTessaline",
    "AboutVantiro", "AboutAuthor", "License",         "PlayerWin"};

// The Info menu's command for each window.
inline void ShowFromInfoMenu(Program& program, std::string_view window) {
    static const std::pair<std::string_view, std::string_view> commands[] = {
        {"Rules_Object", "I_R_Object"},
        {"Rules_Play", "I_R_Play"},
        {"Rules_Customize", "I_R_Customize"},
        {"AboutTessaline", "I_A_Tessaline"},
        {"AboutVantiro", "I_A_Vantiro"},
        {"AboutAuthor", "I_A_Author"},
        {"License", "I_License"}};
    for (const auto& [name, item] : commands) {
        if (name == window) {
            program.Menu(item);
            return;
        }
    }
    QFAIL("no Info menu command shows this window");
}

// An information window opened as the program opens it: the win window by a
// won game, every other one from the Info menu.
inline void Open(Program& program, std::string_view window) {
    if (window == "PlayerWin") {
        program.app.frontend.ShowWinWindow();
    } else {
        ShowFromInfoMenu(program, window);
    }
}

// The top-level widgets of one window, closed ones included once the event
// loop would have deleted them.
inline int CountWindows(std::string_view window) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return CountTopLevels(ToQString(window));
}

} // namespace tessaline::ui::test
