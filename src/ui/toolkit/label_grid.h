#pragma once
// A large control array of labels (the board's squares) drawn by one widget.
// Nine hundred label widgets take several times longer to recolour than one
// widget that paints every cell itself, and a redraw of the whole board must
// fit well inside one frame. Each cell still behaves as a label of its own:
// caption, back colour, visibility and mouse events per index.
//
// Cells may overlap (the squares do, by one pixel, so that neighbouring
// borders share a line). They are stacked in index order: a higher index lies
// on top, is painted later and takes the mouse where two cells overlap.
//
// Assistive technology sees each cell as an object of its own (see
// accessibility.h); the grid tells it when a cell's name or visibility
// changes, at the cost of one test while no one listens.

#include "ui/toolkit/definition.h"

#include <QFont>
#include <QHash>
#include <QRect>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

namespace tessaline::ui::detail {

class FormWindow;

class LabelGrid final : public QWidget {
    Q_OBJECT

  public:
    // `items` are the array's labels, all of one name; positions in client pixels.
    LabelGrid(QWidget* parent, FormWindow& window, std::vector<const ControlDef*> items);

    // The cell of an array index, -1 if the array has no such item.
    int CellOf(int index) const;
    int CellCount() const { return static_cast<int>(cells_.size()); }
    const ControlDef& Def(int cell) const { return *cells_[Pos(cell)].def; }

    void SetCaption(int cell, const QString& caption);
    QString Caption(int cell) const { return cells_[Pos(cell)].caption; }
    void SetBackColour(int cell, Colour colour);
    Colour BackColour(int cell) const;
    void SetVisible(int cell, bool visible);
    bool IsVisible(int cell) const { return cells_[Pos(cell)].visible; }
    void SetEnabled(int cell, bool enabled);
    bool IsEnabled(int cell) const { return cells_[Pos(cell)].enabled; }
    void SetAccessibleText(int cell, const QString& text);
    QString AccessibleText(int cell) const { return cells_[Pos(cell)].accessible; }
    // What assistive technology announces: the accessible text, or the
    // caption while none is set.
    QString AnnouncedText(int cell) const;

    // The cell's rectangle in this widget's coordinates.
    QRect CellRect(int cell) const { return cells_[Pos(cell)].rect; }
    // The topmost visible, enabled cell under a point, -1 if none.
    int CellAt(QPointF point) const;
    // The topmost visible cell under a point, enabled or not, -1 if none.
    int ShownCellAt(QPointF point) const;

    // A click on a cell's centre with the left or right button, as the player
    // makes it, for assistive technology; nothing if the cell is hidden or
    // disabled.
    void ClickCell(int cell, Qt::MouseButton button);

    int PaintCount() const { return paints_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    struct Cell {
        const ControlDef* def = nullptr;
        QRect rect;
        QString caption;
        std::optional<Colour> back; // empty: the window shows through
        std::optional<Colour> fore; // empty: the palette's label text colour
        bool visible = true;
        bool enabled = true;
        bool border = false;
        int font = 0;  // into fonts_
        int align = 0; // Qt alignment flags
        QString accessible;
    };

    static std::size_t Pos(int cell) { return static_cast<std::size_t>(cell); }
    void Invalidate(const QRect& rect);
    int TopCellAt(QPointF point, bool enabledOnly) const;
    void Report(bool down, int cell, QMouseEvent* event);
    const QStaticText& Shaped(int font, const QString& caption);

    FormWindow& window_;
    std::vector<Cell> cells_; // in index order
    std::vector<QFont> fonts_;
    // Captions laid out once per font: a board shows only a dozen different
    // ones, and laying text out is most of the cost of a paint.
    std::vector<QHash<QString, QStaticText>> shaped_;
    int firstIndex_ = 0;
    std::vector<int> cellOfIndex_; // array index - firstIndex_ -> cell, -1 for a gap
    int captured_ = -1;            // the cell that took the press the buttons are held from
    QRect dirty_;                  // changed since the last paint
    int paints_ = 0;
};

} // namespace tessaline::ui::detail
