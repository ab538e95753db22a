#include "ui/toolkit/units.h"

#include <QApplication>

namespace tessaline::ui::detail {

int TwipsToPixels(int twips) {
    // Round half away from zero; layouts are multiples of 15 almost everywhere.
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

QRect TwipsToPixels(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

bool IsSystemColour(Colour colour) {
    return (colour & 0x80000000U) != 0;
}

QPalette::ColorRole SystemRole(Colour colour) {
    switch (colour) {
    case SystemWindowBackground:
        return QPalette::Base;
    case SystemWindowText:
        return QPalette::Text;
    case SystemButtonFace:
        return QPalette::Button;
    case SystemButtonText:
        return QPalette::ButtonText;
    default:
        // Any other system colour: the button face, on which everything stands.
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

QFont DialogFont(const FontDef& font) {
    // The old dialog font does not exist here; the desktop's UI font at the
    // same point size keeps the layout's proportions.
    QFont result = QApplication::font();
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

} // namespace tessaline::ui::detail
