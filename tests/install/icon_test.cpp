// Checks the installed program icon against the design the game draws as its
// window icon: an 8 by 8 checkerboard of cells on black, where a cell whose
// column plus row is odd is black and every other cell takes yellow, red,
// green, blue and purple in turn. Every PNG size and the SVG are checked,
// pixel by pixel.
#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>
#include <vector>

namespace {

constexpr int kDesignSize = 32;
constexpr int kCells = 8;
constexpr int kCellSize = kDesignSize / kCells;

const QString kThemeDir = QStringLiteral(TESSALINE_STAGE "/share/icons/hicolor");
const QString kIconName = QStringLiteral("org.example.Tessaline");

QRgb DesignColour(int column, int row) {
    static constexpr std::array<QRgb, 5> kPalette = {qRgb(0xFF, 0xFF, 0x00), qRgb(0xFF, 0x00, 0x00),
                                                     qRgb(0x00, 0xFF, 0x00), qRgb(0x00, 0x00, 0xFF),
                                                     qRgb(0xC0, 0x00, 0xC0)};
    if ((column + row) % 2 != 0) {
        return qRgb(0, 0, 0);
    }
    return kPalette[static_cast<std::size_t>((column + kCells * row) / 2) % kPalette.size()];
}

QString PngPath(int size) {
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(kThemeDir).arg(size).arg(kIconName);
}

QString Hex(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

// The lengths of the runs of one colour along a line of pixels, given the
// colour at each position. Neighbouring cells of a row or a column always
// differ (one of the two is black), so each run is one cell.
template <typename PixelAt> std::vector<int> RunLengths(int size, PixelAt pixel_at) {
    std::vector<int> runs;
    for (int i = 0; i < size; ++i) {
        if (i == 0 || pixel_at(i) != pixel_at(i - 1)) {
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}

// Maps each pixel position to its cell, from the runs of one line; fails the
// test unless there are eight runs of whole, nearly equal widths.
std::vector<int> CellOfPixel(const std::vector<int>& runs, int size, const char* direction) {
    std::vector<int> cell_of;
    const int narrow = size / kCells;
    const int wide = (size + kCells - 1) / kCells;
    if (runs.size() != static_cast<std::size_t>(kCells)) {
        QTest::qFail(qPrintable(QStringLiteral("%1 px, %2: %3 cells, expected %4")
                                    .arg(size)
                                    .arg(QLatin1String(direction))
                                    .arg(runs.size())
                                    .arg(kCells)),
                     __FILE__, __LINE__);
        return {};
    }
    for (int cell = 0; cell < kCells; ++cell) {
        const int width = runs[static_cast<std::size_t>(cell)];
        if (width != narrow && width != wide) {
            QTest::qFail(qPrintable(QStringLiteral("%1 px, %2: cell %3 is %4 px, expected %5 or %6")
                                        .arg(size)
                                        .arg(QLatin1String(direction))
                                        .arg(cell)
                                        .arg(width)
                                        .arg(narrow)
                                        .arg(wide)),
                         __FILE__, __LINE__);
            return {};
        }
        cell_of.insert(cell_of.end(), static_cast<std::size_t>(width), cell);
    }
    return cell_of;
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

  private slots:
    void pngMatchesDesign_data();
    void pngMatchesDesign();
    void designPixels_data();
    void designPixels();
    void svgMatchesDesign();
};

void IconTest::pngMatchesDesign_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QTest::addRow("%dx%d", size, size) << size;
    }
}

// Every pixel has its cell's colour, and the cells are whole pixels of two
// neighbouring widths at most (22 and 24 px cannot split 8 cells evenly), so
// the small sizes stay crisp.
void IconTest::pngMatchesDesign() {
    QFETCH(int, size);
    QImage image(PngPath(size));
    QVERIFY2(!image.isNull(), qPrintable(PngPath(size)));
    QCOMPARE(image.size(), QSize(size, size));
    image = image.convertToFormat(QImage::Format_ARGB32);

    const auto columns =
        CellOfPixel(RunLengths(size, [&](int x) { return image.pixel(x, 0); }), size, "across");
    if (QTest::currentTestFailed()) {
        return;
    }
    const auto rows =
        CellOfPixel(RunLengths(size, [&](int y) { return image.pixel(0, y); }), size, "down");
    if (QTest::currentTestFailed()) {
        return;
    }
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb wanted = DesignColour(columns[static_cast<std::size_t>(x)],
                                             rows[static_cast<std::size_t>(y)]);
            const QRgb actual = image.pixel(x, y);
            if (actual != wanted) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(Hex(actual), Hex(wanted))));
            }
        }
    }
}

