#include "ui/toolkit/widgets.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace tessaline::ui::detail {

int ShiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? ShiftMask : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? CtrlMask : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? AltMask : 0);
}

void SetWidgetColour(QWidget& widget, Colour colour, QPalette::ColorRole role) {
    const bool back = role == QPalette::Window;
    if (back) {
        widget.setAutoFillBackground(true);
    }
    // System colours never map to these two roles, so a fixed colour kept
    // there cannot shadow one of them later.
    if (IsSystemColour(colour)) {
        role = SystemRole(colour);
    } else {
        QPalette colours = widget.palette();
        colours.setColor(role, ToQColor(colour, colours));
        widget.setPalette(colours);
    }
    if (back) {
        widget.setBackgroundRole(role);
    } else {
        widget.setForegroundRole(role);
    }
}

void KeepIndicatorWhole(QWidget& button, bool radio) {
    const int indicator = button.style()->pixelMetric(
        radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, &button);
    const QRect laidOut = button.geometry();
    if (indicator > laidOut.height()) {
        const int grow = indicator - laidOut.height();
        button.setGeometry(laidOut.adjusted(0, -grow / 2, 0, grow - grow / 2));
    }
}

void RadioWidget::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    const bool arrow = back || key == Qt::Key_Right || key == Qt::Key_Down;
    if (!arrow || group() == nullptr || (event->modifiers() & ~Qt::KeypadModifier) != 0) {
        WholeBox::keyPressEvent(event);
        return;
    }
    const QList<QAbstractButton*> buttons = group()->buttons();
    const qsizetype step = back ? -1 : 1;
    for (qsizetype at = buttons.indexOf(this) + step; at >= 0 && at < buttons.size(); at += step) {
        QAbstractButton* next = buttons[at];
        if (next->isEnabled() && !next->isHidden()) {
            next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            next->click();
            return;
        }
    }
    event->ignore();
}

void LabelWidget::Report(bool down, const QMouseEvent& event) {
    emit mouse(down, ButtonCode(event.button()), ShiftState(event.modifiers()),
               PointerTwips(event.position()));
}

PictureWidget::PictureWidget(QWidget* parent, const ToolkitState& toolkit, const ControlDef& def)
    : QAbstractButton(parent), toolkit_(toolkit), def_(def) {
    setFocusPolicy(Qt::NoFocus);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    if (toolkit_.picturePainter && def_.picture != Picture::None) {
        QPainter painter(this);
        toolkit_.picturePainter(painter, def_.picture, QRectF(rect()));
    }
}

QString PictureWidget::Description() const {
    const QString text = toolkit_.pictureDescriber && def_.picture != Picture::None
                             ? toolkit_.pictureDescriber(def_.picture)
                             : QString();
    return text.isEmpty() ? ToQString(def_.name) : text;
}

} // namespace tessaline::ui::detail
