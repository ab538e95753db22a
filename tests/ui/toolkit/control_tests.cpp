// What controls hold and show: timers, text boxes, labels and their fonts and
// colours, picture boxes, and the beep.

#include "fixtures.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace tessaline::ui::test {
namespace {

FormDef TimerDef(bool enabled, int interval) {
    FormDef def;
    def.name = "Time";
    def.caption = "Time";
    def.clientWidth = 1635;
    def.clientHeight = 630;
    ControlDef timer = Make(ControlKind::Timer, "tmrSecond", -1, "", 0, 0, 0, 0);
    timer.interval = interval;
    timer.enabled = enabled;
    def.controls = {timer};
    return def;
}

FormDef PictureDef() {
    FormDef def;
    def.name = "AboutTessaline";
    def.caption = "About Tessaline";
    def.clientWidth = 5820;
    def.clientHeight = 1815;
    ControlDef product =
        Make(ControlKind::PictureBox, "icnTessaline", -1, "", 240, 240, 720, 720, 4);
    product.picture = Picture::Product;
    ControlDef maker = Make(ControlKind::PictureBox, "icnVantiro", -1, "", 240, 240, 720, 720, 5);
    maker.picture = Picture::Maker;
    maker.visible = false;
    def.controls = {product, maker};
    return def;
}

} // namespace

class ControlTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void timer_ticks_only_while_enabled_data() {
        QTest::addColumn<bool>("enabledInLayout");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("change"); // 0 none, 1 enable, 2 disable, 3 interval to 0
        QTest::addColumn<bool>("ticks");
        QTest::newRow("enabled in the layout") << true << 20 << 0 << true;
        QTest::newRow("disabled in the layout") << false << 20 << 0 << false;
        QTest::newRow("enabled by the program") << false << 20 << 1 << true;
        QTest::newRow("disabled by the program") << true << 20 << 2 << false;
        QTest::newRow("interval 0 never ticks") << true << 20 << 3 << false;
    }
    void timer_ticks_only_while_enabled() {
        QFETCH(bool, enabledInLayout);
        QFETCH(int, interval);
        QFETCH(int, change);
        QFETCH(bool, ticks);
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, TimerDef(enabledInLayout, interval));
        Control& timer = toolkit["Time"]("tmrSecond");
        QCOMPARE(timer.IsEnabled(), enabledInLayout);
        QCOMPARE(timer.Interval(), interval);
        if (change == 1) {
            timer.SetEnabled(true);
        } else if (change == 2) {
            QTRY_VERIFY(events.Count("Time timer tmrSecond") >= 1);
            timer.SetEnabled(false);
        } else if (change == 3) {
            timer.SetInterval(0);
        }
        events.Clear();
        if (ticks) {
            QTRY_VERIFY(events.Count("Time timer tmrSecond") >= 3);
        } else {
            QTest::qWait(5 * interval);
            QCOMPARE(events.Size(), 0);
        }
    }

    void timer_dies_with_its_window() {
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(KeysDef(true)); // the main window
        events.Define(toolkit, TimerDef(false, 20));
        Form& time = toolkit.Touch("Time");
        time("tmrSecond").SetEnabled(true);
        time.Show();
        QTRY_VERIFY(events.Count("Time timer tmrSecond") >= 1);
        WindowWidget(time)->close();
        events.Clear();
        QTest::qWait(100);
        QCOMPARE(events.Size(), 0);
        // Created again from the layout: disabled.
        QVERIFY(!time("tmrSecond").IsEnabled());
        QCOMPARE(events.Events(), std::vector<std::string>{"Time load"});
    }

    void text_boxes_hold_text() {
        Toolkit toolkit;
        toolkit.Define(KeysDef(true));
        Form& form = toolkit.Touch("Keys");
        Control& text = form("txtText");
        text.SetText("Grün 12,5");
        QCOMPARE(static_cast<QLineEdit*>(ControlWidget(text))->text(), QStringLiteral("Grün 12,5"));
        QCOMPARE(text.Text(), std::string("Grün 12,5"));
        text.SetText("16.6666666666667"); // longer than the box is wide
        QCOMPARE(static_cast<QLineEdit*>(ControlWidget(text))->cursorPosition(), 0);
        static_cast<QLineEdit*>(ControlWidget(text))->clear();
        QTest::keyClicks(ControlWidget(text), "-3.5e2");
        QCOMPARE(text.Text(), std::string("-3.5e2"));
        QCOMPARE(AccessibleText(text), QStringLiteral("txtText"));
        text.SetAccessibleName("Height");
        QCOMPARE(ControlWidget(text)->accessibleName(), QStringLiteral("Height"));
    }

    void labels_look_as_defined() {
        FormDef def = ColourDef();
        ControlDef time = Make(ControlKind::Label, "lblTime", -1, "", 120, 120, 11175, 375, 0);
        time.font = FontDef{18, true};
        ControlDef framed = Make(ControlKind::Label, "lblFramed", -1, "7", 120, 600, 255, 255);
        framed.border = true;
        framed.align = TextAlign::Centre;
        def.controls.push_back(time);
        def.controls.push_back(framed);
        Toolkit toolkit;
        toolkit.Define(def);
        Form& form = toolkit.Touch("Color");
        auto* label = static_cast<QLabel*>(ControlWidget(form("lblTime")));
        auto* scan = static_cast<QLabel*>(ControlWidget(form("lblScan")));
        QCOMPARE(label->font().family(), QApplication::font().family());
        QCOMPARE(label->font().pointSizeF(), scan->font().pointSizeF() * 18 / 8);
        QVERIFY(label->font().bold());
        QVERIFY(!scan->font().bold());
        QVERIFY(label->wordWrap());
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->geometry(), QRect(8, 8, 745, 25)); // wider than its window, as laid out
        auto* box = static_cast<QLabel*>(ControlWidget(form("lblFramed")));
        QCOMPARE(box->frameShape(), QFrame::Box);
        QCOMPARE(box->frameShadow(), QFrame::Plain);
        QCOMPARE(box->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        form("lblTime").SetCaption("75");
        QCOMPARE(label->text(), QStringLiteral("75"));
        QCOMPARE(form("lblTime").Caption(), std::string("75"));
    }

    void captions_fit_their_labels_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("points");
        QTest::newRow("colour share, one line") << "% Of Board As Orange" << 1695 << 255 << 8.0;
        QTest::newRow("block share, one line") << "% Of Board As Blocks" << 1695 << 255 << 8.0;
        QTest::newRow("row heading, one line") << "Remaining Colors" << 1335 << 255 << 8.0;
        QTest::newRow("error, two lines") << "All values must be numbers" << 2055 << 375 << 8.0;
        QTest::newRow("win, two lines") << "Congratulations! You Win!" << 1935 << 375 << 8.0;
        QTest::newRow("rules paragraph")
            << "-Then the player left clicks on a square which he believes is that color. If his "
               "guess is right, then the square is no longer hidden. If his guess is wrong, then "
               "the player loses. (If the player isn't sure he can right click on the square and "
               "it will just turn the color of the guess with a question mark). "
            << 4575 << 1455 << 8.0;
        QTest::newRow("clock") << "32767" << 11175 << 375 << 18.0;
    }
    void captions_fit_their_labels() {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, points);
        FormDef def = ColourDef();
        ControlDef label = Make(ControlKind::Label, "lblTight", -1, "", 120, 120, width, height);
        label.font = FontDef{points, points > 10};
        def.controls.push_back(label);
        Toolkit toolkit;
        toolkit.Define(def);
        Form& form = toolkit.Touch("Color");
        form("lblTight").SetCaption(caption.toStdString());
        auto* widget = static_cast<QLabel*>(ControlWidget(form("lblTight")));
        const QRect needed =
            QFontMetrics(widget->font()).boundingRect(widget->rect(), Qt::TextWordWrap, caption);
        // Glyphs may reach a pixel into the line spacing below the last line.
        QVERIFY2(needed.width() <= widget->width() && needed.height() <= widget->height() + 1,
                 qPrintable(QStringLiteral("needs %1 x %2 in %3 x %4")
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(widget->width())
                                .arg(widget->height())));
    }

    void label_back_colour_data() {
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("red") << 0x0000FFu << QColor(255, 0, 0);
        QTest::newRow("orange") << 0x0080FFu << QColor(255, 128, 0);
        QTest::newRow("blue") << 0xFF0000u << QColor(0, 0, 255);
        QTest::newRow("button face")
            << 0x8000000Fu << QApplication::palette().color(QPalette::Button);
    }
    void label_back_colour() {
        QFETCH(uint, colour);
        QFETCH(QColor, shown);
        Toolkit toolkit;
        toolkit.Define(ColourDef());
        Form& form = toolkit.Touch("Color");
        Control& label = form("lblScan");
        label.SetBackColour(0x00FF00); // green first, so each row is a change
        label.SetBackColour(colour);
        QCOMPARE(label.BackColour(), colour);
        const QImage image = ControlWidget(label)->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() / 2), shown);
    }

    void picture_boxes_paint_and_take_clicks() {
        Recorder events;
        Toolkit toolkit;
        std::vector<std::pair<Picture, QRectF>> painted;
        SetPicturePainter(
            toolkit, [&painted](QPainter& painter, Picture picture, const QRectF& to) {
                painted.emplace_back(picture, to);
                painter.fillRect(to, picture == Picture::Product ? Qt::red : Qt::blue);
            });
        events.Define(toolkit, PictureDef());
        Form& about = toolkit.Touch("AboutTessaline");
        about.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(about)));
        QVERIFY(!about("icnVantiro").IsVisible());
        const QImage shown = Grab(about);
        const QPoint centre = ControlWidget(about("icnTessaline"))->geometry().center();
        QCOMPARE(shown.pixelColor(centre), QColor(Qt::red));
        QVERIFY(!painted.empty());
        QCOMPARE(painted.back().second, QRectF(0, 0, 48, 48));
        events.Clear();
        // The hidden box lies on top but takes no click.
        QWidget* client = ClientWidget(about);
        PlayerMouse(Mouse::Click, client, centre);
        about("icnTessaline").SetVisible(false);
        about("icnVantiro").SetVisible(true);
        PlayerMouse(Mouse::Click, client, centre);
        PlayerMouse(Mouse::Click, client, centre, Qt::RightButton); // left clicks only
        QCOMPARE(events.Events(), (std::vector<std::string>{"AboutTessaline click icnTessaline",
                                                            "AboutTessaline click icnVantiro"}));
        QCOMPARE(Grab(about).pixelColor(centre), QColor(Qt::blue));
    }

    void beeps_are_counted() {
        Toolkit toolkit;
        QCOMPARE(toolkit.BeepCount(), 0);
        toolkit.Beep();
        toolkit.Beep();
        QCOMPARE(toolkit.BeepCount(), 2);
    }
};

int RunControlTests(int argc, char** argv) {
    ControlTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace tessaline::ui::test

#include "control_tests.moc"
