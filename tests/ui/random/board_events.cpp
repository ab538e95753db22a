// The driver's events on the board: clicks through the window system, apart,
// doubled, between pixels or while another button is held, and the clicks of
// a player who knows the board.

#include "driver.h"
#include "events.h"
#include "say.h"

#include <algorithm>
#include <vector>

namespace tessaline::ui::random {

Driver::Spot Driver::RandomSpot() {
    const QRect view = session_->VisibleSquares();
    const QPoint at(Uniform(view.left(), view.right()), Uniform(view.top(), view.bottom()));
    // Squares lie 16 pixels apart and are 17 wide: where two overlap, the one
    // with the higher index lies on top and takes the mouse.
    const int column = std::min(at.x() / 16, 29);
    const int row = std::min(at.y() / 16, 29);
    return {at, column + 30 * row, at.x() % 16 != 0 && at.y() % 16 != 0};
}

Driver::Planned Driver::PlanSquareClick() {
    const Spot spot = RandomSpot();
    const int roll = Uniform(0, 99);
    const Qt::MouseButton button = roll < 60   ? Qt::LeftButton
                                   : roll < 95 ? Qt::RightButton
                                   : roll < 98 ? Qt::MiddleButton
                                               : Qt::BackButton;
    const Qt::KeyboardModifiers modifiers = Chance(10)  ? Qt::ShiftModifier
                                            : Chance(5) ? Qt::ControlModifier
                                                        : Qt::NoModifier;
    Planned planned;
    planned.description = Say(ButtonName(button), " click on square ", spot.index, " at pixel ",
                              spot.at.x(), ",", spot.at.y());
    planned.act = [this, spot, button, modifiers] {
        session_->WindowMouse(true, spot.at, button, modifiers);
        session_->WindowMouse(false, spot.at, button, modifiers);
    };
    if (Code(button) != 0) {
        planned.expect.click = Expect::Click{spot.index, Code(button)};
    } else {
        planned.expect.ignoredRelease = true;
    }
    return planned;
}

// A player who knows the board: a left click on a hidden square of the
// guessed colour, or a click on the Guess button of a hidden square's colour,
// so that games are won and long uncoverings spread.
Driver::Planned Driver::PlanKnowingClick() {
    const Game& game = session_->game();
    const QRect view = session_->VisibleSquares();
    std::vector<int> right;
    std::vector<int> other;
    for (int column = 0; column < game.BoardWidth; ++column) {
        for (int row = 0; row < game.BoardHeight; ++row) {
            const Cell& cell = game.At(column, row);
            if (cell.Colour == 0 || cell.State == 200 ||
                !view.contains(QPoint(column * 16 + 8, row * 16 + 8))) {
                continue;
            }
            (cell.Colour == game.GuessColour ? right : other).push_back(Square(column, row));
        }
    }
    if (right.empty() || (!other.empty() && Chance(15))) {
        if (other.empty()) {
            return PlanSquareClick();
        }
        const int index =
            other[static_cast<std::size_t>(Uniform(0, static_cast<int>(other.size()) - 1))];
        const int colour = game.At(index % 30, index / 30).Colour;
        Planned planned;
        planned.description =
            Say("left click on rbtGuess(", colour, "), the colour of square ", index);
        planned.act = [this, colour] {
            session_->ClickAt("Color", "rbtGuess", colour, Qt::LeftButton);
        };
        planned.expect.modelUntouched = true;
        planned.expect.guess = colour;
        return planned;
    }
    const int index =
        right[static_cast<std::size_t>(Uniform(0, static_cast<int>(right.size()) - 1))];
    const QPoint at(index % 30 * 16 + Uniform(1, 15), index / 30 * 16 + Uniform(1, 15));
    Planned planned;
    planned.description = Say("left click on square ", index, " of the guessed colour at pixel ",
                              at.x(), ",", at.y());
    planned.act = [this, at] {
        session_->WindowMouse(true, at, Qt::LeftButton, {});
        session_->WindowMouse(false, at, Qt::LeftButton, {});
    };
    planned.expect.click = Expect::Click{index, 1};
    return planned;
}

Driver::Planned Driver::PlanSquareApart() {
    const Spot press = RandomSpot();
    Spot release = RandomSpot();
    if (Chance(50)) {
        // Elsewhere on the same square.
        const QRect view = session_->VisibleSquares();
        const QPoint corner(press.index % 30 * 16, press.index / 30 * 16);
        release.at = corner + QPoint(Uniform(1, 15), Uniform(1, 15));
        release.at =
            QPoint(std::min(release.at.x(), view.right()), std::min(release.at.y(), view.bottom()));
    }
    if (release.at == press.at) {
        release.at += press.at.x() > 0 ? QPoint(-1, 0) : QPoint(1, 0);
    }
    const Qt::MouseButton button = Chance(60) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description =
        Say(ButtonName(button), " press on square ", press.index, " at pixel ", press.at.x(), ",",
            press.at.y(), ", release at pixel ", release.at.x(), ",", release.at.y());
    planned.act = [this, press, release, button] {
        session_->WindowMouse(true, press.at, button, {});
        session_->WindowMouse(false, release.at, button, {});
    };
    planned.expect.ignoredRelease = true;
    return planned;
}

Driver::Planned Driver::PlanDoubleClick() {
    const Spot spot = RandomSpot();
    const Qt::MouseButton button = Chance(70) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description = Say(ButtonName(button), " double click on square ", spot.index,
                              " at pixel ", spot.at.x(), ",", spot.at.y());
    planned.act = [this, spot, button] { session_->WindowDoubleClick(spot.at, button); };
    return planned;
}

Driver::Planned Driver::PlanFractionalClick() {
    const QRect view = session_->VisibleSquares();
    // Quarter pixels, as a pointer on a scaled screen reports them. The board
    // takes the nearest whole pixel, halves rounded up, so a press and a
    // release at one position are one click on the square at that pixel; the
    // positions stop where that pixel would leave the view.
    const int x = Uniform(view.left() * 4, view.right() * 4 + 1);
    const int y = Uniform(view.top() * 4, view.bottom() * 4 + 1);
    const QPointF at(x / 4.0, y / 4.0);
    const QPoint pixel((x + 2) / 4, (y + 2) / 4);
    const int index = std::min(pixel.x() / 16, 29) + 30 * std::min(pixel.y() / 16, 29);
    const Qt::MouseButton button = Chance(60) ? Qt::LeftButton : Qt::RightButton;
    Planned planned;
    planned.description = Say(ButtonName(button), " click straight to square ", index, " at pixel ",
                              at.x(), ",", at.y());
    planned.act = [this, at, button] {
        session_->DirectMouse(true, at, button, button, {});
        session_->DirectMouse(false, at, button, {}, {});
    };
    planned.expect.click = Expect::Click{index, Code(button)};
    return planned;
}

Driver::Planned Driver::PlanChord() {
    const Spot first = RandomSpot();
    Spot second = RandomSpot();
    if (second.at == first.at) {
        second.at += first.at.x() > 0 ? QPoint(-1, 0) : QPoint(1, 0);
    }
    Planned planned;
    planned.description = Say("left press on square ", first.index, " at pixel ", first.at.x(), ",",
                              first.at.y(), ", right click at pixel ", second.at.x(), ",",
                              second.at.y(), " while it is held, left release");
    planned.act = [this, first, second] {
        session_->DirectMouse(true, first.at, Qt::LeftButton, Qt::LeftButton, {});
        session_->DirectMouse(true, second.at, Qt::RightButton, Qt::LeftButton | Qt::RightButton,
                              {});
        session_->DirectMouse(false, second.at, Qt::RightButton, Qt::LeftButton, {});
        session_->DirectMouse(false, first.at, Qt::LeftButton, {}, {});
    };
    // The square that took the first press keeps the mouse while a button is
    // held: the right click is its own, the left release lands away from the
    // last press.
    planned.expect.click = Expect::Click{first.index, 2};
    return planned;
}

} // namespace tessaline::ui::random
