// Input: radio groups, check boxes, disabled and hidden controls, Enter and
// Escape, focus order, menus and their access keys.

#include "fixtures.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QMenu>

namespace tessaline::ui::test {
namespace {

QString Checked(Form& form, const char* name) {
    QString ticks;
    for (int i = 1; i <= 6; ++i) {
        ticks += form(name, i).Value() != 0 ? QLatin1Char('1') : QLatin1Char('0');
    }
    return ticks;
}

} // namespace

class InputTests : public QObject {
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
        events.Define(toolkit, ColourDef());
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
        events.Define(toolkit, ColourDef());
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
        events.Define(toolkit, ColourDef());
        for (int index = 1; index <= 6; ++index) {
            toolkit["Color"]("rbtGuess", index).OnClick([&, index] {
                events.Record("Color click rbtGuess(" + std::to_string(index) + ")");
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
            });
        }
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
        events.Define(toolkit, ColourDef());
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
        events.Define(toolkit, def);
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
        events.Define(toolkit, KeysDef(withCancel));
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
        events.Define(toolkit, ColourDef());
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
        events.Define(toolkit, ColourDef());
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
};

int RunInputTests(int argc, char** argv) {
    InputTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace tessaline::ui::test

#include "input_tests.moc"
