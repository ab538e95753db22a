#include "model/numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <system_error>

namespace tessaline {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The shape of an unsigned number as read by ParseNumber, or nothing if the
// text does not have that shape. Exponent is saturated, which is enough to tell
// a huge value from a tiny one.
struct Shape {
    std::string_view whole;
    std::string_view fraction;
    std::int64_t exponent = 0;
};

std::optional<Shape> ReadShape(std::string_view text) {
    Shape shape;
    std::size_t at = 0;
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    shape.whole = text.substr(0, at);
    if (at < text.size() && text[at] == '.') {
        const std::size_t start = ++at;
        while (at < text.size() && IsDigit(text[at])) {
            ++at;
        }
        shape.fraction = text.substr(start, at - start);
    }
    if (shape.whole.empty() && shape.fraction.empty()) {
        return std::nullopt;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool negative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            negative = text[at] == '-';
            ++at;
        }
        const std::size_t start = at;
        constexpr std::int64_t Ceiling = 1'000'000'000;
        while (at < text.size() && IsDigit(text[at])) {
            shape.exponent = std::min(shape.exponent * 10 + (text[at] - '0'), Ceiling);
            ++at;
        }
        if (at == start) {
            return std::nullopt;
        }
        if (negative) {
            shape.exponent = -shape.exponent;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return shape;
}

// Whether a value that a double cannot hold is too large (rather than too
// small): its first significant digit stands at 10^0 or above.
bool TooLarge(const Shape& shape) {
    const std::size_t firstInWhole = shape.whole.find_first_not_of('0');
    std::int64_t power = 0;
    if (firstInWhole != std::string_view::npos) {
        power = static_cast<std::int64_t>(shape.whole.size() - firstInWhole) - 1;
    } else {
        const std::size_t firstInFraction = shape.fraction.find_first_not_of('0');
        if (firstInFraction == std::string_view::npos) {
            return false;
        }
        power = -static_cast<std::int64_t>(firstInFraction) - 1;
    }
    return power + shape.exponent >= 0;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view body = text.substr(first, text.find_last_not_of(' ') - first + 1);
    bool negative = false;
    if (body.front() == '+' || body.front() == '-') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    const std::optional<Shape> shape = ReadShape(body);
    if (!shape) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] =
        std::from_chars(body.data(), body.data() + body.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (TooLarge(*shape)) {
            return std::nullopt;
        }
        value = 0;
    } else if (error != std::errc() || end != body.data() + body.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string FormatGeneral(double value) {
    if (value == 0) {
        return "0";
    }
    // The nearest 15 digits of the very largest doubles (1.79769313486232e+308)
    // lie beyond the largest double and would not read back; these are written
    // as the largest 15-digit number that does.
    constexpr double Largest = 1.79769313486231e308;
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::clamp(value, -Largest, Largest),
                      std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace tessaline
