#pragma once
// The shapes the window definitions are made of, so that each definition lists one control a
// line, its arguments always in the same order (name, caption, left, top, width, height, tab),
// every value in twips. Whatever a builder does not take keeps the default of its type.

#include "ui/toolkit/definition.h"

#include <optional>
#include <string_view>

namespace tessaline::ui::layout {

// A window with the defaults of its type: sizable, both title-bar buttons, the toolkit's icon.
inline FormDef Window(std::string_view name, std::string_view caption, int clientWidth,
                      int clientHeight, std::optional<Placement> placement) {
    FormDef form;
    form.name = name;
    form.caption = caption;
    form.clientWidth = clientWidth;
    form.clientHeight = clientHeight;
    form.placement = placement;
    return form;
}

// A window of fixed size with neither a minimize nor a maximize button, and the program's icon.
inline FormDef FixedDialog(std::string_view name, std::string_view caption, int clientWidth,
                           int clientHeight, std::optional<Placement> placement) {
    FormDef form = Window(name, caption, clientWidth, clientHeight, placement);
    form.border = BorderKind::FixedSingle;
    form.minimizeButton = false;
    form.maximizeButton = false;
    form.programIcon = true;
    return form;
}

// A window the player may resize and minimize.
inline FormDef SizableWindow(std::string_view name, std::string_view caption, int clientWidth,
                             int clientHeight, std::optional<Placement> placement,
                             bool maximizeButton, bool programIcon) {
    FormDef form = Window(name, caption, clientWidth, clientHeight, placement);
    form.border = BorderKind::Sizable;
    form.minimizeButton = true;
    form.maximizeButton = maximizeButton;
    form.programIcon = programIcon;
    return form;
}

// What the rules, about, licence and win windows have in common: placed by the system, sizable,
// with the toolkit's default window icon.
inline FormDef InformationWindow(std::string_view name, std::string_view caption, int clientWidth,
                                 int clientHeight, bool maximizeButton) {
    return SizableWindow(name, caption, clientWidth, clientHeight, std::nullopt, maximizeButton,
                         /*programIcon=*/false);
}

// A control of `kind` at its place in the window and in the focus order.
inline ControlDef Placed(ControlKind kind, std::string_view name, std::string_view caption,
                         int left, int top, int width, int height, int tab) {
    ControlDef control;
    control.kind = kind;
    control.name = name;
    control.caption = caption;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.tab = tab;
    return control;
}

inline ControlDef Label(std::string_view name, std::string_view caption, int left, int top,
                        int width, int height, int tab) {
    return Placed(ControlKind::Label, name, caption, left, top, width, height, tab);
}

// `label`, naming the text box `box` for assistive technology: the item of the label's index.
inline ControlDef Naming(std::string_view box, ControlDef label) {
    label.buddy = box;
    return label;
}

// Text boxes start empty: whatever they show is filled in when their window opens.
inline ControlDef TextBox(std::string_view name, int left, int top, int width, int height,
                          int tab) {
    return Placed(ControlKind::TextBox, name, {}, left, top, width, height, tab);
}

inline ControlDef CheckBox(std::string_view name, std::string_view caption, int left, int top,
                           int width, int height, int tab) {
    return Placed(ControlKind::CheckBox, name, caption, left, top, width, height, tab);
}

inline ControlDef RadioButton(std::string_view name, std::string_view caption, int left, int top,
                              int width, int height, int tab, bool selected) {
    ControlDef control =
        Placed(ControlKind::RadioButton, name, caption, left, top, width, height, tab);
    control.value = selected;
    return control;
}

// Which key presses a command button besides a click.
enum class ButtonRole {
    Plain,
    Default, // Enter
    Cancel,  // Escape
};

inline ControlDef Button(std::string_view name, std::string_view caption, int left, int top,
                         int width, int height, int tab, ButtonRole role) {
    ControlDef control =
        Placed(ControlKind::CommandButton, name, caption, left, top, width, height, tab);
    control.isDefault = role == ButtonRole::Default;
    control.isCancel = role == ButtonRole::Cancel;
    return control;
}

inline ControlDef PictureBox(std::string_view name, Picture picture, bool visible, int left,
                             int top, int width, int height, int tab) {
    ControlDef control = Placed(ControlKind::PictureBox, name, {}, left, top, width, height, tab);
    control.visible = visible;
    control.picture = picture;
    return control;
}

// Timers have no place: they are never seen.
inline ControlDef Timer(std::string_view name, int interval, bool enabled) {
    ControlDef control;
    control.kind = ControlKind::Timer;
    control.name = name;
    control.interval = interval;
    control.enabled = enabled;
    return control;
}

// `control` as item `index` of the control array of its name.
inline ControlDef Item(int index, ControlDef control) {
    control.index = index;
    return control;
}

} // namespace tessaline::ui::layout
