#pragma once
// The one place where the layout's units meet the desktop's: twips become
// logical pixels, colour values become colours of the current palette, and the
// layout's fonts become the desktop's own UI font.

#include "ui/toolkit/definition.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPointF>
#include <QRect>

namespace tessaline::ui::detail {

// 15 twips make one logical pixel; Qt scales logical pixels on dense screens.
inline constexpr int TwipsPerPixel = 15;

int TwipsToPixels(int twips);
inline int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
// Each edge rounded on its own, so that shapes that share an edge in twips
// share it in pixels too.
QRect TwipsToPixels(int left, int top, int width, int height);

// Where the pointer is, in whole logical pixels: the nearest pixel, as Qt picks
// the widget under the pointer. Pointers report fractions of a pixel on dense
// or scaled screens and on some window systems; a pixel is the finest position
// a player can aim at, so a press and a release on one pixel are at one place.
inline QPoint PointerPixel(QPointF position) {
    return position.toPoint();
}
// The same position in twips, as the mouse handlers take it.
inline QPointF PointerTwips(QPointF position) {
    return PointerPixel(position) * TwipsPerPixel;
}

inline bool IsSystemColour(Colour colour) {
    return (colour & 0x80000000U) != 0;
}
// The palette role a system colour stands for.
QPalette::ColorRole SystemRole(Colour colour);
QColor ToQColor(Colour colour, const QPalette& palette);

// The desktop's default UI font at the point size and weight the layout gives.
QFont DialogFont(const FontDef& font);

// Text and lines on a square's fixed colour, under any palette. The light
// palette draws them in its black text, as laid out; a dark palette's light
// text would all but vanish on yellow, green or white. Contrast is measured
// as the accessibility guidelines measure it (relative luminance, 1 to 21).
double Contrast(const QColor& a, const QColor& b);
// The colour to draw text and lines in on `back`, a fixed colour, where the
// palette would draw them in `text`: the palette's text wherever it reads at
// least as well as black does there, so that a light palette draws exactly
// what it always has; otherwise black or white, whichever reads better.
QColor ReadableOn(const QColor& back, const QColor& text);

} // namespace tessaline::ui::detail
