// What the desktop decides and the game must live with: the theme's text
// colour on the squares' fixed colours, title bars taller than the layout
// left room for, and which bell a beep rings.

#include "ui/toolkit/placement.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/units.h"

#include <QColor>
#include <QRect>
#include <QTest>

#include <vector>

namespace tessaline::ui::test {

using detail::BellWay;
using detail::ChooseBell;
using detail::ClearOf;
using detail::Contrast;
using detail::ReadableOn;

class DesktopRulesTests : public QObject {
    Q_OBJECT

  private slots:
    void text_on_fixed_colours_reads_as_in_the_light_palette_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("dark");
        QTest::newRow("light palette") << QColor(Qt::black) << false;
        QTest::newRow("light theme, dark grey text") << QColor(0x2e, 0x34, 0x36) << false;
        QTest::newRow("dark palette") << QColor(Qt::white) << true;
        QTest::newRow("dark theme, off-white text") << QColor(0xee, 0xee, 0xec) << true;
        QTest::newRow("dark theme, bluish white text") << QColor(0xfc, 0xfc, 0xfc) << true;
        QTest::newRow("mid grey text") << QColor(0x80, 0x80, 0x80) << true;
    }
    void text_on_fixed_colours_reads_as_in_the_light_palette() {
        QFETCH(QColor, text);
        QFETCH(bool, dark);
        // The six colours, white and black, as the squares show them.
        const QColor squares[] = {{0xff, 0xff, 0x00}, {0xff, 0x80, 0x00}, {0xff, 0x00, 0x00},
                                  {0x00, 0xff, 0x00}, {0x00, 0x00, 0xff}, {0xc0, 0x00, 0xc0},
                                  {0xff, 0xff, 0xff}, {0x00, 0x00, 0x00}};
        for (const QColor& square : squares) {
            const QColor drawn = ReadableOn(square, text);
            const QString where = square.name() + " under " + text.name();
            // Never less readable than the light palette's black...
            QVERIFY2(Contrast(drawn, square) >= Contrast(Qt::black, square), qPrintable(where));
            // ...and under a dark one the lines between squares of a colour
            // stay plain to see (black on blue is as laid out, and dimmer).
            QVERIFY2(!dark || Contrast(drawn, square) >= 3.0, qPrintable(where));
            if (text == Qt::black) {
                QCOMPARE(drawn, text); // the light palette draws what it always drew
            }
        }
    }

    void a_placed_window_clears_the_others_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<std::vector<QRect>>("others");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("placed");
        // The main window's frame as a tall title bar leaves it, and the board's.
        const QRect main(133, 0, 510, 154);
        const QRect board(186, 125, 249, 282);
        const QRect wide(0, 0, 1280, 1024);
        QTest::newRow("clear of everything: stays")
            << QRect(186, 160, 249, 282) << std::vector{main} << wide << QPoint(186, 160);
        QTest::newRow("edges that touch: stays")
            << QRect(186, 154, 249, 282) << std::vector{main} << wide << QPoint(186, 154);
        QTest::newRow("title bar over the main window: just below it")
            << board << std::vector{main} << wide << QPoint(186, 154);
        QTest::newRow("below one, over another: below both")
            << board << std::vector{main, QRect(300, 150, 100, 40)} << wide << QPoint(186, 190);
        QTest::newRow("no room below: just beside it")
            << board << std::vector{main} << QRect(0, 0, 1280, 420) << QPoint(643, 125);
        QTest::newRow("no room either way: stays")
            << board << std::vector{main} << QRect(0, 0, 800, 420) << QPoint(186, 125);
        QTest::newRow("screen unknown: below")
            << board << std::vector{main} << QRect() << QPoint(186, 154);
        QTest::newRow("alone: stays") << board << std::vector<QRect>{} << wide << QPoint(186, 125);
    }
    void a_placed_window_clears_the_others() {
        QFETCH(QRect, frame);
        QFETCH(std::vector<QRect>, others);
        QFETCH(QRect, screen);
        QFETCH(QPoint, placed);
        const QRect cleared = ClearOf(frame, others, screen);
        QCOMPARE(cleared.topLeft(), placed);
        QCOMPARE(cleared.size(), frame.size());
    }

    void a_beep_rings_the_desktops_bell_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("compositorBell");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<BellWay>("way");
        QTest::newRow("X11 under a desktop with a bell: the X bell")
            << "xcb" << true << "6.8.2" << BellWay::Qt;
        QTest::newRow("Wayland, no bell, Qt 6.4")
            << "wayland" << false << "6.4.2" << BellWay::SoundTheme;
        QTest::newRow("Wayland, no bell, Qt 6.11: Qt's beep would be silent")
            << "wayland" << false << "6.11.2" << BellWay::SoundTheme;
        QTest::newRow("Wayland, a bell, Qt 6.8")
            << "wayland" << true << "6.8.2" << BellWay::Compositor;
        QTest::newRow("Wayland, a bell, Qt 6.9") << "wayland" << true << "6.9.0" << BellWay::Qt;
        QTest::newRow("Wayland, a bell, Qt 6.10: a number, not text")
            << "wayland-egl" << true << "6.10.1" << BellWay::Qt;
    }
    void a_beep_rings_the_desktops_bell() {
        QFETCH(QString, platform);
        QFETCH(bool, compositorBell);
        QFETCH(QString, qt);
        QFETCH(BellWay, way);
        QCOMPARE(ChooseBell(platform, compositorBell, qt.toLatin1().constData()), way);
    }
};

int RunDesktopRulesTests(int argc, char** argv) {
    DesktopRulesTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace tessaline::ui::test

#include "desktop_rules_tests.moc"
