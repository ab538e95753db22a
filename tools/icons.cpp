// Writes the program icon for the desktop, from the same drawing the game uses
// for its window icon: a PNG of every size in ProgramIconSizes, painted by
// DrawProgramIcon and saved through QImage, and one scalable SVG of the icon's
// cells. The files are committed under data/icons; the build only installs
// them. Every run writes the same bytes.
//
//   tessaline_icons OUTPUT_DIR      (make icons writes data/icons)
//
// Qt draws no SVG without the Qt SVG module, and what that module writes would
// be paths under a transform; the SVG is written here instead, one whole-pixel
// rectangle per coloured cell on a black square, from ProgramIconCell.

#include "ui/pictures/pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

using namespace tessaline::ui;

namespace {

const QString AppId = QStringLiteral("org.example.Tessaline");
constexpr int DesignSize = 32; // the icon's design units, 4 to a cell

QString Hex(const QColor& colour) {
    return colour.name(QColor::HexRgb).toUpper();
}

QByteArray SvgText() {
    constexpr int cell = DesignSize / ProgramIconCells;
    QStringList lines;
    lines << QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>)")
          << QStringLiteral(R"(<svg xmlns="http://www.w3.org/2000/svg" width="%1" height="%1" )"
                            R"(viewBox="0 0 %1 %1" shape-rendering="crispEdges">)")
                 .arg(DesignSize)
          << QStringLiteral(R"(  <rect x="0" y="0" width="%1" height="%1" fill="%2"/>)")
                 .arg(DesignSize)
                 .arg(Hex(Qt::black));
    for (int row = 0; row < ProgramIconCells; ++row) {
        for (int column = 0; column < ProgramIconCells; ++column) {
            const QColor colour = ProgramIconCell(column, row);
            if (colour != Qt::black) {
                lines << QStringLiteral(
                             R"(  <rect x="%1" y="%2" width="%3" height="%3" fill="%4"/>)")
                             .arg(column * cell)
                             .arg(row * cell)
                             .arg(cell)
                             .arg(Hex(colour));
            }
        }
    }
    lines << QStringLiteral("</svg>") << QString();
    return lines.join(QLatin1Char('\n')).toUtf8();
}

// Creates the folder of `path` as needed and prints the path written.
bool Prepare(const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool WriteSvg(const QString& path) {
    QFile file(path);
    if (!Prepare(path) || !file.open(QIODevice::WriteOnly) || file.write(SvgText()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Opaque RGB: the icon covers every pixel.
bool WritePng(const QString& path, int size) {
    const QImage image = RenderProgramIcon(size, 1.0).convertToFormat(QImage::Format_RGB32);
    if (!Prepare(path) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString theme = QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("hicolor"));
    bool written = WriteSvg(QStringLiteral("%1/scalable/apps/%2.svg").arg(theme, AppId));
    for (const int size : ProgramIconSizes) {
        written = WritePng(QStringLiteral("%1/%2x%2/apps/%3.png").arg(theme).arg(size).arg(AppId),
                           size) &&
                  written;
    }
    return written ? 0 : 1;
}
