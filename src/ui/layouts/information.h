#pragma once
// What the rules, about and licence windows have in common: placed by the system, sizable, the
// default window icon, wrapped texts and one button that Enter presses. Arguments follow the
// order of a layout table: left, top, width, height, tab.

#include "ui/layouts/layouts.h"

namespace tessaline::ui::information {

inline FormDef Window(std::string_view name, std::string_view caption, int clientWidth,
                      int clientHeight, bool maximizeButton) {
    return {.name = name,
            .caption = caption,
            .clientWidth = clientWidth,
            .clientHeight = clientHeight,
            .placement = std::nullopt,
            .border = BorderKind::Sizable,
            .minimizeButton = true,
            .maximizeButton = maximizeButton,
            .programIcon = false,
            .controls = {},
            .menus = {}};
}

inline ControlDef Text(std::string_view name, std::string_view text, int left, int top, int width,
                       int height, int tab) {
    return {.kind = ControlKind::Label,
            .name = name,
            .caption = text,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = tab};
}

inline ControlDef Button(std::string_view name, std::string_view caption, int left, int top,
                         int width, int height, int tab) {
    return {.kind = ControlKind::CommandButton,
            .name = name,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = tab,
            .isDefault = true};
}

inline ControlDef PictureBox(std::string_view name, Picture picture, bool visible, int left,
                             int top, int width, int height, int tab) {
    return {.kind = ControlKind::PictureBox,
            .name = name,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tab = tab,
            .visible = visible,
            .picture = picture};
}

} // namespace tessaline::ui::information
