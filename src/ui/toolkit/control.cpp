#include "ui/toolkit/toolkit.h"

#include "ui/toolkit/board_widget.h"
#include "ui/toolkit/form_window.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/widgets.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace tessaline::ui {

namespace {

using enum ControlKind;

std::string ToString(const QString& text) {
    return text.toUtf8().toStdString();
}

void Check(const Control& control, bool fits, const char* operation) {
    if (!fits) {
        throw std::logic_error(std::string(operation) + " does not apply to " +
                               detail::Describe(control.Name(), control.Index()));
    }
}

// The live control, its window created if needed, for an operation that must
// fit the control's kind; nullptr once the program has ended.
detail::ControlSlot* Live(Control& control, bool fits, const char* operation) {
    Check(control, fits, operation);
    return control.Slot();
}

bool HasCaption(ControlKind kind) {
    return kind == Label || kind == CommandButton || kind == CheckBox || kind == RadioButton;
}

} // namespace

Control::Control(detail::FormState& form, std::size_t position, std::string_view name, int index,
                 ControlKind kind)
    : form_(form), position_(position), name_(name), index_(index), kind_(kind) {}

detail::ControlSlot* Control::Slot() {
    detail::FormWindow* window = form_.Live();
    return window == nullptr ? nullptr : &window->Slot(position_);
}

// Captions and texts are the "text" property of labels, buttons and text boxes alike.
void Control::SetCaption(std::string_view caption) {
    if (detail::ControlSlot* slot = Live(*this, HasCaption(kind_), "SetCaption")) {
        if (slot->grid != nullptr) {
            slot->grid->SetCaption(slot->cell, ToQString(caption));
        } else {
            slot->widget->setProperty("text", ToQString(caption));
        }
    }
}

std::string Control::Caption() {
    detail::ControlSlot* slot = Live(*this, HasCaption(kind_), "Caption");
    if (slot == nullptr) {
        return {};
    }
    return ToString(slot->grid != nullptr ? slot->grid->Caption(slot->cell)
                                          : slot->widget->property("text").toString());
}

void Control::SetBackColour(Colour colour) {
    detail::ControlSlot* slot = Live(*this, kind_ != Timer, "SetBackColour");
    if (slot != nullptr && slot->grid != nullptr) {
        slot->grid->SetBackColour(slot->cell, colour);
    } else if (slot != nullptr && slot->back != colour) {
        slot->back = colour;
        detail::SetWidgetColour(*slot->widget, colour, QPalette::Window);
    }
}

Colour Control::BackColour() {
    detail::ControlSlot* slot = Live(*this, kind_ != Timer, "BackColour");
    if (slot == nullptr) {
        return SystemButtonFace;
    }
    if (slot->grid != nullptr) {
        return slot->grid->BackColour(slot->cell);
    }
    const Colour standard = kind_ == TextBox ? SystemWindowBackground : SystemButtonFace;
    return slot->back.value_or(slot->def->backColour.value_or(standard));
}

void Control::SetVisible(bool visible) {
    if (detail::ControlSlot* slot = Live(*this, kind_ != Timer, "SetVisible")) {
        if (slot->grid != nullptr) {
            slot->grid->SetVisible(slot->cell, visible);
        } else {
            slot->widget->setVisible(visible);
        }
    }
}

bool Control::IsVisible() {
    detail::ControlSlot* slot = Live(*this, kind_ != Timer, "IsVisible");
    if (slot == nullptr) {
        return false;
    }
    // Visible as far as the control goes, whether or not its window is shown.
    return slot->grid != nullptr ? slot->grid->IsVisible(slot->cell) : !slot->widget->isHidden();
}

void Control::SetEnabled(bool enabled) {
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->timer != nullptr) {
        slot->timerEnabled = enabled;
        if (!enabled || slot->timer->interval() <= 0) {
            slot->timer->stop();
        } else if (!slot->timer->isActive()) {
            slot->timer->start();
        }
    } else if (slot->grid != nullptr) {
        slot->grid->SetEnabled(slot->cell, enabled);
    } else {
        form_.window->EnableWidget(*slot->widget, enabled);
    }
}

bool Control::IsEnabled() {
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return false;
    }
    if (slot->timer != nullptr) {
        return slot->timerEnabled;
    }
    return slot->grid != nullptr ? slot->grid->IsEnabled(slot->cell) : slot->widget->isEnabled();
}

int Control::Value() {
    detail::ControlSlot* slot = Live(*this, kind_ == CheckBox || kind_ == RadioButton, "Value");
    return slot != nullptr && static_cast<QAbstractButton*>(slot->widget)->isChecked() ? 1 : 0;
}

void Control::SetValue(int value) {
    detail::ControlSlot* slot = Live(*this, kind_ == CheckBox || kind_ == RadioButton, "SetValue");
    if (slot == nullptr) {
        return;
    }
    auto* button = static_cast<QAbstractButton*>(slot->widget);
    const bool on = value != 0;
    if (kind_ == RadioButton && !on) {
        // The group keeps one selected against the player, not against the program.
        button->group()->setExclusive(false);
        button->setChecked(false);
        button->group()->setExclusive(true);
    } else if (kind_ == RadioButton || button->isChecked() != on) {
        // The program's click is raised as the player's is, through the button.
        button->setChecked(on);
        emit button->clicked(on);
    }
}

void Control::SetText(std::string_view text) {
    if (detail::ControlSlot* slot = Live(*this, kind_ == TextBox, "SetText")) {
        auto* box = static_cast<QLineEdit*>(slot->widget);
        box->setText(ToQString(text));
        box->setCursorPosition(0); // a text too long for its box shows its start
    }
}

std::string Control::Text() {
    detail::ControlSlot* slot = Live(*this, kind_ == TextBox, "Text");
    return slot == nullptr ? std::string() : ToString(slot->widget->property("text").toString());
}

void Control::SetInterval(int milliseconds) {
    detail::ControlSlot* slot = Live(*this, kind_ == Timer, "SetInterval");
    if (slot == nullptr) {
        return;
    }
    slot->timer->setInterval(std::max(milliseconds, 0));
    if (slot->timerEnabled && milliseconds > 0) {
        slot->timer->start(); // counts the new interval from now
    } else {
        slot->timer->stop();
    }
}

int Control::Interval() {
    detail::ControlSlot* slot = Live(*this, kind_ == Timer, "Interval");
    return slot == nullptr ? 0 : slot->timer->interval();
}

void Control::SetAccessibleName(std::string_view name) {
    detail::ControlSlot* slot = Live(*this, kind_ != Timer, "SetAccessibleName");
    if (slot != nullptr && slot->grid != nullptr) {
        slot->grid->SetAccessibleText(slot->cell, ToQString(name));
    } else if (slot != nullptr) {
        slot->widget->setAccessibleName(ToQString(name));
    }
}

void Control::OnClick(std::function<void()> handler) {
    Check(*this, kind_ != Label && kind_ != TextBox && kind_ != Timer, "OnClick");
    click_ = std::move(handler);
}

void Control::OnTick(std::function<void()> handler) {
    Check(*this, kind_ == Timer, "OnTick");
    click_ = std::move(handler);
}

void Control::OnMouse(MouseHandler handler) {
    Check(*this, kind_ == Label, "OnMouse");
    mouse_ = std::move(handler);
}

} // namespace tessaline::ui
