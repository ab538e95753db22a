#pragma once
// Every number that becomes a 16-bit integer goes through here: the nearest whole
// number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).

#include "model/game.h"

#include <cmath>
#include <limits>

namespace tessaline {

// Callers clamp to their own range first; the saturation at the 16-bit limits
// only keeps a wild value (or a NaN, which gives 0) from undefined behaviour.
inline Int16 RoundToInt16(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double rounded = std::nearbyint(value);
    if (rounded <= std::numeric_limits<Int16>::min()) {
        return std::numeric_limits<Int16>::min();
    }
    if (rounded >= std::numeric_limits<Int16>::max()) {
        return std::numeric_limits<Int16>::max();
    }
    return static_cast<Int16>(rounded);
}

} // namespace tessaline
