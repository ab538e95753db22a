#pragma once
// The pictures of Tessaline, drawn as shapes so that they stay crisp at any scale: the product
// and maker pictures of the about windows, and the program icon.

#include "ui/toolkit/definition.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace tessaline::ui {

// Fills `target` with the picture (48 by 48 units by design); Picture::None draws nothing.
void DrawPicture(QPainter& painter, Picture picture, const QRectF& target);

// What the picture shows, in words, for assistive technology; empty for Picture::None.
QString DescribePicture(Picture picture);

// Fills `target` with the program icon (32 by 32 units by design): 8 by 8 cells on black.
void DrawProgramIcon(QPainter& painter, const QRectF& target);

// The program icon's cells along a side, and the colour of cell (column, row), from 0: black
// where column plus row is odd, else the next colour of the icon's own palette, reading along
// the rows. The icon files for the desktop are written from these.
inline constexpr int ProgramIconCells = 8;
QColor ProgramIconCell(int column, int row);

// The sizes in pixels a desktop asks for, one image each.
inline constexpr int ProgramIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The program icon painted afresh at every size a desktop asks for. Needs a QGuiApplication.
QIcon ProgramIcon();

// The picture on a transparent image of logicalSize by logicalSize at the given pixel ratio.
QImage RenderPicture(Picture picture, int logicalSize, qreal devicePixelRatio);
QImage RenderProgramIcon(int logicalSize, qreal devicePixelRatio);

} // namespace tessaline::ui
