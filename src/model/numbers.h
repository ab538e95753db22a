#pragma once
// Numbers typed by the player, and doubles written back into text boxes. Both
// ignore the locale: a point is the decimal separator everywhere.

#include <optional>
#include <string>
#include <string_view>

namespace tessaline {

// A number is: spaces, an optional sign, digits with an optional decimal point
// (at least one digit in all, so "5." and ".5" count), an optional exponent
// (e or E, an optional sign, at least one digit), spaces. Nothing else is: no
// tabs, no thousands separators, no "inf" or "nan", no hexadecimal, no other
// digits than 0 to 9. A value too large for a double is not a number; a value
// too small to tell from 0 reads as 0.
std::optional<double> ParseNumber(std::string_view text);

// General form with at most 15 significant digits: no trailing zeros, no point
// for whole values, an exponent only where it is needed (100 / 3 gives
// "33.3333333333333", 1e20 gives "1e+20"). Zero is always "0", never "-0".
// What is written always reads back: the largest doubles, whose nearest 15
// digits would be too large to read, are written as 1.79769313486231e+308.
std::string FormatGeneral(double value);

} // namespace tessaline
