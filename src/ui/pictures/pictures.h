#pragma once
// The pictures of Tessaline, drawn as shapes so that they stay crisp at any scale: the product
// and maker pictures of the about windows, and the program icon.

#include "ui/toolkit/definition.h"

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

// Fills `target` with the program icon (32 by 32 units by design).
void DrawProgramIcon(QPainter& painter, const QRectF& target);

// The program icon painted afresh at every size a desktop asks for. Needs a QGuiApplication.
QIcon ProgramIcon();

// The picture on a transparent image of logicalSize by logicalSize at the given pixel ratio.
QImage RenderPicture(Picture picture, int logicalSize, qreal devicePixelRatio);
QImage RenderProgramIcon(int logicalSize, qreal devicePixelRatio);

} // namespace tessaline::ui
