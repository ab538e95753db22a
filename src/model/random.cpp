#include "model/random.h"

#include <chrono>

namespace tessaline {

namespace {
// The top 24 bits of a 32-bit draw make an exact float in [0, 1): no rounding
// can carry it up to 1.
float ToUnit(std::uint32_t bits) {
    return static_cast<float>(bits >> 8) * 0x1p-24f;
}
} // namespace

ClockRandom::ClockRandom() {
    Reseed();
}

void ClockRandom::Reseed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

float ClockRandom::Next() {
    return ToUnit(engine_());
}

float SeededRandom::Next() {
    return ToUnit(engine_());
}

float ScriptedRandom::Next() {
    if (draws_.empty()) {
        return unscripted_.Next();
    }
    const float draw = draws_[drawn_ % draws_.size()];
    ++drawn_;
    return draw;
}

} // namespace tessaline
