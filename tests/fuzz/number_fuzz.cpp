// Reading a typed number, against the grammar stated again apart from the
// program's reader and against the C library's strtod for the value.

#include "fuzz_support.h"
#include "model/numbers.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <locale.h>

namespace tessaline::fuzz {
namespace {

// blanks* sign? (digits+ ("." digits*)? | "." digits+) ([eE] sign? digits+)? blanks*
// where a blank is a space, a sign + or -, a digit 0 to 9.
bool Grammatical(std::string_view text) {
    enum State { Lead, Signed, Whole, Point, Fraction, Exponent, ExponentSign, Power, Trail };
    State state = Lead;
    for (const char c : text) {
        const bool digit = c >= '0' && c <= '9';
        const bool sign = c == '+' || c == '-';
        const bool e = c == 'e' || c == 'E';
        const bool blank = c == ' ';
        bool next = true;
        switch (state) {
        case Lead:
            next = blank || sign || digit || c == '.';
            state = blank ? Lead : sign ? Signed : digit ? Whole : Point;
            break;
        case Signed:
            next = digit || c == '.';
            state = digit ? Whole : Point;
            break;
        case Whole:
            next = digit || c == '.' || e || blank;
            state = digit ? Whole : c == '.' ? Fraction : e ? Exponent : Trail;
            break;
        case Point:
            next = digit;
            state = Fraction;
            break;
        case Fraction:
            next = digit || e || blank;
            state = digit ? Fraction : e ? Exponent : Trail;
            break;
        case Exponent:
            next = sign || digit;
            state = sign ? ExponentSign : Power;
            break;
        case ExponentSign:
            next = digit;
            state = Power;
            break;
        case Power:
            next = digit || blank;
            state = digit ? Power : Trail;
            break;
        case Trail:
            next = blank;
            break;
        }
        if (!next) {
            return false;
        }
    }
    return state == Whole || state == Fraction || state == Power || state == Trail;
}

} // namespace
} // namespace tessaline::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessaline;
    using fuzz::Require;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);

    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> read = ParseNumber(text);
    if (!fuzz::Grammatical(text)) {
        Require(!read, "a text outside the grammar is read as a number");
        return 0;
    }
    const double expected = strtod_l(text.c_str(), nullptr, cLocale);
    if (!std::isfinite(expected)) {
        Require(!read, "a number too large for a double is read");
        return 0;
    }
    Require(read.has_value(), "a number of the grammar is refused");
    Require(std::isfinite(*read), "a number is read as a value that is not finite");
    Require(*read == expected && std::signbit(*read) == std::signbit(expected),
            "a number is read as another value than strtod's");
    return 0;
}
