#include "ui/toolkit/board_widget.h"

#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tessaline::ui::detail {

namespace {

// Where each of `count` squares along one axis lies, in pixels from the first:
// each edge rounded on its own, as every control's, so that neighbours share
// their border line.
std::vector<std::pair<int, int>> Spans(int first, int count, int spacing, int side) {
    std::vector<std::pair<int, int>> spans;
    const int origin = TwipsToPixels(first);
    for (int i = 0; i < count; ++i) {
        const int start = first + i * spacing;
        spans.emplace_back(TwipsToPixels(start) - origin, TwipsToPixels(start + side) - origin);
    }
    return spans;
}

// Sets `field` to `value`; whether that changed it.
template <class T> bool Change(T& field, const T& value) {
    const bool changed = field != value;
    field = value;
    return changed;
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent, const BoardDef& def)
    : QWidget(parent), def_(def), columns_(Spans(def.left, def.columns, def.spacing, def.side)),
      rows_(Spans(def.top, def.rows, def.spacing, def.side)),
      cells_(static_cast<std::size_t>(def.columns * def.rows),
             Cell{QString(), def.back, true, true, QString()}),
      font_(DialogFont(def.font)) {
    const int right = columns_.empty() ? 0 : columns_.back().second;
    const int bottom = rows_.empty() ? 0 : rows_.back().second;
    setGeometry(TwipsToPixels(def.left), TwipsToPixels(def.top), right, bottom);
    setAccessibleName(ToQString(def.name));
}

QRect BoardWidget::CellRect(int cell) const {
    const Span& column = columns_[Pos(cell % def_.columns)];
    const Span& row = rows_[Pos(cell / def_.columns)];
    return {column.first, row.first, column.second - column.first, row.second - row.first};
}

void BoardWidget::SetCaption(int cell, const QString& caption) {
    Cell& target = cells_[Pos(cell)];
    if (Change(target.caption, caption)) {
        Invalidate(cell);
        // The caption is the name only while no accessible text is set.
        if (target.accessible.isEmpty()) {
            AnnounceCell(*this, cell, true);
        }
    }
}

void BoardWidget::SetBackColour(int cell, Colour colour) {
    if (Change(cells_[Pos(cell)].back, colour)) {
        Invalidate(cell);
    }
}

void BoardWidget::SetState(int cell, bool Cell::*state, bool on) {
    if (Change(cells_[Pos(cell)].*state, on)) {
        Invalidate(cell);
        AnnounceCell(*this, cell, false);
    }
}

void BoardWidget::SetAccessibleText(int cell, const QString& text) {
    Cell& target = cells_[Pos(cell)];
    // Tell a listener only when what it hears changes: naming a square after
    // its caption, for one, changes nothing.
    const bool heard =
        Listening() && (text.isEmpty() ? target.caption : text) != AnnouncedText(cell);
    target.accessible = text;
    if (heard) {
        AnnounceCell(*this, cell, true);
    }
}

QString BoardWidget::AnnouncedText(int cell) const {
    const Cell& target = cells_[Pos(cell)];
    return target.accessible.isEmpty() ? target.caption : target.accessible;
}

int BoardWidget::Last(const std::vector<Span>& spans, int pixel) {
    // The last square along the axis that starts at or before the pixel.
    const auto after = std::upper_bound(spans.begin(), spans.end(), pixel,
                                        [](int at, const Span& span) { return at < span.first; });
    return static_cast<int>(after - spans.begin()) - 1;
}

int BoardWidget::CellAt(QPoint pixel, bool enabledOnly) const {
    // A pixel lies in at most two squares along each axis (where neighbours
    // share a border line); the later of them lies on top.
    for (int row = Last(rows_, pixel.y()); row >= 0 && pixel.y() < rows_[Pos(row)].second; --row) {
        for (int column = Last(columns_, pixel.x());
             column >= 0 && pixel.x() < columns_[Pos(column)].second; --column) {
            const int cell = row * def_.columns + column;
            const Cell& target = cells_[Pos(cell)];
            if (target.visible && (target.enabled || !enabledOnly)) {
                return cell;
            }
        }
    }
    return -1;
}

void BoardWidget::ClickCell(int cell, Qt::MouseButton button) {
    const Cell& target = cells_[Pos(cell)];
    if (!target.visible || !target.enabled) {
        return;
    }
    // Where the player would aim: the middle of the square, on a whole pixel
    // as a pointer is. Press and release come at one spot.
    const QRect rect = CellRect(cell);
    const QPoint middle = rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
    Report(true, cell, middle, button, {});
    Report(false, cell, middle, button, {});
}

void BoardWidget::Invalidate(int cell) {
    // One growing rectangle keeps the widget's pending region a single
    // rectangle, so that a whole-board redraw costs one cheap paint request.
    dirty_ |= CellRect(cell);
    update(dirty_);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    ++paints_;
    dirty_ = QRect();
    QPainter painter(this);
    painter.setFont(font_);
    const QRect clip = event->rect();
    const QPalette& colours = palette();
    // Squares of one colour come in runs: remember the last colour worked out.
    QRgb readableBack = 0;
    QColor readableText;
    QColor readable;
    for (int i = 0; i < CellCount(); ++i) {
        const Cell& cell = cells_[Pos(i)];
        const QRect r = CellRect(i);
        if (!cell.visible || !r.intersects(clip)) {
            continue;
        }
        const QColor back = ToQColor(cell.back, colours);
        painter.fillRect(r, back);
        QColor fore = cell.enabled ? ToQColor(def_.fore, colours)
                                   : colours.color(QPalette::Disabled, QPalette::WindowText);
        // The palette's text on a fixed colour reads as well as it did in the
        // light palette, whatever the desktop's theme.
        if (cell.enabled && !IsSystemColour(cell.back) && IsSystemColour(def_.fore)) {
            if (!readable.isValid() || back.rgb() != readableBack || fore != readableText) {
                readableBack = back.rgb();
                readableText = fore;
                readable = ReadableOn(back, fore);
            }
            fore = readable;
        }
        // The border filled, not stroked: a pen line is one device pixel wide
        // however dense the screen, where the border is one logical pixel.
        painter.fillRect(r.x(), r.y(), r.width(), 1, fore);
        painter.fillRect(r.x(), r.bottom(), r.width(), 1, fore);
        painter.fillRect(r.x(), r.y() + 1, 1, r.height() - 2, fore);
        painter.fillRect(r.right(), r.y() + 1, 1, r.height() - 2, fore);
        if (!cell.caption.isEmpty()) {
            const QRect inside = r.adjusted(1, 1, -1, -1);
            const QStaticText& text = Shaped(cell.caption);
            const QSizeF size = text.size();
            painter.setPen(fore);
            painter.drawStaticText(QPointF(inside.topLeft()) +
                                       QPointF(std::round((inside.width() - size.width()) / 2),
                                               std::round((inside.height() - size.height()) / 2)),
                                   text);
        }
    }
}

const QStaticText& BoardWidget::Shaped(const QString& caption) {
    if (shaped_.size() > 256) {
        shaped_.clear(); // a board shows few captions; this only bounds odd uses
    }
    auto found = shaped_.find(caption);
    if (found == shaped_.end()) {
        QStaticText text(caption);
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), font_);
        found = shaped_.insert(caption, text);
    }
    return *found;
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    // While a button is held the square that took the first press keeps the
    // mouse, as a label of its own would.
    const int cell = captured_ >= 0 ? captured_ : CellAt(PointerPixel(event->position()));
    if (cell < 0) {
        event->ignore();
        return;
    }
    captured_ = cell;
    Report(true, cell, event->position(), event->button(), event->modifiers());
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int cell = captured_;
    if (event->buttons() == Qt::NoButton) {
        captured_ = -1;
    }
    if (cell >= 0) {
        Report(false, cell, event->position(), event->button(), event->modifiers());
    }
}

void BoardWidget::Report(bool down, int cell, QPointF position, Qt::MouseButton button,
                         Qt::KeyboardModifiers modifiers) {
    const QPointF at = PointerTwips(position - QPointF(CellRect(cell).topLeft()));
    emit Mouse(down, cell, ButtonCode(button), ShiftState(modifiers), static_cast<float>(at.x()),
               static_cast<float>(at.y()));
}

} // namespace tessaline::ui::detail
