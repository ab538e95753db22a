#pragma once
// The board: a grid of square labels (see BoardDef) painted by one widget;
// nine hundred label widgets recolour too slowly for a redraw to fit in a
// frame. Each square still has its own caption, back colour, visibility
// and mouse events. Squares overlap by a pixel, so that neighbours share a
// border line; a higher index lies on top, is painted later and takes the
// mouse there. To assistive technology each square is a cell of its own that a
// press left-clicks and its menu action right-clicks.

#include "ui/toolkit/definition.h"

#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace tessaline::ui::detail {

class BoardWidget final : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(QWidget* parent, const BoardDef& def);

    int CellCount() const { return static_cast<int>(cells_.size()); }

    void SetCaption(int cell, const QString& caption);
    QString Caption(int cell) const { return cells_[Pos(cell)].caption; }
    void SetBackColour(int cell, Colour colour);
    Colour BackColour(int cell) const { return cells_[Pos(cell)].back; }
    void SetVisible(int cell, bool visible) { SetState(cell, &Cell::visible, visible); }
    bool IsVisible(int cell) const { return cells_[Pos(cell)].visible; }
    void SetEnabled(int cell, bool enabled) { SetState(cell, &Cell::enabled, enabled); }
    bool IsEnabled(int cell) const { return cells_[Pos(cell)].enabled; }
    void SetAccessibleText(int cell, const QString& text);
    // What assistive technology announces: the accessible text, or the
    // caption while none is set.
    QString AnnouncedText(int cell) const;

    // The square's rectangle in this widget's coordinates.
    QRect CellRect(int cell) const;
    // The topmost visible square under a pixel, and enabled too if asked;
    // -1 if none.
    int CellAt(QPoint pixel, bool enabledOnly = true) const;

    // A click on a square's centre with the left or right button, as the
    // player makes it, for assistive technology; nothing if the square is
    // hidden or disabled.
    void ClickCell(int cell, Qt::MouseButton button);

    int PaintCount() const { return paints_; }

  signals:
    // A press or release on square `index`: button and shift as the mouse
    // handlers take them, x and y in twips from the square's corner. A release
    // goes to the square that took the press.
    void Mouse(bool down, int index, int button, int shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Cell {
        QString caption;
        Colour back;
        bool visible = true;
        bool enabled = true;
        QString accessible;
    };
    using Span = std::pair<int, int>; // first pixel, one past the last

    static std::size_t Pos(int cell) { return static_cast<std::size_t>(cell); }
    static int Last(const std::vector<Span>& spans, int pixel);
    void SetState(int cell, bool Cell::*state, bool on);
    void Invalidate(int cell);
    // `position` in this widget's coordinates.
    void Report(bool down, int cell, QPointF position, Qt::MouseButton button,
                Qt::KeyboardModifiers modifiers);
    const QStaticText& Shaped(const QString& caption);

    BoardDef def_;
    std::vector<Span> columns_; // where each column's squares lie, in pixels
    std::vector<Span> rows_;
    std::vector<Cell> cells_; // in index order
    QFont font_;
    // Captions laid out once: a board shows only a dozen different ones, and
    // laying text out is most of the cost of a paint.
    QHash<QString, QStaticText> shaped_;
    int captured_ = -1; // the square that took the press the buttons are held from
    QRect dirty_;       // changed since the last paint
    int paints_ = 0;
};

} // namespace tessaline::ui::detail
