// The product and maker pictures and the program icon, read back pixel by pixel at several
// sizes and pixel ratios.

#include "ui/pictures/pictures.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <cmath>

using tessaline::ui::Picture;

namespace {

const QRgb Yellow = qRgb(0xFF, 0xFF, 0x00);
const QRgb Orange = qRgb(0xFF, 0x80, 0x00);
const QRgb Red = qRgb(0xFF, 0x00, 0x00);
const QRgb Green = qRgb(0x00, 0xFF, 0x00);
const QRgb Blue = qRgb(0x00, 0x00, 0xFF);
const QRgb Purple = qRgb(0xC0, 0x00, 0xC0);
const QRgb Black = qRgb(0x00, 0x00, 0x00);
const QRgb White = qRgb(0xFF, 0xFF, 0xFF);
const QRgb Grey = qRgb(0x80, 0x80, 0x80);

// The device pixel under the middle of the design unit (x, y) of a picture `designSize` units
// wide, rendered `logicalSize` wide.
QRgb Sample(const QImage& image, qreal x, qreal y, qreal designSize, int logicalSize) {
    const qreal scale = logicalSize * image.devicePixelRatio() / designSize;
    return image.pixel(static_cast<int>(std::floor((x + 0.5) * scale)),
                       static_cast<int>(std::floor((y + 0.5) * scale)));
}

QString Name(QRgb colour) {
    return QColor::fromRgba(colour).name(QColor::HexArgb);
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void productCells_data();
    void productCells();
    void iconCells_data();
    void iconCells();
    void makerShapes_data();
    void makerShapes();
    void checkerboardsHaveNoBlendedSeams_data();
    void checkerboardsHaveNoBlendedSeams();
    void makerSquareEdgesFallOnDevicePixels_data();
    void makerSquareEdgesFallOnDevicePixels();
    void drawsOnlyInsideItsTarget();
    void noPictureDrawsNothing();
    void renderedImagesHaveTheirPixelRatio();
    void programIconOffersEveryDesktopSize();
};

void PicturesTest::productCells_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRgb>("colour");
    struct Cell {
        int col;
        int row;
        QRgb colour;
    };
    const Cell cells[] = {
        {0, 0, Yellow}, {1, 0, Black}, {2, 0, Orange}, {4, 0, Red},    {6, 0, Green},
        {7, 0, Black},  {0, 1, Black}, {1, 1, Blue},   {3, 1, Purple}, {5, 1, Yellow},
        {7, 1, Orange}, {0, 2, Red},   {1, 2, Black},  {6, 7, Black},  {7, 7, Orange},
    };
    for (const qreal ratio : {1.0, 2.0, 1.5}) {
        for (const Cell& cell : cells) {
            QTest::addRow("x%g (%d,%d)", ratio, cell.col, cell.row)
                << ratio << cell.col << cell.row << cell.colour;
        }
    }
}

void PicturesTest::productCells() {
    QFETCH(qreal, ratio);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QRgb, colour);
    const QImage image = tessaline::ui::RenderPicture(Picture::Product, 48, ratio);
    // Sample the middle and the two far corners of the 6-unit cell.
    for (const auto& [dx, dy] : {std::pair{3, 3}, std::pair{0, 0}, std::pair{5, 5}}) {
        QCOMPARE(Name(Sample(image, col * 6 + dx, row * 6 + dy, 48, 48)), Name(colour));
    }
}

void PicturesTest::iconCells_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRgb>("colour");
    struct Cell {
        int col;
        int row;
        QRgb colour;
    };
    const Cell cells[] = {
        {0, 0, Yellow}, {1, 0, Black},  {2, 0, Red},   {4, 0, Green}, {6, 0, Blue},
        {1, 1, Purple}, {3, 1, Yellow}, {5, 1, Red},   {0, 2, Blue},  {2, 2, Purple},
        {0, 1, Black},  {7, 7, Red},    {7, 6, Black},
    };
    for (const qreal ratio : {1.0, 2.0}) {
        for (const Cell& cell : cells) {
            QTest::addRow("x%g (%d,%d)", ratio, cell.col, cell.row)
                << ratio << cell.col << cell.row << cell.colour;
        }
    }
}

