#include "ui/toolkit/units.h"

#include <QApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tessaline::ui::detail {

int TwipsToPixels(int twips) {
    // Round half away from zero; layouts are multiples of 15 almost everywhere.
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

QRect TwipsToPixels(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

QPalette::ColorRole SystemRole(Colour colour) {
    switch (colour) {
    case SystemWindowBackground:
        return QPalette::Base;
    case SystemWindowText:
        return QPalette::Text;
    case SystemButtonText:
        return QPalette::ButtonText;
    default:
        // The button face, and any other: everything stands on the button face.
        return QPalette::Button;
    }
}

QColor ToQColor(Colour colour, const QPalette& palette) {
    if (IsSystemColour(colour)) {
        return palette.color(SystemRole(colour));
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

namespace {

// The layouts give each caption room for a font in which this sentence is
// about 220 pixels wide at 8 points. Most desktop UI fonts are wider; they are
// set smaller in proportion, so that "% Of Board As Orange" keeps to one line
// of its label. A narrower font keeps its size.
// Paragraphs must also wrap into no more lines than they did, and a font of the
// same average width breaks its lines in other places: the maker's about text
// needs all of its four lines before the web address below it. Holding the
// sample to 210 pixels keeps about a word in hand on every line.
constexpr double SampleRoom = 210.0;

double FontScale(const QFont& desktop) {
    static QString family;
    static double scale = 1.0;
    if (family != desktop.family() || family.isEmpty()) {
        QFont probe = desktop;
        probe.setPointSizeF(8.0);
        probe.setBold(false);
        const double width = QFontMetricsF(probe).horizontalAdvance(
            QStringLiteral("The quick brown fox jumps over the lazy dog"));
        family = desktop.family();
        scale = width > SampleRoom ? SampleRoom / width : 1.0;
    }
    return scale;
}

} // namespace

QFont DialogFont(const FontDef& font) {
    // The desktop's UI font, at the layout's point sizes scaled to the room the
    // layouts give text.
    QFont result = QApplication::font();
    result.setPointSizeF(font.points * FontScale(result));
    result.setBold(font.bold);
    return result;
}

namespace {

double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

} // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor ReadableOn(const QColor& back, const QColor& text) {
    const QColor black(Qt::black);
    const double asLaidOut = Contrast(black, back);
    if (Contrast(text, back) >= asLaidOut) {
        return text;
    }
    const QColor white(Qt::white);
    return Contrast(white, back) > asLaidOut ? white : black;
}

} // namespace tessaline::ui::detail
