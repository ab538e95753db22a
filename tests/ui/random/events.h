#pragma once
// What the driver's events share: names of buttons and windows, and texts
// short enough for a report.

#include "say.h"
#include "session.h"

#include "ui/layouts/layouts.h"

#include <QString>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaline::ui::random {

inline std::string ButtonName(Qt::MouseButton button) {
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

inline int Code(Qt::MouseButton button) {
    return button == Qt::LeftButton ? 1 : button == Qt::RightButton ? 2 : 0;
}

inline std::string Quoted(const QString& text) {
    std::string shown = text.left(24).toStdString();
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '~';
        }
    }
    return "\"" + shown + (text.size() > 24 ? Say("...\" (", text.size(), " characters)") : "\"");
}

// The windows whose single command button hides them.
inline constexpr std::string_view Informing[] = {
    "ErrorAZ",        "PlayerWin",    "Rules_Object", "Rules_Play", "Rules_Customize",
    "AboutTessaline", "AboutVantiro", "AboutAuthor",  "License"};

inline std::string OnlyButton(std::string_view window) {
    for (const ControlDef& control : FindLayout(window)->controls) {
        if (control.kind == ControlKind::CommandButton) {
            return std::string(control.name);
        }
    }
    throw std::logic_error("no button on " + std::string(window));
}

} // namespace tessaline::ui::random
