// Controls: radio groups, check boxes, Enter and Escape, menus, timers, text
// boxes, labels, picture boxes, focus order and the beep.

#include "fixtures.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace tessaline::ui::test {
namespace {

constexpr const char* ColourNames[] = {"Yellow", "Orange", "Red", "Green", "Blue", "Purple"};

FormDef ColourDef() {
    FormDef def;
    def.name = "Color";
    def.caption = "Tessaline";
    def.clientWidth = 7530;
    def.clientHeight = 1275;
    for (int i = 1; i <= 6; ++i) {
        const int left = 1680 + 960 * (i - 1);
        def.controls.push_back(Make(ControlKind::CheckBox, "cbxScan", i, ColourNames[i - 1], left,
                                    120, 1335, 255, 2 * (i - 1)));
        ControlDef radio = Make(ControlKind::RadioButton, "rbtGuess", i, ColourNames[i - 1], left,
                                960, 855, 195, 2 * i - 1);
        radio.value = i == 1;
        def.controls.push_back(radio);
    }
    def.controls.push_back(
        Make(ControlKind::Label, "lblScan", -1, "Colors Scanned", 120, 120, 1335, 255, 8));
    def.menus = {
        MenuDef{"M_Game", "&Game", {{"G_NewGame", "&New Game", {}}, {"G_Exit", "&Exit", {}}}},
        MenuDef{"M_Options", " &Options", {{"O_Options", "&Options...", {}}}},
        MenuDef{"M_Info",
                "&Info",
                {{"I_About", "&About", {{"I_A_Tessaline", "&Tessaline", {}}}},
                 {"I_License", "&License", {}}}},
    };
    return def;
}

FormDef KeysDef(bool withCancel) {
    FormDef def;
    def.name = "Keys";
    def.caption = "Keys";
    def.clientWidth = 4005;
    def.clientHeight = 2550;
    def.border = BorderKind::FixedSingle;
    ControlDef ok = Make(ControlKind::CommandButton, "btnOK", -1, "OK", 2760, 240, 975, 375, 2);
    ok.isDefault = true;
    ControlDef cancel =
        Make(ControlKind::CommandButton, "lblCancel", -1, "Cancel", 2760, 720, 975, 375, 4);
    cancel.isCancel = withCancel;
    def.controls = {
        Make(ControlKind::Label, "lblText", -1, "Height", 240, 1320, 615, 255, 5),
        Make(ControlKind::TextBox, "txtText", -1, "", 240, 240, 495, 285, 0),
        Make(ControlKind::CheckBox, "cbxBox", -1, "Box", 240, 720, 1335, 255, 1),
        ok,
        Make(ControlKind::CommandButton, "btnOther", -1, "Other", 2760, 1200, 975, 375, 3),
        cancel,
    };
    return def;
}

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

QString Checked(Form& form, const char* name) {
    QString ticks;
    for (int i = 1; i <= 6; ++i) {
        ticks += form(name, i).Value() != 0 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return ticks;
}

} // namespace

class ControlTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void radio_buttons_form_one_group_data() {
        QTest::addColumn<bool>("byPlayer");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("selected");
        QTest::newRow("program selects another") << false << 3 << "001000";
        QTest::newRow("program selects the selected one") << false << 1 << "100000";
        QTest::newRow("player clicks another") << true << 5 << "000010";
        QTest::newRow("player clicks the selected one") << true << 1 << "100000";
    }
    void radio_buttons_form_one_group() {
        QFETCH(bool, byPlayer);
        QFETCH(int, index);
        QFETCH(QString, selected);
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(ColourDef(), events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(form)));
        events.Clear();
        if (byPlayer) {
            QWidget* radio = ControlWidget(form("rbtGuess", index));
            QTest::mouseClick(radio, Qt::LeftButton, {}, OnIndicator(radio));
        } else {
            form("rbtGuess", index).SetValue(1);
        }
        QCOMPARE(Checked(form, "rbtGuess"), selected);
        QCOMPARE(events.Events(),
                 std::vector<std::string>{"Color click rbtGuess(" + std::to_string(index) + ")"});
        QCOMPARE(Checked(form, "cbxScan"), QStringLiteral("000000"));
    }

    void radio_buttons_can_all_be_cleared() {
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(ColourDef(), events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        events.Clear();
        for (int i = 1; i <= 6; ++i) {
            form("rbtGuess", i).SetValue(0);
        }
        QCOMPARE(Checked(form, "rbtGuess"), QStringLiteral("000000"));
        QCOMPARE(events.Size(), 0);
        form("rbtGuess", 6).SetValue(1);
        QCOMPARE(Checked(form, "rbtGuess"), QStringLiteral("000001"));
        QCOMPARE(events.Last(), std::string("Color click rbtGuess(6)"));
    }

    void a_click_handler_may_reselect_its_button() {
        // The main window's guess routine: deselect all, then select the
        // clicked one, which raises its click once more, nested.
        Recorder events;
        Toolkit toolkit;
        FormHandlers handlers = events.Handlers("Color");
        handlers.click = [&](std::string_view control, int index) {
            events.Handlers("Color").click(control, index);
            Form& form = toolkit["Color"];
            for (int i = 1; i <= 6; ++i) {
                form("rbtGuess", i).SetEnabled(false);
            }
            if (form("rbtGuess", index).Value() == 0) {
                for (int i = 1; i <= 6; ++i) {
                    form("rbtGuess", i).SetValue(0);
                }
                form("rbtGuess", index).SetValue(1);
            }
            for (int i = 1; i <= 6; ++i) {
                form("rbtGuess", i).SetEnabled(true);
            }
        };
        toolkit.Define(ColourDef(), handlers);
        Form& form = toolkit.Touch("Color");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(form)));
        events.Clear();
        QWidget* four = ControlWidget(form("rbtGuess", 4));
        QTest::mouseClick(four, Qt::LeftButton, {}, OnIndicator(four));
        QCOMPARE(Checked(form, "rbtGuess"), QStringLiteral("000100"));
        QCOMPARE(events.Count("Color click rbtGuess(4)"), 1);
        form("rbtGuess", 2).SetValue(0); // not selected: no click
        QCOMPARE(events.Size(), 1);
        QVERIFY(form("rbtGuess", 2).IsEnabled());
    }

    void disabled_and_hidden_controls_ignore_the_player_data() {
        QTest::addColumn<bool>("disable");
        QTest::newRow("disabled") << true;
        QTest::newRow("hidden") << false;
    }
    void disabled_and_hidden_controls_ignore_the_player() {
        QFETCH(bool, disable);
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(ColourDef(), events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(form)));
        Control& radio = form("rbtGuess", 2);
        QWidget* widget = ControlWidget(radio);
        const QPoint centre = widget->geometry().topLeft() + OnIndicator(widget);
        QWidget* client = ClientWidget(form);
        if (disable) {
            radio.SetEnabled(false);
            QVERIFY(!radio.IsEnabled());
        } else {
            radio.SetVisible(false);
            QVERIFY(!radio.IsVisible());
            QVERIFY(!widget->isVisible());
        }
        events.Clear();
        PlayerMouse(Mouse::Click, client, centre);
        QCOMPARE(events.Size(), 0);
        QCOMPARE(Checked(form, "rbtGuess"), QStringLiteral("100000"));
    }

    void check_box_value_raises_click_data() {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("byPlayer");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("after");
        QTest::newRow("program ticks") << false << false << 1 << 1 << 1;
        QTest::newRow("program ticks a ticked box") << true << false << 1 << 0 << 1;
        QTest::newRow("program unticks") << true << false << 0 << 1 << 0;
        QTest::newRow("program unticks an unticked box") << false << false << 0 << 0 << 0;
        QTest::newRow("player ticks") << false << true << 0 << 1 << 1;
        QTest::newRow("player unticks") << true << true << 0 << 1 << 0;
    }
    void check_box_value_raises_click() {
        QFETCH(bool, ticked);
        QFETCH(bool, byPlayer);
        QFETCH(int, value);
        QFETCH(int, clicks);
        QFETCH(int, after);
        FormDef def = ColourDef();
        def.controls[4].value = ticked; // cbxScan(3)
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(def, events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(form)));
        events.Clear();
        if (byPlayer) {
            QWidget* box = ControlWidget(form("cbxScan", 3));
            QTest::mouseClick(box, Qt::LeftButton, {}, OnIndicator(box));
        } else {
            form("cbxScan", 3).SetValue(value);
        }
        QCOMPARE(form("cbxScan", 3).Value(), after);
        QCOMPARE(events.Count("Color click cbxScan(3)"), clicks);
        QCOMPARE(events.Size(), clicks);
        QCOMPARE(Checked(form, "cbxScan"),
                 after != 0 ? QStringLiteral("001000") : QStringLiteral("000000"));
    }

    void enter_and_escape_press_their_buttons_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("withCancel");
        QTest::addColumn<QString>("pressed");
        QTest::newRow("Enter in a text box") << "txtText" << int(Qt::Key_Return) << true << "btnOK";
        QTest::newRow("keypad Enter in a text box")
            << "txtText" << int(Qt::Key_Enter) << true << "btnOK";
        QTest::newRow("Enter on a check box") << "cbxBox" << int(Qt::Key_Return) << true << "btnOK";
        QTest::newRow("Enter on another button")
            << "btnOther" << int(Qt::Key_Return) << true << "btnOther";
        QTest::newRow("Escape in a text box")
            << "txtText" << int(Qt::Key_Escape) << true << "lblCancel";
        QTest::newRow("Escape on the default button")
            << "btnOK" << int(Qt::Key_Escape) << true << "lblCancel";
        QTest::newRow("Escape without a cancel button")
            << "txtText" << int(Qt::Key_Escape) << false << "";
    }
    void enter_and_escape_press_their_buttons() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, withCancel);
        QFETCH(QString, pressed);
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(KeysDef(withCancel), events.Handlers("Keys"));
        Form& form = toolkit.Touch("Keys");
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(WindowWidget(form)));
        QWidget* target = ControlWidget(form(focus.toStdString()));
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        events.Clear();
        QTest::keyClick(target, static_cast<Qt::Key>(key));
        const std::vector<std::string> expected =
            pressed.isEmpty() ? std::vector<std::string>{}
                              : std::vector<std::string>{"Keys click " + pressed.toStdString()};
        QCOMPARE(events.Events(), expected);
        QCOMPARE(form("cbxBox").Value(), 0);
    }

    void focus_follows_the_tab_numbers() {
        Toolkit toolkit;
        toolkit.Define(KeysDef(true));
        Form& form = toolkit.Touch("Keys");
        form.Show();
        QVERIFY(QTest::qWaitForWindowActive(WindowWidget(form)));
        // The lowest tab number takes the focus first; labels never do.
        QTRY_COMPARE(QApplication::focusWidget(), ControlWidget(form("txtText")));
        const char* order[] = {"cbxBox", "btnOK", "btnOther", "lblCancel", "txtText"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ControlWidget(form(next)));
        }
        QCOMPARE(ControlWidget(form("lblText"))->focusPolicy(), Qt::NoFocus);
    }

    void menus_raise_their_items_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("New Game") << "G_NewGame";
        QTest::newRow("Exit") << "G_Exit";
        QTest::newRow("Options") << "O_Options";
        QTest::newRow("submenu item") << "I_A_Tessaline";
        QTest::newRow("License") << "I_License";
    }
    void menus_raise_their_items() {
        QFETCH(QString, item);
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(ColourDef(), events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        events.Clear();
        auto* action = WindowWidget(form)->findChild<QAction*>(item);
        QVERIFY(action != nullptr);
        action->trigger();
        QCOMPARE(events.Events(), std::vector<std::string>{"Color menu " + item.toStdString()});
    }

    void menu_captions_keep_their_access_keys_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Game") << "M_Game"
                              << "&Game" << QKeySequence(Qt::ALT | Qt::Key_G);
        QTest::newRow("Options keeps its blank")
            << "M_Options"
            << " &Options" << QKeySequence(Qt::ALT | Qt::Key_O);
        QTest::newRow("Info") << "M_Info"
                              << "&Info" << QKeySequence(Qt::ALT | Qt::Key_I);
        QTest::newRow("About submenu") << "I_About"
                                       << "&About" << QKeySequence(Qt::ALT | Qt::Key_A);
    }
    void menu_captions_keep_their_access_keys() {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        Toolkit toolkit;
        toolkit.Define(ColourDef());
        auto* found = WindowWidget(toolkit.Touch("Color"))->findChild<QMenu*>(menu);
        QVERIFY(found != nullptr);
        QCOMPARE(found->title(), caption);
        QCOMPARE(QKeySequence::mnemonic(found->title()), key);
    }

    void access_key_opens_a_menu() {
        Recorder events;
        Toolkit toolkit;
        toolkit.Define(ColourDef(), events.Handlers("Color"));
        Form& form = toolkit.Touch("Color");
        form.Show();
        QWidget* window = WindowWidget(form);
        QVERIFY(QTest::qWaitForWindowActive(window));
        events.Clear();
        QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
        auto* game = window->findChild<QMenu*>("M_Game");
        QTRY_VERIFY(game->isVisible());
        QTest::keyClick(game, Qt::Key_N);
        QTRY_COMPARE(events.Events(), std::vector<std::string>{"Color menu G_NewGame"});
    }

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
        toolkit.Define(TimerDef(enabledInLayout, interval), events.Handlers("Time"));
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
        toolkit.Define(TimerDef(false, 20), events.Handlers("Time"));
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
        toolkit.Define(PictureDef(), events.Handlers("AboutTessaline"));
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
