#pragma once
// What the driver types into the settings dialogs' boxes, and what a text must
// mean there, worked out from the rules of entry alone: a text that plainly has
// the shape of a number is read as that number; a text with any character that
// no number has is refused; anything else the oracle leaves open.

#include <QString>

#include <optional>
#include <random>
#include <string>

namespace tessaline::ui::random {

using Engine = std::mt19937_64;

// A text for a box: plain numbers, numbers out of range, halves, blanks,
// signs and exponents, empty and blank texts, letters, other scripts' digits,
// control characters, emoji, very long texts.
struct Entry {
    QString text;
    bool paste = false; // what no key types (a tab, a line break) or too long to type
};
Entry RandomEntry(Engine& engine);

enum class Reading { Number, NotNumber, Open };
struct Meaning {
    Reading reading = Reading::Open;
    double value = 0; // for a number
};
// Blanks, an optional sign, digits with at most one point (one digit at least),
// an optional exponent of one to three digits, blanks: a number, whose value
// strtod gives unless it overflows or underflows (then left open). A character
// other than digits, blanks, signs, a point or e/E: not a number. The empty
// and all-blank texts: not a number.
Meaning Read(const std::string& text);

// Half to even, as every typed value is rounded.
double RoundHalfEven(double value);

} // namespace tessaline::ui::random
