#pragma once

namespace tessaline::ui {

class Toolkit;

// Hands the toolkit the program's pictures: the window icon and the about
// windows' pictures, with what each shows in words.
void InstallPictures(Toolkit& toolkit);

} // namespace tessaline::ui
