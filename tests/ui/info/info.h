#pragma once
// How the tests reach the information windows: the eight windows, and opening
// one the way the program does.

#include "program.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

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
    const QString name = QString::fromUtf8(window.data(), static_cast<qsizetype>(window.size()));
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name) {
            ++count;
        }
    }
    return count;
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tessaline::ui::test
