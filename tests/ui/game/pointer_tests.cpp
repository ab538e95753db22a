// Clicks on the board from pointers that report fractions of a pixel, at the
// scale ctest sets (1, 1.5 and 2): a press and a release on one pixel are one
// click whatever the fraction. Each position goes two ways: through the
// window, as the window system hands it to Qt (Qt 6.4 itself rounds it to a
// whole pixel before a widget sees it), and straight to the board's widget
// with its fraction, as a Qt that keeps fractions delivers it.

#include "program.h"

#include <QTest>
#include <QWindow>

namespace tessaline::ui::test {

class PointerTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void aPressAndReleaseOnOnePixelAreOneClick_data() {
        // Positions in logical pixels from the corner of the middle square.
        // Squares lie 16 pixels apart, so pixel 15 is the last that is this
        // square's alone.
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<QPointF>("release");
        QTest::addColumn<bool>("actedOn");
        QTest::newRow("7.33 px") << QPointF(7.33, 7.33) << QPointF(7.33, 7.33) << true;
        QTest::newRow("7.71 px") << QPointF(7.71, 8.29) << QPointF(7.71, 8.29) << true;
        QTest::newRow("0.5 px") << QPointF(0.5, 0.5) << QPointF(0.5, 0.5) << true;
        QTest::newRow("last pixel") << QPointF(15.4, 15.4) << QPointF(15.4, 15.4) << true;
        QTest::newRow("one pixel, two fractions") << QPointF(7.6, 7.6) << QPointF(8.4, 8.4) << true;
        QTest::newRow("a pixel apart") << QPointF(7.33, 7.33) << QPointF(8.33, 7.33) << false;
        QTest::newRow("either side of a half") << QPointF(7.4, 8) << QPointF(7.6, 8) << false;
        QTest::newRow("released on the next square")
            << QPointF(7.33, 7.33) << QPointF(7.33 + 16, 7.33) << false;
    }
    void aPressAndReleaseOnOnePixelAreOneClick() {
        QFETCH(QPointF, press);
        QFETCH(QPointF, release);
        QFETCH(bool, actedOn);
        // ctest runs this at several scales; make sure the scale took.
        const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                 ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                                 : 1.0;
        for (bool throughWindow : {true, false}) {
            Program program;
            program.NewGame("YRY");
            QCOMPARE(ControlWidget(program["Board"]("Square", Square(1, 0)))->devicePixelRatioF(),
                     scale);
            // A right click marks the Red square with a Yellow "?"; a left
            // click then guesses Yellow on Red and loses.
            for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
                Send(program, throughWindow, press, button, true);
                Send(program, throughWindow, release, button, false);
            }
            QCOMPARE(program.Caption(1, 0), std::string(actedOn ? "?" : ""));
            QCOMPARE(program.tk.BeepCount(), actedOn ? 1 : 0);
            QCOMPARE(program.game().GameOver, actedOn);
        }
    }

  private:
    // `at` from the corner of the middle square, in logical pixels.
    static void Send(Program& program, bool throughWindow, QPointF at, Qt::MouseButton button,
                     bool press) {
        Control& square = program["Board"]("Square", Square(1, 0));
        QWidget* squares = ControlWidget(square);
        const QPointF inSquares = QPointF(ControlRect(square).topLeft()) + at;
        const Qt::MouseButtons held = press ? Qt::MouseButtons(button) : Qt::MouseButtons();
        const QEvent::Type type = press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
        if (!throughWindow) {
            QMouseEvent event(type, inSquares, squares->mapToGlobal(inSquares), button, held, {});
            QCoreApplication::sendEvent(squares, &event);
            return;
        }
        // Qt scales it to device pixels and back, as it does a platform's.
        QWidget* top = squares->window();
        QWindow* handle = top->windowHandle();
        QVERIFY(handle != nullptr);
        const QPointF local = squares->mapTo(top, inSquares);
        static int timestamp = 0;
        timestamp += 10'000; // never a double click
        qt_handleMouseEvent(handle, local, handle->mapToGlobal(local), held, button, type, {},
                            timestamp);
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::PointerTests)
#include "pointer_tests.moc"
