#include "ui/toolkit/widgets.h"

#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace tessaline::ui::detail {

int ButtonCode(Qt::MouseButton button) {
    // Left, right and middle already carry the codes 1, 2 and 4; the others
    // pass with Qt's own codes.
    return static_cast<int>(button);
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (modifiers & Qt::ShiftModifier) {
        state |= ShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        state |= CtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        state |= AltMask;
    }
    return state;
}

void SetWidgetBackColour(QWidget& widget, Colour colour) {
    // System colours never map to the Window role, so a fixed colour kept
    // there cannot shadow one of them later.
    widget.setAutoFillBackground(true);
    if (IsSystemColour(colour)) {
        widget.setBackgroundRole(SystemRole(colour));
        return;
    }
    QPalette colours = widget.palette();
    colours.setColor(QPalette::Window, ToQColor(colour, colours));
    widget.setPalette(colours);
    widget.setBackgroundRole(QPalette::Window);
}

void SetWidgetForeColour(QWidget& widget, Colour colour) {
    if (IsSystemColour(colour)) {
        widget.setForegroundRole(SystemRole(colour));
        return;
    }
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, ToQColor(colour, colours));
    widget.setPalette(colours);
    widget.setForegroundRole(QPalette::WindowText);
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

void LabelWidget::mousePressEvent(QMouseEvent* event) {
    emit mouse(true, ButtonCode(event->button()), ShiftState(event->modifiers()),
               PointerTwips(event->position()));
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* event) {
    emit mouse(false, ButtonCode(event->button()), ShiftState(event->modifiers()),
               PointerTwips(event->position()));
}

PictureWidget::PictureWidget(QWidget* parent, const ToolkitState& toolkit, const ControlDef& def)
    : QWidget(parent), toolkit_(toolkit), def_(def) {}

void PictureWidget::paintEvent(QPaintEvent*) {
    const PicturePainter& paint = toolkit_.picturePainter;
    if (paint && def_.picture != Picture::None) {
        QPainter painter(this);
        paint(painter, def_.picture, QRectF(rect()));
    }
}

QString PictureWidget::Description() const {
    const PictureDescriber& describe = toolkit_.pictureDescriber;
    if (describe && def_.picture != Picture::None) {
        if (QString text = describe(def_.picture); !text.isEmpty()) {
            return text;
        }
    }
    return ToQString(def_.name);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(PointerPixel(event->position()))) {
        emit clicked();
    }
}

} // namespace tessaline::ui::detail
