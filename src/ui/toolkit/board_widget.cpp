#include "ui/toolkit/board_widget.h"

#include "ui/toolkit/accessibility.h"
#include "ui/toolkit/contrast.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"
#include "ui/toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>

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

// One square of a board. It lives as long as the board's own interface, which
// registers it with Qt on first use and removes it with itself.
class CellInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CellInterface(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        return board_ && kind == QAccessible::Name ? board_->AnnouncedText(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!board_) {
            return {};
        }
        const QRect local = board_->CellRect(cell_);
        return {board_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!board_) {
            state.invalid = true;
            return state;
        }
        state.invisible = !board_->IsVisible(cell_) || !board_->isVisible();
        // Squares beyond the window's edges (it shows only the squares in
        // play) are there but cannot be seen; a border line showing at the
        // edge does not make a square seen.
        state.offscreen =
            state.invisible || !board_->visibleRegion().contains(board_->CellRect(cell_).center());
        state.disabled = !board_->IsEnabled(cell_) || !board_->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // A press is the player's left click; the menu action his right click.
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::pressAction(),
                QAccessibleActionInterface::showMenuAction()};
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (!board_) {
            return;
        }
        if (action == QAccessibleActionInterface::pressAction()) {
            board_->ClickCell(cell_, Qt::LeftButton);
        } else if (action == QAccessibleActionInterface::showMenuAction()) {
            board_->ClickCell(cell_, Qt::RightButton);
        }
    }

    int Cell() const { return cell_; }
    const BoardWidget* Board() const { return board_.data(); }

  private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// The board: one child per square, in index order, whether shown or not, so
// that a square's place among its siblings never changes.
class BoardInterface final : public QAccessibleWidget {
  public:
    explicit BoardInterface(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Grouping),
          ids_(static_cast<std::size_t>(board->CellCount()), 0) {}

    ~BoardInterface() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return static_cast<int>(ids_.size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new CellInterface(Board(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellInterface*>(child);
        return cell != nullptr && cell->Board() == Board() ? cell->Cell() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        BoardWidget* board = Board();
        const QPoint local = board->mapFromGlobal(QPoint(x, y));
        if (!board->isVisible() || !board->visibleRegion().contains(local)) {
            return nullptr;
        }
        const int cell = board->CellAt(local, false);
        return cell < 0 ? nullptr : child(cell);
    }

  private:
    BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_; // 0 until a square is first asked for
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* board = qobject_cast<BoardWidget*>(object);
    return board != nullptr ? new BoardInterface(board) : nullptr;
}

void AnnounceNameChange(BoardWidget& board, int cell) {
    QAccessibleEvent event(&board, QAccessible::NameChanged);
    event.setChild(cell);
    Announce(event);
}

void AnnounceStateChange(BoardWidget& board, int cell) {
    QAccessible::State changed;
    changed.invisible = true;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(&board, changed);
    event.setChild(cell);
    Announce(event);
}

} // namespace

BoardWidget::BoardWidget(QWidget* parent, const BoardDef& def)
    : QWidget(parent), def_(def), columns_(Spans(def.left, def.columns, def.spacing, def.side)),
      rows_(Spans(def.top, def.rows, def.spacing, def.side)),
      cells_(static_cast<std::size_t>(def.columns * def.rows),
             Cell{QString(), def.back, true, true, QString()}),
      font_(DialogFont(def.font)) {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
    const int right = columns_.empty() ? 0 : columns_.back().second;
    const int bottom = rows_.empty() ? 0 : rows_.back().second;
    setGeometry(TwipsToPixels(def.left), TwipsToPixels(def.top), right, bottom);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(ToQString(def.name));
}

QRect BoardWidget::CellRect(int cell) const {
    const Span& column = columns_[Pos(cell % def_.columns)];
    const Span& row = rows_[Pos(cell / def_.columns)];
    return {column.first, row.first, column.second - column.first, row.second - row.first};
}

void BoardWidget::SetCaption(int cell, const QString& caption) {
    Cell& target = cells_[Pos(cell)];
    if (target.caption != caption) {
        target.caption = caption;
        Invalidate(cell);
        // The caption is the name only while no accessible text is set.
        if (target.accessible.isEmpty() && Listening()) {
            AnnounceNameChange(*this, cell);
        }
    }
}

void BoardWidget::SetBackColour(int cell, Colour colour) {
    Cell& target = cells_[Pos(cell)];
    if (target.back != colour) {
        target.back = colour;
        Invalidate(cell);
    }
}

void BoardWidget::SetState(int cell, bool Cell::*state, bool on) {
    bool& target = cells_[Pos(cell)].*state;
    if (target != on) {
        target = on;
        Invalidate(cell);
        if (Listening()) {
            AnnounceStateChange(*this, cell);
        }
    }
}

void BoardWidget::SetAccessibleText(int cell, const QString& text) {
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
    const QPointF middle(rect.width() / 2, rect.height() / 2);
    Report(true, cell, middle, ButtonCode(button), 0);
    Report(false, cell, middle, ButtonCode(button), 0);
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
    Report(true, cell, event->position() - QPointF(CellRect(cell).topLeft()),
           ButtonCode(event->button()), ShiftState(event->modifiers()));
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
    const int cell = captured_;
    if (event->buttons() == Qt::NoButton) {
        captured_ = -1;
    }
    if (cell >= 0) {
        Report(false, cell, event->position() - QPointF(CellRect(cell).topLeft()),
               ButtonCode(event->button()), ShiftState(event->modifiers()));
    }
}

void BoardWidget::Report(bool down, int cell, QPointF position, int button, int shift) {
    const QPointF at = PointerTwips(position);
    emit Mouse(down, cell, button, shift, static_cast<float>(at.x()), static_cast<float>(at.y()));
}

} // namespace tessaline::ui::detail
