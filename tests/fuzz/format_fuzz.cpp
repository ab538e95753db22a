// Writing a double back as text: any finite double from eight input bytes.

#include "fuzz_support.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    using fuzz::Require;

    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    if (!std::isfinite(value)) {
        return 0;
    }
    const std::string text = FormatGeneral(value);

    const std::string mantissa = text.substr(0, text.find('e'));
    const std::size_t firstSignificant = mantissa.find_first_of("123456789");
    int significant = 0;
    for (std::size_t at = firstSignificant; at < mantissa.size(); ++at) {
        significant += mantissa[at] >= '0' && mantissa[at] <= '9';
    }
    Require(significant <= 15, "more than 15 significant digits");
    if (mantissa.find('.') != std::string::npos) {
        Require(mantissa.back() != '0' && mantissa.back() != '.', "a trailing zero or point");
    }
    Require(text != "-0", "zero written as -0");

    // The value to 15 significant digits, as the C library rounds it.
    char rounded[32];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    double expected = std::strtod(rounded, nullptr);
    if (!std::isfinite(expected)) {
        // Beyond the largest double: the largest 15-digit number below it.
        expected = std::copysign(1.79769313486231e308, value);
    }
    const std::optional<double> back = ParseNumber(text);
    Require(back.has_value(), "what is written does not read back");
    Require(*back == expected, "what is written reads back as another value");
    if (expected == 0) {
        Require(text == "0", "zero written otherwise than 0");
    }
    if (expected == std::trunc(expected) && std::abs(expected) < 1e15) {
        Require(text.find_first_of(".e") == std::string::npos,
                "a whole number below 10^15 written with a point or an exponent");
    }
    return 0;
}
