#include "ui/toolkit/toolkit_qt.h"

#include "ui/toolkit/board_widget.h"
#include "ui/toolkit/form_window.h"
#include "ui/toolkit/state.h"

#include <QAccessible>
#include <QPixmap>

namespace tessaline::ui {

void SetPicturePainter(Toolkit& toolkit, PicturePainter painter) {
    detail::ToolkitState& state = toolkit.State();
    state.picturePainter = std::move(painter);
    for (auto& [name, form] : state.forms) {
        if (form->window != nullptr) {
            form->window->update();
        }
    }
}

void SetPictureDescriber(Toolkit& toolkit, PictureDescriber describer) {
    toolkit.State().pictureDescriber = std::move(describer);
}

void SetProgramIcon(Toolkit& toolkit, const QIcon& icon) {
    detail::ToolkitState& state = toolkit.State();
    state.programIcon = icon;
    for (auto& [name, form] : state.forms) {
        if (form->window != nullptr && form->def.programIcon) {
            form->window->setWindowIcon(icon); // a null icon is the default one
        }
    }
}

QWidget* WindowWidget(Form& form) {
    return form.State().window;
}

QWidget* ClientWidget(Form& form) {
    detail::FormWindow* window = form.State().Live();
    return window == nullptr ? nullptr : window->Client();
}

QWidget* ControlWidget(Control& control) {
    detail::ControlSlot* slot = control.Slot();
    return slot == nullptr ? nullptr : slot->widget;
}

QRect ControlRect(Control& control) {
    detail::ControlSlot* slot = control.Slot();
    if (slot == nullptr || slot->widget == nullptr) {
        return {};
    }
    if (slot->grid != nullptr) {
        return slot->grid->CellRect(slot->cell);
    }
    return slot->widget->rect();
}

int PaintCount(Control& control) {
    detail::ControlSlot* slot = control.Slot();
    return slot == nullptr || slot->grid == nullptr ? -1 : slot->grid->PaintCount();
}

QString AccessibleText(Control& control) {
    detail::ControlSlot* slot = control.Slot();
    if (slot == nullptr || slot->widget == nullptr) {
        return {};
    }
    if (slot->grid != nullptr) {
        return slot->grid->AnnouncedText(slot->cell);
    }
    QAccessibleInterface* announced = QAccessible::queryAccessibleInterface(slot->widget);
    return announced != nullptr ? announced->text(QAccessible::Name)
                                : slot->widget->accessibleName();
}

QImage Grab(Form& form) {
    detail::FormWindow* window = form.State().Live();
    return window == nullptr ? QImage() : window->grab().toImage();
}

bool SaveScreenshot(Form& form, const QString& path) {
    const QImage image = Grab(form);
    return !image.isNull() && image.save(path);
}

} // namespace tessaline::ui
