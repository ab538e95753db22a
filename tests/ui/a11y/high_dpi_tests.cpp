// Every window on a screen of twice the usual density: the whole window drawn
// at two device pixels to the logical pixel, in the same proportions, with
// pictures, lines and text sharp rather than enlarged. Set
// TESSALINE_SCREENSHOTS to a folder to keep the PNGs for a look.
//
//   QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 TESSALINE_SCREENSHOTS=/tmp/x high_dpi_tests

#include "program.h"
#include "ui/layouts/layouts.h"

#include <cmath>

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace tessaline::ui::test {

namespace {

// Aligned 2 by 2 blocks of device pixels that are not of one colour: a window
// drawn at one pixel to the pixel and then enlarged has none.
int MixedBlocks(const QImage& image, const QRect& area) {
    int mixed = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner) {
                ++mixed;
            }
        }
    }
    return mixed;
}

// A control's rectangle in device pixels of its window's image.
QRect DeviceRect(Control& control, const QImage& image) {
    QWidget* widget = ControlWidget(control);
    const QRect logical(widget->mapTo(widget->window(), ControlRect(control).topLeft()),
                        ControlRect(control).size());
    const qreal ratio = image.devicePixelRatio();
    return {QPoint(qRound(logical.x() * ratio), qRound(logical.y() * ratio)),
            logical.size() * ratio};
}

void Keep(Form& form, const QImage& image) {
    const QString folder = qEnvironmentVariable("TESSALINE_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        QVERIFY(image.save(folder + QLatin1Char('/') + ToQString(form.Name()) + ".png"));
    }
}

} // namespace

class HighDpiTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void initTestCase() {
        QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), 2.0),
                 "run with QT_SCALE_FACTOR=2 (ctest does)");
    }

    void everyWindowIsDrawnAtTwiceTheDensity_data() {
        QTest::addColumn<QString>("window");
        for (const FormDef* layout : AllLayouts()) {
            QTest::newRow(layout->name.data()) << ToQString(layout->name);
        }
        QCOMPARE(AllLayouts().size(), std::size_t{14});
    }
    void everyWindowIsDrawnAtTwiceTheDensity() {
        QFETCH(QString, window);
        Program program;
        Form& form = program.tk.Touch(window.toStdString());
        // Two windows show no text until a game runs; give them some.
        if (window == QStringLiteral("Board")) {
            form("Square", 0).SetCaption("8");
            form("Square", 31).SetCaption("?");
        } else if (window == QStringLiteral("Time")) {
            form("lblTime").SetCaption("42");
        }
        form.Show();
        QWidget* top = WindowWidget(form);
        QVERIFY(QTest::qWaitForWindowExposed(top));
        const QImage image = Grab(form);
        Keep(form, image);
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), top->size() * 2);
        // The client area keeps the layout's proportions in logical pixels.
        const FormDef& def = *FindLayout(window.toStdString());
        if (window != QStringLiteral("Board")) {
            QCOMPARE(ClientWidget(form)->width(), (def.clientWidth + 7) / 15);
        }
        // Drawn at the screen's density, not enlarged: text and lines have
        // edges that fall between the pixels of a one-to-one drawing.
        QVERIFY2(MixedBlocks(image, image.rect()) > 20, qPrintable(window));
    }

    void theProductPictureHasSharpCells() {
        Program program;
        Form& about = program.tk.Touch("AboutTessaline");
        about.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(about)));
        const QImage image = Grab(about);
        const QRect picture = DeviceRect(about("icnTessaline"), image);
        QCOMPARE(picture.size(), QSize(96, 96)); // 720 twips, 48 logical pixels
        const QSet<QRgb> palette{qRgb(0xFF, 0xFF, 0x00), qRgb(0xFF, 0x80, 0x00),
                                 qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00),
                                 qRgb(0x00, 0x00, 0xFF), qRgb(0xC0, 0x00, 0xC0),
                                 qRgb(0x00, 0x00, 0x00)};
        // Eight cells of twelve device pixels each way: every pixel is a colour
        // of the picture, and each cell is of one colour right to its edges.
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 96; ++x) {
                const QRgb shown = image.pixel(picture.topLeft() + QPoint(x, y)) | 0xFF000000;
                const QRgb cell =
                    image.pixel(picture.topLeft() + QPoint(x / 12 * 12 + 6, y / 12 * 12 + 6));
                QVERIFY2(palette.contains(shown),
                         qPrintable(QStringLiteral("blended colour at %1,%2").arg(x).arg(y)));
                QVERIFY2(
                    shown == (cell | 0xFF000000),
                    qPrintable(QStringLiteral("cell edge off the grid at %1,%2").arg(x).arg(y)));
            }
        }
        // Neighbouring cells differ, so a shifted grid could not pass.
        QVERIFY(image.pixel(picture.topLeft() + QPoint(11, 0)) !=
                image.pixel(picture.topLeft() + QPoint(12, 0)));
    }

    // The Guess buttons are laid out lower than the desktop's radio dot: they
    // grow about their middle line so that the dot shows whole.
    void boxesAndButtonsShowTheirIndicatorWhole() {
        Program program;
        Form& color = program["Color"];
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            for (const bool radio : {false, true}) {
                Control& control = color(radio ? "rbtGuess" : "cbxScan", code);
                auto* button = static_cast<QAbstractButton*>(ControlWidget(control));
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect indicator = button->style()->subElementRect(
                    radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option,
                    button);
                const QString what =
                    QStringLiteral("%1(%2)").arg(radio ? "rbtGuess" : "cbxScan").arg(code);
                QVERIFY2(button->rect().contains(indicator), qPrintable(what));
                const ControlDef& def = *FindControl(ColorLayout(), control.Name(), code);
                const double middle = (def.top + def.height / 2.0) / 15.0;
                QVERIFY2(std::abs(button->geometry().center().y() + 0.5 - middle) <= 1.0,
                         qPrintable(what));
            }
        }
    }

    // A square's border is one logical pixel: two device pixels, of the
    // border's colour, shared with its neighbour; inside, the back colour.
    void squareBordersKeepTheirWidth() {
        Program program;
        Form& board = program.tk.Touch("Board");
        board.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(board)));
        board("Square", 0).SetBackColour(0x00FFFF);
        board("Square", 1).SetBackColour(0xFF0000);
        const QImage image = Grab(board);
        const QRect first = DeviceRect(board("Square", 0), image);
        QCOMPARE(first.size(), QSize(34, 34));
        const int y = first.top() + 16;
        const QRgb border = image.pixel(first.left(), y);
        QCOMPARE(image.pixel(first.left() + 1, y), border);
        QCOMPARE(image.pixel(first.left() + 2, y), qRgb(0xFF, 0xFF, 0x00));
        // Square 1 starts on square 0's last logical column: 32 and 33.
        QCOMPARE(image.pixel(first.left() + 31, y), qRgb(0xFF, 0xFF, 0x00));
        QCOMPARE(image.pixel(first.left() + 32, y), border);
        QCOMPARE(image.pixel(first.left() + 33, y), border);
        QCOMPARE(image.pixel(first.left() + 34, y), qRgb(0x00, 0x00, 0xFF));
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::HighDpiTests)
#include "high_dpi_tests.moc"
