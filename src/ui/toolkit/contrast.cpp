#include "ui/toolkit/contrast.h"

#include <algorithm>
#include <cmath>

namespace tessaline::ui::detail {

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
