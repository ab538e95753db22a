#include "texts.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <system_error>
#include <vector>

namespace tessaline::ui::random {

namespace {

template <class T> const T& Pick(Engine& engine, const std::vector<T>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(engine)];
}

// Numbers a player types: in range, out of range, halves that round to even,
// with blanks, signs, points and exponents.
const std::vector<std::string>& Numbers() {
    static const std::vector<std::string> numbers = {"0",
                                                     "1",
                                                     "2",
                                                     "3",
                                                     "5",
                                                     "7",
                                                     "10",
                                                     "12",
                                                     "15",
                                                     "20",
                                                     "25",
                                                     "29",
                                                     "30",
                                                     "31",
                                                     "45",
                                                     "50",
                                                     "80",
                                                     "99",
                                                     "100",
                                                     "101",
                                                     "150",
                                                     "250",
                                                     "1000",
                                                     "-1",
                                                     "-3",
                                                     "-5",
                                                     "-20",
                                                     "0.5",
                                                     "1.5",
                                                     "2.5",
                                                     "3.5",
                                                     "12.5",
                                                     "13.5",
                                                     "29.5",
                                                     "30.4",
                                                     "2.9",
                                                     "10.5",
                                                     "0.6",
                                                     "0.4",
                                                     "33.3",
                                                     " 7 ",
                                                     "+3",
                                                     ".5e1",
                                                     "5.",
                                                     "2.5E+1",
                                                     "1e1",
                                                     "1e2",
                                                     "1e-2",
                                                     "-0",
                                                     "1e10",
                                                     "-1e10",
                                                     "32767",
                                                     "32767.5",
                                                     "32768",
                                                     "-32769",
                                                     "00012",
                                                     "1e308",
                                                     "99.999",
                                                     "66.6666666666667"};
    return numbers;
}

// Texts that are no number at all.
const std::vector<std::string>& NotNumbers() {
    static const std::vector<std::string> texts = {"",
                                                   "   ",
                                                   "+",
                                                   "-",
                                                   ".",
                                                   "e5",
                                                   "1e",
                                                   "1e+",
                                                   "abc",
                                                   "inf",
                                                   "-Infinity",
                                                   "nan",
                                                   "0x1A",
                                                   "0b101",
                                                   "1,5",
                                                   "1,000",
                                                   "1 000",
                                                   "1.2.3",
                                                   "+-1",
                                                   "1e5.5",
                                                   "12abc",
                                                   "5%",
                                                   "(5)",
                                                   "--1",
                                                   "1e400",
                                                   "-1e400",
                                                   "\xef\xbc\x91\xef\xbc\x95",
                                                   "\xd9\xa1\xd9\xa5",
                                                   "\xc2\xb2",
                                                   "\xc2\xbd",
                                                   "\xe2\x88\x92"
                                                   "5",
                                                   "\xc2\xa0"
                                                   "5",
                                                   "5\xe2\x80\x8b",
                                                   "5\xcc\x81",
                                                   "\xf0\x9f\x98\x80",
                                                   "\xe2\x80\xae"
                                                   "12",
                                                   "\xd7\x90",
                                                   "\xe6\x95\xb0"};
    return texts;
}

// Characters for texts made at random: mostly what numbers are made of.
const std::vector<QString>& Alphabet() {
    static const std::vector<QString> alphabet = [] {
        std::vector<QString> letters;
        for (const char* c : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "1", "5",
                              "9", ".", ".", "-", "+", "e", "E", " ", " ", ",", "x", "a", "%"}) {
            letters.push_back(QString::fromLatin1(c));
        }
        for (const char* c : {"\xc3\xa9", "\xc2\xa0", "\xef\xbc\x93", "\xd9\xa3", "\xe2\x80\x8b",
                              "\xcc\x81", "\xf0\x9f\x98\x80", "\xe2\x80\xae", "\xc3\x9f"}) {
            letters.push_back(QString::fromUtf8(c));
        }
        return letters;
    }();
    return alphabet;
}

bool Typeable(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            return false;
        }
    }
    return text.size() <= 40;
}

} // namespace

Entry RandomEntry(Engine& engine) {
    const int kind = std::uniform_int_distribution<int>(0, 99)(engine);
    QString text;
    if (kind < 55) {
        text = QString::fromStdString(Pick(engine, Numbers()));
    } else if (kind < 75) {
        text = QString::fromUtf8(Pick(engine, NotNumbers()));
    } else if (kind < 94) {
        const int length = std::uniform_int_distribution<int>(0, 8)(engine);
        for (int i = 0; i < length; ++i) {
            text += Pick(engine, Alphabet());
        }
    } else if (kind < 97) {
        // Control characters that no key types.
        static const std::vector<std::string> controls = {"\t5", "5\n", "1\n2", "\r7", "8\x7f"};
        text = QString::fromStdString(Pick(engine, controls));
    } else {
        // Long texts: digits, zeros then a digit, or junk.
        const int length = std::uniform_int_distribution<int>(100, 3000)(engine);
        const int style = std::uniform_int_distribution<int>(0, 2)(engine);
        text = style == 0   ? QString(length, QChar('9'))
               : style == 1 ? QString(length, QChar('0')) + QStringLiteral("5")
                            : QString(length, QChar(0x00E9));
    }
    return {text, !Typeable(text) || std::uniform_int_distribution<int>(0, 9)(engine) == 0};
}

Meaning Read(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {Reading::NotNumber, 0};
    }
    if (text.find_first_not_of("0123456789 +-.eE") != std::string::npos) {
        return {Reading::NotNumber, 0};
    }
    // The plain shape: sign, digits and at most one point, an exponent of one
    // to three digits.
    const std::string body = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::size_t at = body[0] == '+' || body[0] == '-' ? 1 : 0;
    const std::size_t digitsFrom = at;
    int digits = 0;
    bool point = false;
    for (; at < body.size(); ++at) {
        if (body[at] >= '0' && body[at] <= '9') {
            ++digits;
        } else if (body[at] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return {Reading::Open, 0};
    }
    const std::size_t mantissaEnd = at;
    if (at < body.size() && (body[at] == 'e' || body[at] == 'E')) {
        ++at;
        if (at < body.size() && (body[at] == '+' || body[at] == '-')) {
            ++at;
        }
        const std::size_t exponentFrom = at;
        while (at < body.size() && body[at] >= '0' && body[at] <= '9') {
            ++at;
        }
        if (at == exponentFrom || at - exponentFrom > 3) {
            return {Reading::Open, 0};
        }
    }
    if (at != body.size()) {
        return {Reading::Open, 0};
    }
    // from_chars takes no plus sign and ignores the locale.
    std::string plain = body.substr(digitsFrom, mantissaEnd - digitsFrom);
    plain += body.substr(mantissaEnd);
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value)) {
        return {Reading::Open, 0};
    }
    return {Reading::Number, body[0] == '-' ? -value : value};
}

double RoundHalfEven(double value) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    return rounded;
}

} // namespace tessaline::ui::random
