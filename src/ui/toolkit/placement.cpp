#include "ui/toolkit/placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tessaline::ui::detail {

namespace {

// `frame` moved on past whatever it covers, by `step`, until it covers nothing.
template <class Step> QRect MovedClear(QRect frame, const std::vector<QRect>& others, Step step) {
    // Each move passes one frame for good, so there are at most as many as frames.
    for (std::size_t moves = 0; moves <= others.size(); ++moves) {
        const auto covered = std::find_if(others.begin(), others.end(), [&](const QRect& other) {
            return other.intersects(frame);
        });
        if (covered == others.end()) {
            break;
        }
        step(frame, *covered);
    }
    return frame;
}

bool Within(const QRect& frame, const QRect& screen) {
    return screen.isNull() ||
           (frame.bottom() <= screen.bottom() && frame.right() <= screen.right());
}

// Frames appear within a few event-loop turns of the window being mapped.
constexpr int FrameChecks = 50;
constexpr int FrameCheckMilliseconds = 20;

void CheckFrame(QPointer<QWidget> window, std::function<std::vector<QRect>()> others, int left) {
    if (window.isNull() || !window->isVisible() || window->windowHandle() == nullptr) {
        return;
    }
    if (window->windowHandle()->frameMargins().isNull() && left > 0) {
        QTimer::singleShot(FrameCheckMilliseconds, window.data(),
                           [window, others = std::move(others), left]() mutable {
                               CheckFrame(window, std::move(others), left - 1);
                           });
        return;
    }
    const QRect frame = window->frameGeometry();
    const QScreen* screen = window->screen();
    const QRect cleared =
        ClearOf(frame, others(), screen != nullptr ? screen->availableGeometry() : QRect());
    if (cleared != frame) {
        window->setGeometry(window->geometry().translated(cleared.topLeft() - frame.topLeft()));
    }
}

} // namespace

QRect ClearOf(const QRect& frame, const std::vector<QRect>& others, const QRect& screen) {
    const QRect down = MovedClear(frame, others, [](QRect& moving, const QRect& covered) {
        moving.moveTop(covered.bottom() + 1);
    });
    if (Within(down, screen)) {
        return down;
    }
    const QRect aside = MovedClear(frame, others, [](QRect& moving, const QRect& covered) {
        moving.moveLeft(covered.right() + 1);
    });
    return Within(aside, screen) ? aside : frame;
}

void KeepClearOnceFramed(QWidget& window, std::function<std::vector<QRect>()> others) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    CheckFrame(QPointer<QWidget>(&window), std::move(others), FrameChecks);
}

} // namespace tessaline::ui::detail
