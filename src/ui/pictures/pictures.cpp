#include "ui/pictures/pictures.h"

#include "model/colours.h"

#include <QPixmap>
#include <QPolygonF>
#include <QTransform>

#include <array>
#include <cmath>
#include <span>

namespace tessaline::ui {

namespace {

// The game's own colours, as the board shows them.
QColor Shown(ScreenColour colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

const QColor Yellow = Shown(ScreenYellow);
const QColor Orange = Shown(ScreenOrange);
const QColor Red = Shown(ScreenRed);
const QColor Green = Shown(ScreenGreen);
const QColor Blue = Shown(ScreenBlue);
const QColor Purple = Shown(ScreenPurple);
const QColor Grey{0x80, 0x80, 0x80};

constexpr int Cells = ProgramIconCells; // both checkerboards are 8 by 8 cells

// Sixteen colours by design: no orange in the icon.
const std::array<QColor, 5> IconPalette{Yellow, Red, Green, Blue, Purple};

// Maps a rectangle given in design units (a square of `designSize`) into `target`, with its edges
// moved to whole device pixels so that neighbouring shapes meet without a blended seam.
class DeviceGrid {
  public:
    DeviceGrid(const QPainter& painter, const QRectF& target, qreal designSize)
        : toDevice_(painter.deviceTransform()), toLogical_(toDevice_.inverted()),
          device_(toDevice_.mapRect(target)), designSize_(designSize) {}

    QRectF Snapped(qreal left, qreal top, qreal right, qreal bottom) const {
        const QPointF topLeft(SnapX(left), SnapY(top));
        const QPointF bottomRight(SnapX(right), SnapY(bottom));
        return toLogical_.mapRect(QRectF(topLeft, bottomRight));
    }

    QPointF Point(qreal x, qreal y) const {
        return toLogical_.map(QPointF(device_.left() + x * device_.width() / designSize_,
                                      device_.top() + y * device_.height() / designSize_));
    }

  private:
    qreal SnapX(qreal x) const {
        return std::round(device_.left() + x * device_.width() / designSize_);
    }
    qreal SnapY(qreal y) const {
        return std::round(device_.top() + y * device_.height() / designSize_);
    }

    QTransform toDevice_;
    QTransform toLogical_;
    QRectF device_;
    qreal designSize_;
};

// Black where column and row add up to an odd number; the other cells take the palette's colours
// in turn, reading along the rows.
QColor CheckerboardCell(std::span<const QColor> palette, int col, int row) {
    if ((col + row) % 2 != 0) {
        return Qt::black;
    }
    return palette[static_cast<std::size_t>((col + Cells * row) / 2) % palette.size()];
}

void DrawCheckerboard(QPainter& painter, const QRectF& target, std::span<const QColor> palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    const DeviceGrid grid(painter, target, Cells);
    painter.fillRect(grid.Snapped(0, 0, Cells, Cells), Qt::black);
    for (int row = 0; row < Cells; ++row) {
        for (int col = row % 2; col < Cells; col += 2) {
            painter.fillRect(grid.Snapped(col, row, col + 1, row + 1),
                             CheckerboardCell(palette, col, row));
        }
    }
    painter.restore();
}

void DrawProduct(QPainter& painter, const QRectF& target) {
    static const std::array<QColor, 6> palette{Yellow, Orange, Red, Green, Blue, Purple};
    DrawCheckerboard(painter, target, palette);
}

// On white, a grey square in the middle; a black line leads from each of its sides to a
// triangle pointing outwards: yellow at the top, red at the right, blue at the bottom and green
// at the left.
void DrawMaker(QPainter& painter, const QRectF& target) {
    constexpr qreal Size = 48;
    painter.save();
    painter.setPen(Qt::NoPen);
    const DeviceGrid grid(painter, target, Size);

    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(grid.Snapped(0, 0, Size, Size), Qt::white);
    painter.fillRect(grid.Snapped(23, 11, 25, 17), Qt::black); // up
    painter.fillRect(grid.Snapped(31, 23, 37, 25), Qt::black); // right
    painter.fillRect(grid.Snapped(23, 31, 25, 37), Qt::black); // down
    painter.fillRect(grid.Snapped(11, 23, 17, 25), Qt::black); // left
    painter.fillRect(grid.Snapped(17, 17, 31, 31), Grey);

    painter.setRenderHint(QPainter::Antialiasing, true);
    const auto triangle = [&](const QColor& colour, QPointF a, QPointF b, QPointF apex) {
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF{grid.Point(a.x(), a.y()), grid.Point(b.x(), b.y()),
                                      grid.Point(apex.x(), apex.y())});
    };
    triangle(Yellow, {16, 11}, {32, 11}, {24, 2});
    triangle(Red, {37, 16}, {37, 32}, {46, 24});
    triangle(Blue, {16, 37}, {32, 37}, {24, 46});
    triangle(Green, {11, 16}, {11, 32}, {2, 24});
    painter.restore();
}

QImage Render(int logicalSize, qreal devicePixelRatio, auto draw) {
    const int side = static_cast<int>(std::ceil(logicalSize * devicePixelRatio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter, QRectF(0, 0, logicalSize, logicalSize));
    return image;
}

} // namespace

void DrawPicture(QPainter& painter, Picture picture, const QRectF& target) {
    switch (picture) {
    case Picture::Product:
        DrawProduct(painter, target);
        break;
    case Picture::Maker:
        DrawMaker(painter, target);
        break;
    case Picture::None:
        break;
    }
}

QString DescribePicture(Picture picture) {
    switch (picture) {
    case Picture::Product:
        return QStringLiteral("Tessaline picture");
    case Picture::Maker:
        return QStringLiteral("Vantiro Software picture");
    case Picture::None:
        break;
    }
    return {};
}

void DrawProgramIcon(QPainter& painter, const QRectF& target) {
    DrawCheckerboard(painter, target, IconPalette);
}

QColor ProgramIconCell(int column, int row) {
    return CheckerboardCell(IconPalette, column, row);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : ProgramIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        DrawProgramIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QImage RenderPicture(Picture picture, int logicalSize, qreal devicePixelRatio) {
    return Render(logicalSize, devicePixelRatio,
                  [picture](QPainter& painter, const QRectF& target) {
                      DrawPicture(painter, picture, target);
                  });
}

QImage RenderProgramIcon(int logicalSize, qreal devicePixelRatio) {
    return Render(logicalSize, devicePixelRatio, DrawProgramIcon);
}

} // namespace tessaline::ui
