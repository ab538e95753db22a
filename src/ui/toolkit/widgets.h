#pragma once
// The few widgets whose behaviour the stock ones do not give.

#include "ui/toolkit/definition.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QWidget>

class QKeyEvent;
class QMouseEvent;

namespace tessaline::ui::detail {

struct ToolkitState;

// Left, right and middle already carry the handlers' codes 1, 2 and 4; the
// others pass with Qt's own.
inline int ButtonCode(Qt::MouseButton button) {
    return static_cast<int>(button);
}
int ShiftState(Qt::KeyboardModifiers modifiers);

// A widget's back (QPalette::Window) or text (QPalette::WindowText) colour: a
// system colour follows the palette as the desktop changes it; any other is fixed.
void SetWidgetColour(QWidget& widget, Colour colour, QPalette::ColorRole role);

// A box or button lower than the desktop style's tick box or dot (the Guess
// buttons are 13 pixels high) grows to hold it whole, about the same middle
// line, so that it is not cut at top and bottom.
void KeepIndicatorWhole(QWidget& button, bool radio);

// How the windows present themselves to assistive technology, beyond what the
// stock widgets say for themselves: each square of the board is an object of
// its own (see board_widget.h), a picture box is named by what its picture
// shows, and a check box or radio button is its whole rectangle. Installed
// before the first window is asked for its interface; again does nothing.
void InstallAccessibility();
// Whether anyone listens: assistive technology, or the listener of
// SetAccessibilityListener (toolkit_qt.h).
bool Listening();
// Tells whoever listens, if anyone does, that a square of the board was
// renamed, or else shown, hidden, enabled or disabled.
void AnnounceCell(QWidget& board, int cell, bool renamed);

// A label that reports mouse presses and releases in twips.
class LabelWidget final : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  signals:
    void mouse(bool down, int button, int shift, QPointF twips);

  protected:
    void mousePressEvent(QMouseEvent* event) override { Report(true, *event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Report(false, *event); }

  private:
    void Report(bool down, const QMouseEvent& event);
};

// A box that shows one of the program's pictures and takes left clicks.
class PictureWidget final : public QAbstractButton {
    Q_OBJECT

  public:
    PictureWidget(QWidget* parent, const ToolkitState& toolkit, const ControlDef& def);

    // What the picture shows, in words; the control's name if no one said.
    QString Description() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const ToolkitState& toolkit_;
    const ControlDef& def_;
};

// A check box or radio button takes a click anywhere in the rectangle its
// layout gives it, not only on the tick box or dot and the caption. Where two
// overlap, the one made later lies on top and takes the click.
template <class Box> class WholeBox : public Box {
  public:
    using Box::Box;

  protected:
    bool hitButton(const QPoint& at) const override { return this->rect().contains(at); }
};
using CheckWidget = WholeBox<QCheckBox>;

// A radio button of a group: Left and Up choose the group's previous button,
// Right and Down its next, in the order the group was made, whatever their
// places in the window; the chosen one takes the focus and is clicked, as the
// player's click would. At either end of the group the key does nothing, as
// in Qt's own groups: the choice does not wrap round.
class RadioWidget final : public WholeBox<QRadioButton> {
  public:
    using WholeBox::WholeBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tessaline::ui::detail
