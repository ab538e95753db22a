#include "ui/toolkit/state.h"

#include <QApplication>
#include <QGuiApplication>
#include <QThreadPool>

#include <canberra.h>

#include <atomic>

namespace tessaline::ui::detail {

// Plays the theme's bell on a thread of the sound's own, one beep at a time.
// Beeps asked for while one is being started make one more beep, not a queue
// of them.
struct Bell::Sound {
    Sound() {
        pool.setMaxThreadCount(1);
        pool.setExpiryTimeout(-1); // the one thread stays, and with it the sound context's
    }

    ~Sound() {
        pool.waitForDone();
        if (context != nullptr) {
            ca_context_destroy(context);
        }
    }

    void Ring() {
        if (!queued.exchange(true)) {
            pool.start([this] {
                queued = false;
                Play();
            });
        }
    }

    void Play() {
        if (context == nullptr) {
            if (ca_context_create(&context) != CA_SUCCESS) {
                context = nullptr;
                return;
            }
            // Only the sound server: other outputs would grab the sound card
            // behind the desktop's back, and some print their troubles.
            ca_context_set_driver(context, "pulse");
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Tessaline",
                                    CA_PROP_APPLICATION_ID, "tessaline",
                                    CA_PROP_APPLICATION_ICON_NAME, "tessaline", nullptr);
        }
        int played = ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell-window-system",
                                     CA_PROP_EVENT_DESCRIPTION, "Bell", nullptr);
        if (played == CA_ERROR_NOTFOUND) {
            played = ca_context_play(context, 0, CA_PROP_EVENT_ID, "bell",
                                     CA_PROP_EVENT_DESCRIPTION, "Bell", nullptr);
        }
        if (played != CA_SUCCESS && played != CA_ERROR_NOTFOUND) {
            // No sound server, or it went away: try afresh next time.
            ca_context_destroy(context);
            context = nullptr;
        }
    }

    QThreadPool pool;
    std::atomic<bool> queued = false;
    ca_context* context = nullptr; // touched by the pool's one thread only
};

Bell::Bell() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        sound_ = std::make_unique<Sound>();
    }
}

Bell::~Bell() = default;

void Bell::Ring() {
    if (sound_) {
        sound_->Ring();
    } else {
        QApplication::beep();
    }
}

} // namespace tessaline::ui::detail
