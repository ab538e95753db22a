#pragma once
// The few widgets whose behaviour the stock ones do not give.

#include "ui/toolkit/definition.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

class QMouseEvent;

namespace tessaline::ui::detail {

struct ToolkitState;

int ButtonCode(Qt::MouseButton button);
int ShiftState(Qt::KeyboardModifiers modifiers);

// Colours of a widget: a system colour follows the palette as the desktop
// changes it; any other colour is fixed.
void SetWidgetBackColour(QWidget& widget, Colour colour);
void SetWidgetForeColour(QWidget& widget, Colour colour);

// A box or button lower than the desktop style's tick box or dot (the Guess
// buttons are 13 pixels high) grows to hold it whole, about the same middle
// line, so that it is not cut at top and bottom.
void KeepIndicatorWhole(QWidget& button, bool radio);

// A label that reports mouse presses and releases in twips.
class LabelWidget final : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void mouse(bool down, int button, int shift, QPointF twips);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A box that shows one of the program's pictures and takes clicks.
class PictureWidget final : public QWidget {
    Q_OBJECT

  public:
    PictureWidget(QWidget* parent, const ToolkitState& toolkit, const ControlDef& def);

    // What the picture shows, in words; the control's name if no one said.
    QString Description() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const ToolkitState& toolkit_;
    const ControlDef& def_;
};

// A check box and a radio button take a click anywhere in the rectangle their
// layout gives them, not only on the tick box or dot and the caption: the
// rectangle is the control. Where two overlap, the one made later lies on top
// and takes the click, as the layout's order of controls says.

class CheckWidget final : public QCheckBox {
    Q_OBJECT

  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

class RadioWidget final : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& at) const override { return rect().contains(at); }
};

} // namespace tessaline::ui::detail
