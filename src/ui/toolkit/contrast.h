#pragma once
// Text and lines on a square's fixed colour, under any palette. The light
// palette draws them in its black text, as laid out; a dark palette's light
// text would all but vanish on yellow, green or white. Contrast is measured
// as the accessibility guidelines measure it (relative luminance, 1 to 21).

#include <QColor>

namespace tessaline::ui::detail {

double Contrast(const QColor& a, const QColor& b);

// The colour to draw text and lines in on `back`, a fixed colour, where the
// palette would draw them in `text`: the palette's text wherever it reads at
// least as well as black does there, so that a light palette draws exactly
// what it always has; otherwise black or white, whichever reads better.
QColor ReadableOn(const QColor& back, const QColor& text);

} // namespace tessaline::ui::detail
