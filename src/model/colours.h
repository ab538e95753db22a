#pragma once
// The colours the game shows, as 0x00BBGGRR (low byte red), the form in which
// the windows take them. One value with the top bit set is no colour of its
// own: it stands for the desktop's current button face, which follows its
// theme and is resolved only when a window paints.

#include <cstdint>

namespace tessaline {

using ScreenColour = std::uint32_t;
inline constexpr ScreenColour ScreenWhite = 0xFFFFFF;
inline constexpr ScreenColour ScreenButtonFace = 0x8000000F;
inline constexpr ScreenColour ScreenBlack = 0x000000;
inline constexpr ScreenColour ScreenYellow = 0x00FFFF;
inline constexpr ScreenColour ScreenOrange = 0x0080FF;
inline constexpr ScreenColour ScreenRed = 0x0000FF;
inline constexpr ScreenColour ScreenGreen = 0x00FF00;
inline constexpr ScreenColour ScreenBlue = 0xFF0000;
inline constexpr ScreenColour ScreenPurple = 0xC000C0;

} // namespace tessaline
