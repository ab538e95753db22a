#pragma once
// The system's alert sound. On X11 it is the X bell, which the desktop turns
// into its own sound or a flash. Qt's Wayland backend has no bell, so there the
// desktop's bell is played from its sound theme through the user's sound
// server, on a thread of its own so that a beep never holds up play; with no
// sound server it is silently nothing.

#include <memory>

namespace tessaline::ui::detail {

class Bell {
  public:
    Bell();
    ~Bell();
    Bell(const Bell&) = delete;
    Bell& operator=(const Bell&) = delete;

    void Ring();

  private:
    struct Sound;
    std::unique_ptr<Sound> sound_; // empty: the platform's own bell
};

} // namespace tessaline::ui::detail