void IconTest::designPixels_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    // Pixels of the 32 px icon read off the design by hand, one per colour
    // and a few blacks, to pin the order of the colours.
    QTest::newRow("top left cell yellow") << QPoint(0, 0) << qRgb(0xFF, 0xFF, 0x00);
    QTest::newRow("next cell black") << QPoint(5, 1) << qRgb(0, 0, 0);
    QTest::newRow("third cell red") << QPoint(9, 2) << qRgb(0xFF, 0x00, 0x00);
    QTest::newRow("fifth cell green") << QPoint(19, 3) << qRgb(0x00, 0xFF, 0x00);
    QTest::newRow("seventh cell blue") << QPoint(27, 0) << qRgb(0x00, 0x00, 0xFF);
    QTest::newRow("second row opens purple") << QPoint(4, 4) << qRgb(0xC0, 0x00, 0xC0);
    QTest::newRow("second row then yellow") << QPoint(12, 7) << qRgb(0xFF, 0xFF, 0x00);
    QTest::newRow("second row starts black") << QPoint(0, 4) << qRgb(0, 0, 0);
    QTest::newRow("bottom right cell red") << QPoint(31, 31) << qRgb(0xFF, 0x00, 0x00);
    QTest::newRow("bottom left cell black") << QPoint(0, 31) << qRgb(0, 0, 0);
}

void IconTest::designPixels() {
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    const QImage image = QImage(PngPath(kDesignSize)).convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!image.isNull(), qPrintable(PngPath(kDesignSize)));
    QCOMPARE(Hex(image.pixel(pixel)), Hex(colour));
}

// The SVG is drawn only with rectangles on whole design pixels; painting them
// in document order must give the design exactly and cover every pixel.
void IconTest::svgMatchesDesign() {
    const QString path = QStringLiteral("%1/scalable/apps/%2.svg").arg(kThemeDir, kIconName);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));

    constexpr QRgb kUnpainted = 0x00000000u; // transparent: no design colour has alpha 0
    std::array<std::array<QRgb, kDesignSize>, kDesignSize> painted{};
    QXmlStreamReader xml(&file);
    bool seen_root = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        const auto attributes = xml.attributes();
        if (name == QLatin1String("svg")) {
            QVERIFY2(!seen_root, "nested svg element");
            seen_root = true;
            QCOMPARE(attributes.value("viewBox").toString(), QStringLiteral("0 0 32 32"));
            QCOMPARE(attributes.value("shape-rendering").toString(), QStringLiteral("crispEdges"));
            continue;
        }
        QVERIFY2(name == QLatin1String("rect"),
                 qPrintable(QStringLiteral("unexpected element <%1>").arg(name)));
        std::array<int, 4> box{};
        const std::array<const char*, 4> keys = {"x", "y", "width", "height"};
        for (std::size_t i = 0; i < keys.size(); ++i) {
            bool whole = false;
            box[i] = attributes.value(QLatin1String(keys[i])).toInt(&whole);
            QVERIFY2(whole, qPrintable(QStringLiteral("rect %1 is not a whole number at line %2")
                                           .arg(QLatin1String(keys[i]))
                                           .arg(xml.lineNumber())));
        }
        const auto [x, y, width, height] = box;
        QVERIFY2(
            x >= 0 && y >= 0 && width > 0 && height > 0 && x + width <= kDesignSize &&
                y + height <= kDesignSize,
            qPrintable(QStringLiteral("rect outside the icon at line %1").arg(xml.lineNumber())));
        const QColor fill(attributes.value("fill").toString());
        QVERIFY2(
            fill.isValid(),
            qPrintable(QStringLiteral("rect without a colour at line %1").arg(xml.lineNumber())));
        for (int row = y; row < y + height; ++row) {
            for (int column = x; column < x + width; ++column) {
                painted[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                    fill.rgb();
            }
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(seen_root, "no svg element");

    for (int y = 0; y < kDesignSize; ++y) {
        for (int x = 0; x < kDesignSize; ++x) {
            const QRgb actual = painted[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            const QRgb wanted = DesignColour(x / kCellSize, y / kCellSize);
            if (actual != wanted) {
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) is %3, expected %4")
                        .arg(x)
                        .arg(y)
                        .arg(actual == kUnpainted ? QStringLiteral("unpainted") : Hex(actual),
                             Hex(wanted))));
            }
        }
    }
}

QTEST_GUILESS_MAIN(IconTest)
#include "icon_test.moc"