void PicturesTest::iconCells() {
    QFETCH(qreal, ratio);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QRgb, colour);
    const QImage image = tessaline::ui::RenderProgramIcon(32, ratio);
    for (const auto& [dx, dy] : {std::pair{2, 2}, std::pair{0, 0}, std::pair{3, 3}}) {
        QCOMPARE(Name(Sample(image, col * 4 + dx, row * 4 + dy, 32, 32)), Name(colour));
    }
}

void PicturesTest::makerShapes_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QRgb>("colour");
    struct Point {
        const char* what;
        int x;
        int y;
        QRgb colour;
    };
    const Point points[] = {
        {"top-left corner", 0, 0, White},       {"top-right corner", 47, 0, White},
        {"bottom-left corner", 0, 47, White},   {"bottom-right corner", 47, 47, White},
        {"between two triangles", 8, 8, White}, {"centre", 24, 24, Grey},
        {"square's corner", 17, 17, Grey},      {"line up", 24, 14, Black},
        {"line right", 34, 24, Black},          {"line down", 24, 34, Black},
        {"line left", 14, 24, Black},           {"beside the line up", 20, 14, White},
        {"top triangle", 24, 7, Yellow},        {"right triangle", 41, 24, Red},
        {"bottom triangle", 24, 41, Blue},      {"left triangle", 7, 24, Green},
    };
    for (const qreal ratio : {1.0, 2.0}) {
        for (const Point& point : points) {
            QTest::addRow("x%g %s", ratio, point.what)
                << ratio << point.x << point.y << point.colour;
        }
    }
}

void PicturesTest::makerShapes() {
    QFETCH(qreal, ratio);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QRgb, colour);
    const QImage image = tessaline::ui::RenderPicture(Picture::Maker, 48, ratio);
    QCOMPARE(Name(Sample(image, x, y, 48, 48)), Name(colour));
}

void PicturesTest::checkerboardsHaveNoBlendedSeams_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QList<QRgb>>("palette");
    const QList<QRgb> product{Yellow, Orange, Red, Green, Blue, Purple, Black};
    const QList<QRgb> icon{Yellow, Red, Green, Blue, Purple, Black};
    using tessaline::ui::RenderPicture;
    using tessaline::ui::RenderProgramIcon;
    QTest::newRow("product 48 x1") << RenderPicture(Picture::Product, 48, 1) << product;
    QTest::newRow("product 48 x2") << RenderPicture(Picture::Product, 48, 2) << product;
    QTest::newRow("product 48 x3") << RenderPicture(Picture::Product, 48, 3) << product;
    QTest::newRow("product 48 x1.25") << RenderPicture(Picture::Product, 48, 1.25) << product;
    QTest::newRow("product 37 x1") << RenderPicture(Picture::Product, 37, 1) << product;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("icon %d x1", size) << RenderProgramIcon(size, 1) << icon;
    }
    QTest::newRow("icon 32 x2") << RenderProgramIcon(32, 2) << icon;
    QTest::newRow("icon 32 x1.5") << RenderProgramIcon(32, 1.5) << icon;
}

// Every pixel is one of the picture's own colours, and the cells along the top row are whole
// device pixels wide, the widths differing by one pixel at most.
void PicturesTest::checkerboardsHaveNoBlendedSeams() {
    QFETCH(QImage, image);
    QFETCH(QList<QRgb>, palette);
    const QSet<QRgb> allowed(palette.begin(), palette.end());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!allowed.contains(image.pixel(x, y))) {
                QFAIL(qPrintable(QStringLiteral("blended pixel %1 at %2,%3")
                                     .arg(Name(image.pixel(x, y)))
                                     .arg(x)
                                     .arg(y)));
            }
        }
    }
    // Cells in a row alternate between colour and black, so each cell is one run.
    QList<int> runs{1};
    for (int x = 1; x < image.width(); ++x) {
        if (image.pixel(x, 0) == image.pixel(x - 1, 0)) {
            ++runs.back();
        } else {
            runs.append(1);
        }
    }
    QCOMPARE(runs.size(), 8);
    const int narrowest = image.width() / 8;
    for (const int run : runs) {
        QVERIFY2(run == narrowest || run == narrowest + 1, qPrintable(QString::number(run)));
    }
}

