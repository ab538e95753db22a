#include "ui/toolkit/state.h"

#include <QApplication>
#include <QGuiApplication>
#include <QThreadPool>
#include <QVersionNumber>

#include <canberra.h>
#include <wayland-client.h>

#include "xdg-system-bell-v1-client.h"

#include <atomic>
#include <cstring>

namespace tessaline::ui::detail {

BellWay ChooseBell(const QString& platform, bool compositorBell, const char* qt) {
    if (!platform.startsWith(QLatin1String("wayland"))) {
        return BellWay::Qt;
    }
    if (!compositorBell) {
        return BellWay::SoundTheme;
    }
    // Qt's Wayland backend rings the compositor's bell itself from Qt 6.9 on.
    return QVersionNumber::fromString(QLatin1String(qt)) >= QVersionNumber(6, 9)
               ? BellWay::Qt
               : BellWay::Compositor;
}

namespace {

// Qt's own connection to the compositor. Qt 6.4 offers it only through its
// private headers, and no desktop of Debian 12 has a bell to ring: there the
// bell keeps to the sound theme.
wl_display* QtDisplay() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#if QT_CONFIG(wayland)
    if (const auto* wayland = qGuiApp->nativeInterface<QNativeInterface::QWaylandApplication>()) {
        return wayland->display();
    }
#endif
#endif
    return nullptr;
}

} // namespace

// The compositor's bell, looked for and rung on Qt's own connection, so that
// the compositor knows whose windows to flash where the desktop flashes them.
// The globals are read on a queue of the bell's own, which Qt never reads.
struct Bell::Desktop {
    explicit Desktop(wl_display* display)
        : display(display), queue(wl_display_create_queue(display)) {
        auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
        registry = wl_display_get_registry(wrapper);
        wl_proxy_wrapper_destroy(wrapper);
        static constexpr wl_registry_listener listener = {
            .global =
                [](void* data, wl_registry*, uint32_t name, const char* interface, uint32_t) {
                    if (std::strcmp(interface, xdg_system_bell_v1_interface.name) == 0) {
                        static_cast<Desktop*>(data)->offered = name;
                    }
                },
            .global_remove = [](void*, wl_registry*, uint32_t) {},
        };
        wl_registry_add_listener(registry, &listener, this);
        wl_display_roundtrip_queue(display, queue);
    }

    ~Desktop() {
        if (bell != nullptr) {
            xdg_system_bell_v1_destroy(bell);
        }
        if (registry != nullptr) {
            wl_registry_destroy(registry);
        }
        wl_event_queue_destroy(queue);
    }

    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // Takes the bell to ring it, and lets the other globals go.
    void Bind() {
        bell = static_cast<xdg_system_bell_v1*>(
            wl_registry_bind(registry, offered, &xdg_system_bell_v1_interface, 1));
        wl_registry_destroy(registry);
        registry = nullptr;
    }

    void Ring() {
        xdg_system_bell_v1_ring(bell, nullptr); // for the game as a whole, as Qt rings it
        wl_display_flush(display);
    }

    wl_display* display;
    wl_event_queue* queue;
    wl_registry* registry;
    uint32_t offered = 0; // the bell's global; none if 0
    xdg_system_bell_v1* bell = nullptr;
};

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
    const QString platform = QGuiApplication::platformName();
    if (wl_display* display =
            platform.startsWith(QLatin1String("wayland")) ? QtDisplay() : nullptr) {
        desktop_ = std::make_unique<Desktop>(display);
    }
    way_ = ChooseBell(platform, desktop_ && desktop_->offered != 0, qVersion());
    if (way_ == BellWay::Compositor) {
        desktop_->Bind();
    } else {
        desktop_.reset();
    }
    if (way_ == BellWay::SoundTheme) {
        sound_ = std::make_unique<Sound>();
    }
}

Bell::~Bell() = default;

void Bell::Ring() {
    switch (way_) {
    case BellWay::Qt:
        QApplication::beep();
        break;
    case BellWay::Compositor:
        desktop_->Ring();
        break;
    case BellWay::SoundTheme:
        sound_->Ring();
        break;
    }
}

} // namespace tessaline::ui::detail
