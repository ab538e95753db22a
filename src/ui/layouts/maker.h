#pragma once
// How Vantiro Software and the author of Tessaline are reached, as the about windows show it.
// Kept short: each must fit its label on one line, or Label1 in three, in the default 8-point font.

#include <string_view>

namespace tessaline::ui::maker {

inline constexpr std::string_view ProductVersion = "Tessaline version 1.2";
inline constexpr std::string_view CopyrightLine = "Copyright (C) 2026 Vantiro Software";
inline constexpr std::string_view AuthorName = "A. N. Author";
inline constexpr std::string_view WebAddress = "https://vantiro.example.com";
// Comments and thoughts on the program.
inline constexpr std::string_view ContactAddress = "vantiro@example.com";
// Requests for the current address of the maker's home page.
inline constexpr std::string_view HomePageAddress = "url@example.com";

} // namespace tessaline::ui::maker