void PicturesTest::makerSquareEdgesFallOnDevicePixels_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("x1") << 1.0;
    QTest::newRow("x2") << 2.0;
    QTest::newRow("x3") << 3.0;
}

void PicturesTest::makerSquareEdgesFallOnDevicePixels() {
    QFETCH(qreal, ratio);
    const QImage image = tessaline::ui::RenderPicture(Picture::Maker, 48, ratio);
    const int r = static_cast<int>(ratio);
    const int y = 20 * r; // a row through the grey square, clear of the lines
    QCOMPARE(Name(image.pixel(17 * r - 1, y)), Name(White));
    QCOMPARE(Name(image.pixel(17 * r, y)), Name(Grey));
    QCOMPARE(Name(image.pixel(31 * r - 1, y)), Name(Grey));
    QCOMPARE(Name(image.pixel(31 * r, y)), Name(White));
    const int x = 24 * r; // the column of the line up
    QCOMPARE(Name(image.pixel(x, 11 * r)), Name(Black));
    QCOMPARE(Name(image.pixel(x, 17 * r - 1)), Name(Black));
    QCOMPARE(Name(image.pixel(x, 17 * r)), Name(Grey));
    QCOMPARE(Name(image.pixel(23 * r - 1, 14 * r)), Name(White));
    QCOMPARE(Name(image.pixel(25 * r, 14 * r)), Name(White));
}

void PicturesTest::drawsOnlyInsideItsTarget() {
    for (const Picture picture : {Picture::Product, Picture::Maker}) {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        tessaline::ui::DrawPicture(painter, picture, QRectF(8, 8, 48, 48));
        painter.end();
        for (int i = 0; i < 64; ++i) {
            const bool inside = i >= 8 && i < 56;
            QCOMPARE(qAlpha(image.pixel(i, 7)), 0);
            QCOMPARE(qAlpha(image.pixel(i, 56)), 0);
            QCOMPARE(qAlpha(image.pixel(7, i)), 0);
            QCOMPARE(qAlpha(image.pixel(56, i)), 0);
            QCOMPARE(qAlpha(image.pixel(i, 8)), inside ? 255 : 0);
            QCOMPARE(qAlpha(image.pixel(55, i)), inside ? 255 : 0);
        }
        const QRgb topLeft = picture == Picture::Product ? Yellow : White;
        QCOMPARE(Name(image.pixel(8, 8)), Name(topLeft));
    }
}

void PicturesTest::noPictureDrawsNothing() {
    const QImage image = tessaline::ui::RenderPicture(Picture::None, 48, 2);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
        }
    }
}

void PicturesTest::renderedImagesHaveTheirPixelRatio() {
    const QImage product = tessaline::ui::RenderPicture(Picture::Product, 48, 2);
    QCOMPARE(product.size(), QSize(96, 96));
    QCOMPARE(product.devicePixelRatio(), 2.0);
    const QImage icon = tessaline::ui::RenderProgramIcon(32, 1.5);
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(icon.devicePixelRatio(), 1.5);
}

void PicturesTest::programIconOffersEveryDesktopSize() {
    const QIcon icon = tessaline::ui::ProgramIcon();
    QList<QSize> expected;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        expected.append(QSize(size, size));
    }
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, expected);
    for (const QSize& size : expected) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), size);
        const int last = size.width() - 1;
        QCOMPARE(Name(image.pixel(0, 0)), Name(Yellow));    // cell (0, 0)
        QCOMPARE(Name(image.pixel(last, 0)), Name(Black));  // cell (7, 0)
        QCOMPARE(Name(image.pixel(last, last)), Name(Red)); // cell (7, 7)
        QCOMPARE(Name(image.pixel(0, last)), Name(Black));  // cell (0, 7)
    }
}

QTEST_MAIN(PicturesTest)
#include "pictures_tests.moc"
