#include "ui/toolkit/toolkit.h"

#include "ui/toolkit/board_widget.h"
#include "ui/toolkit/form_window.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <stdexcept>

namespace tessaline::ui {

namespace {

std::string ToString(const QString& text) {
    return text.toUtf8().toStdString();
}

const char* KindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label:
        return "label";
    case ControlKind::TextBox:
        return "text box";
    case ControlKind::CommandButton:
        return "command button";
    case ControlKind::CheckBox:
        return "check box";
    case ControlKind::RadioButton:
        return "radio button";
    case ControlKind::PictureBox:
        return "picture box";
    case ControlKind::Timer:
        return "timer";
    }
    return "control";
}

} // namespace

Control::Control(detail::FormState& form, std::string name, int index, ControlKind kind)
    : form_(form), name_(std::move(name)), index_(index), kind_(kind) {}

Control::~Control() = default;

detail::ControlSlot* Control::Slot() {
    detail::FormWindow* window = form_.Live();
    if (window == nullptr) {
        return nullptr;
    }
    if (slot_ == nullptr || generation_ != form_.generation) {
        slot_ = window->Find(name_, index_);
        generation_ = form_.generation;
    }
    return slot_;
}

namespace {

void Require(const Control& control, bool fits, const char* operation) {
    if (!fits) {
        throw std::logic_error(std::string(operation) + " does not apply to the " +
                               KindName(control.Kind()) + " " +
                               detail::Describe(control.Name(), control.Index()));
    }
}

bool HasCaption(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::CommandButton ||
           kind == ControlKind::CheckBox || kind == ControlKind::RadioButton;
}

} // namespace

void Control::SetCaption(std::string_view caption) {
    Require(*this, HasCaption(kind_), "SetCaption");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->grid != nullptr) {
        slot->grid->SetCaption(slot->cell, ToQString(caption));
    } else if (kind_ == ControlKind::Label) {
        static_cast<QLabel*>(slot->widget)->setText(ToQString(caption));
    } else {
        static_cast<QAbstractButton*>(slot->widget)->setText(ToQString(caption));
    }
}

std::string Control::Caption() {
    Require(*this, HasCaption(kind_), "Caption");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return {};
    }
    if (slot->grid != nullptr) {
        return ToString(slot->grid->Caption(slot->cell));
    }
    if (kind_ == ControlKind::Label) {
        return ToString(static_cast<QLabel*>(slot->widget)->text());
    }
    return ToString(static_cast<QAbstractButton*>(slot->widget)->text());
}

void Control::SetBackColour(Colour colour) {
    Require(*this, kind_ != ControlKind::Timer, "SetBackColour");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->grid != nullptr) {
        slot->grid->SetBackColour(slot->cell, colour);
    } else if (slot->back != colour) {
        slot->back = colour;
        detail::SetWidgetBackColour(*slot->widget, colour);
    }
}

Colour Control::BackColour() {
    Require(*this, kind_ != ControlKind::Timer, "BackColour");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return SystemButtonFace;
    }
    if (slot->grid != nullptr) {
        return slot->grid->BackColour(slot->cell);
    }
    if (slot->back) {
        return *slot->back;
    }
    const std::optional<Colour>& fromLayout = slot->def->backColour;
    if (fromLayout) {
        return *fromLayout;
    }
    return kind_ == ControlKind::TextBox ? SystemWindowBackground : SystemButtonFace;
}

void Control::SetVisible(bool visible) {
    Require(*this, kind_ != ControlKind::Timer, "SetVisible");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->grid != nullptr) {
        slot->grid->SetVisible(slot->cell, visible);
    } else {
        slot->widget->setVisible(visible);
    }
}

bool Control::IsVisible() {
    Require(*this, kind_ != ControlKind::Timer, "IsVisible");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return false;
    }
    if (slot->grid != nullptr) {
        return slot->grid->IsVisible(slot->cell);
    }
    // Visible as far as the control goes, whether or not its window is shown.
    return !slot->widget->isHidden();
}

void Control::SetEnabled(bool enabled) {
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->timer != nullptr) {
        slot->timerEnabled = enabled;
        if (enabled && slot->timer->interval() > 0) {
            if (!slot->timer->isActive()) {
                slot->timer->start();
            }
        } else {
            slot->timer->stop();
        }
    } else if (slot->grid != nullptr) {
        slot->grid->SetEnabled(slot->cell, enabled);
    } else {
        slot->widget->setEnabled(enabled);
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
    if (slot->grid != nullptr) {
        return slot->grid->IsEnabled(slot->cell);
    }
    return slot->widget->isEnabled();
}

int Control::Value() {
    Require(*this, kind_ == ControlKind::CheckBox || kind_ == ControlKind::RadioButton, "Value");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return 0;
    }
    return static_cast<QAbstractButton*>(slot->widget)->isChecked() ? 1 : 0;
}

void Control::SetValue(int value) {
    Require(*this, kind_ == ControlKind::CheckBox || kind_ == ControlKind::RadioButton, "SetValue");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    auto* button = static_cast<QAbstractButton*>(slot->widget);
    const bool on = value != 0;
    auto* window = static_cast<detail::FormWindow*>(form_.window);
    if (kind_ == ControlKind::CheckBox) {
        if (button->isChecked() != on) {
            button->setChecked(on);
            window->RaiseClick(*slot->def);
        }
        return;
    }
    button->setChecked(on);
    if (on) {
        window->ClearOtherRadios(button);
        window->RaiseClick(*slot->def);
    }
}

void Control::SetText(std::string_view text) {
    Require(*this, kind_ == ControlKind::TextBox, "SetText");
    if (detail::ControlSlot* slot = Slot(); slot != nullptr) {
        auto* box = static_cast<QLineEdit*>(slot->widget);
        box->setText(ToQString(text));
        box->setCursorPosition(0); // a text too long for its box shows its start
    }
}

std::string Control::Text() {
    Require(*this, kind_ == ControlKind::TextBox, "Text");
    detail::ControlSlot* slot = Slot();
    return slot == nullptr ? std::string()
                           : ToString(static_cast<QLineEdit*>(slot->widget)->text());
}

void Control::SetInterval(int milliseconds) {
    Require(*this, kind_ == ControlKind::Timer, "SetInterval");
    detail::ControlSlot* slot = Slot();
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
    Require(*this, kind_ == ControlKind::Timer, "Interval");
    detail::ControlSlot* slot = Slot();
    return slot == nullptr ? 0 : slot->timer->interval();
}

void Control::SetAccessibleName(std::string_view name) {
    Require(*this, kind_ != ControlKind::Timer, "SetAccessibleName");
    detail::ControlSlot* slot = Slot();
    if (slot == nullptr) {
        return;
    }
    if (slot->grid != nullptr) {
        slot->grid->SetAccessibleText(slot->cell, ToQString(name));
    } else {
        slot->widget->setAccessibleName(ToQString(name));
    }
}

} // namespace tessaline::ui
