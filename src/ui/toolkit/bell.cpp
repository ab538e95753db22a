#include "ui/toolkit/state.h"

#include <QApplication>
#include <QGuiApplication>

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace tessaline::ui::detail {

// Plays the theme's bell on its own thread, which alone touches the sound
// context. Beeps asked for while one is being started make one more beep, not
// a queue of them.
struct Bell::Sound {
    Sound() : worker([this] { Run(); }) {}

    ~Sound() {
        Wake(&Sound::stopping);
        worker.join();
    }

    void Wake(bool Sound::*why) {
        {
            const std::lock_guard lock(mutex);
            this->*why = true;
        }
        wake.notify_one();
    }

    void Run() {
        ca_context* context = nullptr;
        std::unique_lock lock(mutex);
        while (true) {
            wake.wait(lock, [this] { return pending || stopping; });
            if (stopping) {
                break;
            }
            pending = false;
            lock.unlock();
            Play(context);
            lock.lock();
        }
        if (context != nullptr) {
            ca_context_destroy(context);
        }
    }

    static void Play(ca_context*& context) {
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

    std::mutex mutex;
    std::condition_variable wake;
    bool pending = false;
    bool stopping = false;
    std::thread worker; // last, so that it starts after the rest is made
};

Bell::Bell() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        sound_ = std::make_unique<Sound>();
    }
}

Bell::~Bell() = default;

void Bell::Ring() {
    if (sound_) {
        sound_->Wake(&Sound::pending);
    } else {
        QApplication::beep();
    }
}

} // namespace tessaline::ui::detail
