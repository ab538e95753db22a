#include "ui/toolkit/label_grid.h"

#include "ui/toolkit/accessibility.h"
#include "ui/toolkit/contrast.h"
#include "ui/toolkit/form_window.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaline::ui::detail {

LabelGrid::LabelGrid(QWidget* parent, FormWindow& window, std::vector<const ControlDef*> items)
    : QWidget(parent), window_(window) {
    std::stable_sort(items.begin(), items.end(),
                     [](const ControlDef* a, const ControlDef* b) { return a->index < b->index; });
    QRect bounds;
    for (const ControlDef* def : items) {
        bounds |= TwipsToPixels(def->left, def->top, def->width, def->height);
    }
    firstIndex_ = items.empty() ? 0 : items.front()->index;
    cellOfIndex_.assign(items.empty() ? 0 : items.back()->index - firstIndex_ + 1, -1);
    cells_.reserve(items.size());
    for (const ControlDef* def : items) {
        Cell cell;
        cell.def = def;
        cell.rect = TwipsToPixels(def->left, def->top, def->width, def->height)
                        .translated(-bounds.topLeft());
        cell.caption = ToQString(def->caption);
        cell.back = def->backColour;
        cell.fore = def->foreColour;
        cell.visible = def->visible;
        cell.border = def->border;
        cell.align =
            def->align == TextAlign::Centre ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop;
        const QFont font = DialogFont(def->font);
        const auto known = std::find(fonts_.begin(), fonts_.end(), font);
        cell.font = static_cast<int>(known - fonts_.begin());
        if (known == fonts_.end()) {
            fonts_.push_back(font);
        }
        cellOfIndex_[static_cast<std::size_t>(def->index - firstIndex_)] =
            static_cast<int>(cells_.size());
        cells_.push_back(std::move(cell));
    }
    setGeometry(bounds);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
    if (!items.empty()) {
        setAccessibleName(ToQString(items.front()->name));
    }
}

int LabelGrid::CellOf(int index) const {
    const int offset = index - firstIndex_;
    if (offset < 0 || offset >= static_cast<int>(cellOfIndex_.size())) {
        return -1;
    }
    return cellOfIndex_[static_cast<std::size_t>(offset)];
}

void LabelGrid::SetCaption(int cell, const QString& caption) {
    Cell& target = cells_[Pos(cell)];
    if (target.caption != caption) {
        target.caption = caption;
        Invalidate(target.rect);
        // The caption is the name only while no accessible text is set.
        if (target.accessible.isEmpty() && Listening()) {
            AnnounceNameChange(*this, cell);
        }
    }
}

void LabelGrid::SetBackColour(int cell, Colour colour) {
    Cell& target = cells_[Pos(cell)];
    if (target.back != colour) {
        target.back = colour;
        Invalidate(target.rect);
    }
}

Colour LabelGrid::BackColour(int cell) const {
    return cells_[Pos(cell)].back.value_or(SystemButtonFace);
}

void LabelGrid::SetVisible(int cell, bool visible) {
    Cell& target = cells_[Pos(cell)];
    if (target.visible != visible) {
        target.visible = visible;
        Invalidate(target.rect);
        if (Listening()) {
            AnnounceStateChange(*this, cell);
        }
    }
}

void LabelGrid::SetEnabled(int cell, bool enabled) {
    Cell& target = cells_[Pos(cell)];
    if (target.enabled != enabled) {
        target.enabled = enabled;
        Invalidate(target.rect);
        if (Listening()) {
            AnnounceStateChange(*this, cell);
        }
    }
}

void LabelGrid::SetAccessibleText(int cell, const QString& text) {
    Cell& target = cells_[Pos(cell)];
    if (target.accessible == text) {
        return; // a redraw names most squares as they were
    }
    if (!Listening()) {
        target.accessible = text;
        return;
    }
    // Tell a listener only when what it hears changes: naming a square after
    // its caption, for one, changes nothing.
    const QString before = AnnouncedText(cell);
    target.accessible = text;
    if (AnnouncedText(cell) != before) {
        AnnounceNameChange(*this, cell);
    }
}

QString LabelGrid::AnnouncedText(int cell) const {
    const Cell& target = cells_[Pos(cell)];
    return target.accessible.isEmpty() ? target.caption : target.accessible;
}

namespace {
// Pixel x covers [x, x + 1): a cell 17 wide at 0 ends before 17.
bool Covers(const QRect& rect, QPointF point) {
    return point.x() >= rect.x() && point.x() < rect.x() + rect.width() && point.y() >= rect.y() &&
           point.y() < rect.y() + rect.height();
}
} // namespace

int LabelGrid::CellAt(QPointF point) const {
    return TopCellAt(point, true);
}

int LabelGrid::ShownCellAt(QPointF point) const {
    return TopCellAt(point, false);
}

int LabelGrid::TopCellAt(QPointF point, bool enabledOnly) const {
    for (auto cell = cells_.rbegin(); cell != cells_.rend(); ++cell) {
        if (cell->visible && (cell->enabled || !enabledOnly) && Covers(cell->rect, point)) {
            return static_cast<int>(cells_.rend() - cell) - 1;
        }
    }
    return -1;
}

