#pragma once

namespace tessaline::ui {

class Toolkit;

// Hands the toolkit the program's pictures: the window icon and the about
// windows' pictures.
void InstallPictures(Toolkit& toolkit);

} // namespace tessaline::ui
