#pragma once
// Failures and events are told in words, built from any printable parts.

#include <sstream>
#include <string>

namespace tessaline::ui::random {

template <class... Parts> std::string Say(const Parts&... parts) {
    std::ostringstream text;
    (text << ... << parts);
    return text.str();
}

} // namespace tessaline::ui::random
