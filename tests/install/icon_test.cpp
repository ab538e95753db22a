// Checks the installed program icon against the drawing the game uses for its
// window icon: every PNG size pixel for pixel, and the SVG's rectangles
// painted in document order, design pixel by design pixel.
#include "ui/pictures/pictures.h"

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>
#include <QtTest>

#include <array>

namespace {

constexpr int kDesignSize = 32;
constexpr int kCellSize = kDesignSize / tessaline::ui::ProgramIconCells;

const QString kThemeDir = QStringLiteral(TESSALINE_STAGE "/share/icons/hicolor");
const QString kIconName = QStringLiteral("org.example.Tessaline");

QString PngPath(int size) {
    return QStringLiteral("%1/%2x%2/apps/%3.png").arg(kThemeDir).arg(size).arg(kIconName);
}

QString Hex(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper();
}

} // namespace

class IconTest : public QObject {
    Q_OBJECT

  private slots:
    void pngMatchesDesign_data();
    void pngMatchesDesign();
    void svgMatchesDesign();
};

void IconTest::pngMatchesDesign_data() {
    QTest::addColumn<int>("size");
    for (const int size : tessaline::ui::ProgramIconSizes) {
        QTest::addRow("%dx%d", size, size) << size;
    }
}

void IconTest::pngMatchesDesign() {
    QFETCH(int, size);
    QImage image(PngPath(size));
    QVERIFY2(!image.isNull(), qPrintable(PngPath(size)));
    QCOMPARE(image.size(), QSize(size, size));
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QImage drawn =
        tessaline::ui::RenderProgramIcon(size, 1.0).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (image.pixel(x, y) != drawn.pixel(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, drawn %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(Hex(image.pixel(x, y)), Hex(drawn.pixel(x, y)))));
            }
        }
    }
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
            const QRgb wanted = tessaline::ui::ProgramIconCell(x / kCellSize, y / kCellSize).rgb();
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