void LabelGrid::ClickCell(int cell, Qt::MouseButton button) {
    const Cell& target = cells_[Pos(cell)];
    if (!target.visible || !target.enabled) {
        return;
    }
    // Where the player would aim: the middle of the label, on a whole pixel as
    // a pointer is, in twips from its corner. Press and release come at one spot.
    const auto x = static_cast<float>(target.rect.width() / 2 * TwipsPerPixel);
    const auto y = static_cast<float>(target.rect.height() / 2 * TwipsPerPixel);
    window_.RaiseMouse(true, *target.def, ButtonCode(button), 0, x, y);
    window_.RaiseMouse(false, *target.def, ButtonCode(button), 0, x, y);
}

void LabelGrid::Invalidate(const QRect& rect) {
    // One growing rectangle keeps the widget's pending region a single
    // rectangle, so that a whole-board redraw costs one cheap paint request.
    dirty_ |= rect;
    update(dirty_);
}

void LabelGrid::paintEvent(QPaintEvent* event) {
    ++paints_;
    dirty_ = QRect();
    QPainter painter(this);
    const QRect clip = event->rect();
    const QPalette& colours = palette();
    int font = -1;
    // Squares of one colour come in runs: remember the last colour worked out.
    QRgb readableBack = 0;
    QColor readableText;
    QColor readable;
    for (const Cell& cell : cells_) {
        if (!cell.visible || !cell.rect.intersects(clip)) {
            continue;
        }
        if (cell.back) {
            painter.fillRect(cell.rect, ToQColor(*cell.back, colours));
        }
        QColor fore = !cell.enabled ? colours.color(QPalette::Disabled, QPalette::WindowText)
                      : cell.fore   ? ToQColor(*cell.fore, colours)
                                    : colours.color(QPalette::WindowText);
        // The palette's text on a fixed colour reads as well as it did in the
        // light palette, whatever the desktop's theme.
        if (cell.enabled && cell.back && !IsSystemColour(*cell.back) &&
            (!cell.fore || IsSystemColour(*cell.fore))) {
            const QColor back = ToQColor(*cell.back, colours);
            if (!readable.isValid() || back.rgb() != readableBack || fore != readableText) {
                readableBack = back.rgb();
                readableText = fore;
                readable = ReadableOn(back, fore);
            }
            fore = readable;
        }
        QRect inside = cell.rect;
        if (cell.border) {
            // Filled, not stroked: a pen line is one device pixel wide however
            // dense the screen, where the border is one logical pixel.
            const QRect& r = cell.rect;
            painter.fillRect(r.x(), r.y(), r.width(), 1, fore);
            painter.fillRect(r.x(), r.bottom(), r.width(), 1, fore);
            painter.fillRect(r.x(), r.y() + 1, 1, r.height() - 2, fore);
            painter.fillRect(r.right(), r.y() + 1, 1, r.height() - 2, fore);
            inside.adjust(1, 1, -1, -1);
        }
        if (!cell.caption.isEmpty()) {
            if (cell.font != font) {
                font = cell.font;
                painter.setFont(fonts_[Pos(font)]);
            }
            painter.setPen(fore);
            const QStaticText& text = Shaped(cell.font, cell.caption);
            QPointF at = inside.topLeft();
            if (cell.align & Qt::AlignHCenter) {
                const QSizeF size = text.size();
                at += QPointF(std::round((inside.width() - size.width()) / 2),
                              std::round((inside.height() - size.height()) / 2));
            }
            painter.drawStaticText(at, text);
        }
    }
}

const QStaticText& LabelGrid::Shaped(int font, const QString& caption) {
    shaped_.resize(fonts_.size());
    auto& known = shaped_[Pos(font)];
    if (known.size() > 256) {
        known.clear(); // captions of a label array are few; this only bounds odd uses
    }
    auto found = known.find(caption);
    if (found == known.end()) {
        QStaticText text(caption);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), fonts_[Pos(font)]);
        found = known.insert(caption, text);
    }
    return *found;
}

void LabelGrid::mousePressEvent(QMouseEvent* event) {
    // While a button is held the cell that took the first press keeps the
    // mouse, as a label of its own would.
    const int cell = captured_ >= 0 ? captured_ : CellAt(PointerPixel(event->position()));
    if (cell < 0) {
        event->ignore();
        return;
    }
    captured_ = cell;
    Report(true, cell, event);
}

void LabelGrid::mouseReleaseEvent(QMouseEvent* event) {
    const int cell = captured_;
    if (event->buttons() == Qt::NoButton) {
        captured_ = -1;
    }
    if (cell >= 0) {
        Report(false, cell, event);
    }
}

void LabelGrid::Report(bool down, int cell, QMouseEvent* event) {
    const Cell& target = cells_[Pos(cell)];
    const QPointF at = PointerTwips(event->position() - QPointF(target.rect.topLeft()));
    window_.RaiseMouse(down, *target.def, ButtonCode(event->button()),
                       ShiftState(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

} // namespace tessaline::ui::detail
