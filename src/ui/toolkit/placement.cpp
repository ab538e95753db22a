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

using Windows = std::function<std::vector<const QWidget*>()>;

std::vector<QRect> Frames(const std::vector<const QWidget*>& windows) {
    std::vector<QRect> frames;
    for (const QWidget* window : windows) {
        frames.push_back(window->frameGeometry());
    }
    return frames;
}

// Moves `window` so that `frame`, where its frame is or will be, clears `others`.
void MoveClear(QWidget& window, const QRect& frame, const std::vector<QRect>& others) {
    const QScreen* screen = window.screen();
    const QRect cleared =
        ClearOf(frame, others, screen != nullptr ? screen->availableGeometry() : QRect());
    if (cleared != frame) {
        window.setGeometry(window.geometry().translated(cleared.topLeft() - frame.topLeft()));
    }
}

// Frames appear within a few event-loop turns of the window being mapped.
constexpr int Checks = 50;
constexpr int CheckMilliseconds = 20;

void CheckFrame(QPointer<QWidget> window, Windows others, int left) {
    if (window.isNull() || !window->isVisible() || window->windowHandle() == nullptr) {
        return;
    }
    const QWindow& handle = *window->windowHandle();
    if ((handle.isExposed() && !handle.frameMargins().isNull()) || left == 0) {
        MoveClear(*window, window->frameGeometry(), Frames(others()));
        return;
    }
    QTimer::singleShot(CheckMilliseconds, window.data(),
                       [window, others = std::move(others), left]() mutable {
                           CheckFrame(window, std::move(others), left - 1);
                       });
}

} // namespace

QRect ClearOf(const QRect& frame, const std::vector<QRect>& others, const QRect& screen) {
    const auto within = [&screen](const QRect& moved) {
        return screen.isNull() ||
               (moved.bottom() <= screen.bottom() && moved.right() <= screen.right());
    };
    const QRect down = MovedClear(frame, others, [](QRect& moving, const QRect& covered) {
        moving.moveTop(covered.bottom() + 1);
    });
    if (within(down)) {
        return down;
    }
    const QRect aside = MovedClear(frame, others, [](QRect& moving, const QRect& covered) {
        moving.moveLeft(covered.right() + 1);
    });
    return within(aside) ? aside : frame;
}

void KeepClear(QWidget& window, Windows others) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const std::vector<const QWidget*> shown = others();
    for (const QWidget* other : shown) {
        const QMargins margins =
            other->windowHandle() != nullptr ? other->windowHandle()->frameMargins() : QMargins();
        if (!margins.isNull()) {
            MoveClear(window, window.geometry().marginsAdded(margins), Frames(shown));
            break;
        }
    }
    CheckFrame(QPointer<QWidget>(&window), std::move(others), Checks);
}

} // namespace tessaline::ui::detail
