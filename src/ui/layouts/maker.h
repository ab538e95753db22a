#pragma once
// How Vantiro Software and the author of Tessaline are reached, as the about windows show it.

#include <string_view>

namespace tessaline::ui::maker {

inline constexpr std::string_view ProductVersion = "Tessaline version 1.2";
inline constexpr std::string_view CopyrightLine = "Copyright (C) 1997-2026 Vantiro Software";
inline constexpr std::string_view AuthorName = "A. N. Author";
inline constexpr std::string_view WebAddress = "https://www.example.com/vantiro";
// Comments and thoughts on the program.
inline constexpr std::string_view ContactAddress = "tessaline@example.com";
// Requests for the current address of the maker's home page.
inline constexpr std::string_view HomePageAddress = "homepage@example.com";

} // namespace tessaline::ui::maker
