#pragma once
// The toolkit's Qt side, for the application's start-up, screenshots and
// window tests. Behaviour code uses toolkit.h only.

#include "ui/toolkit/toolkit.h"

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <string_view>

class QAccessibleEvent;
class QPainter;
class QRectF;
class QWidget;

namespace tessaline::ui {

// The program's texts are UTF-8.
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// How picture boxes draw their picture into a rectangle of the box.
using PicturePainter = std::function<void(QPainter&, Picture, const QRectF&)>;
void SetPicturePainter(Toolkit& toolkit, PicturePainter painter);
// What each picture shows, in words, for assistive technology.
using PictureDescriber = std::function<QString(Picture)>;
void SetPictureDescriber(Toolkit& toolkit, PictureDescriber describer);
// The icon of the windows whose definition asks for the program icon.
void SetProgramIcon(Toolkit& toolkit, const QIcon& icon);

// The top-level widget, nullptr if the window does not exist; creates nothing.
QWidget* WindowWidget(Form& form);
// The client area, below the menu bar; creates the window if needed.
QWidget* ClientWidget(Form& form);
// The widget that shows a control (for a square, the board) and the control's
// rectangle in it. Creates the window if needed; nullptr and empty for a timer.
QWidget* ControlWidget(Control& control);
QRect ControlRect(Control& control);
// How often the board has been painted; -1 for any other control.
int PaintCount(Control& control);
// What assistive technology announces for a control: the accessible name the
// program set, or else what it shows (a caption, a text box's buddy label, a
// picture's description).
QString AccessibleText(Control& control);

// For tests and tools: receives, in assistive technology's place, what it
// would be told about the board; nullptr gives it back to Qt. Returns the
// listener set before.
using AccessibilityListener = void (*)(QAccessibleEvent*);
AccessibilityListener SetAccessibilityListener(AccessibilityListener listener);

// The window as it looks, menu bar and client area, rendered offscreen.
QImage Grab(Form& form);
bool SaveScreenshot(Form& form, const QString& path);

} // namespace tessaline::ui
