// Windows: size and place from twips, borders, the life of a window from its
// first touch to the player closing it, and the end of the program.

#include "fixtures.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace tessaline::ui::test {
namespace {

FormDef MainDef() {
    FormDef def;
    def.name = "Color";
    def.caption = "Tessaline";
    def.clientWidth = 7530;
    def.clientHeight = 1275;
    def.placement = Placement{2055, 675};
    def.maximizeButton = false;
    def.programIcon = true;
    def.controls.push_back(
        Make(ControlKind::CheckBox, "cbxScan", 1, "Yellow", 1680, 120, 1335, 255, 0));
    def.menus = {MenuDef{"M_Game", "&Game", {MenuDef{"G_Exit", "&Exit", {}}}}};
    return def;
}

FormDef DialogDef() {
    FormDef def;
    def.name = "Options";
    def.caption = "Options";
    def.clientWidth = 4005;
    def.clientHeight = 2550;
    def.border = BorderKind::FixedSingle;
    def.minimizeButton = false;
    def.maximizeButton = false;
    def.controls = {
        Make(ControlKind::Label, "lblHeight", -1, "Height", 2520, 1320, 615, 255, 12),
        Make(ControlKind::TextBox, "txtHeight", -1, "", 3240, 1320, 495, 285, 13),
        Make(ControlKind::CheckBox, "cbxTest", -1, "Tick", 240, 240, 1335, 255, 0),
        Make(ControlKind::CommandButton, "btnOK", -1, "OK", 2760, 240, 975, 375, 16),
    };
    return def;
}

// The application's own event loop, as main() runs it: 0 and one aboutToQuit
// when the program ends, 99 if it has not ended within five seconds.
int RunMainLoop() {
    QSignalSpy quitting(QCoreApplication::instance(), &QCoreApplication::aboutToQuit);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    const int code = QCoreApplication::exec();
    return quitting.count() == 1 ? code : -2;
}

} // namespace

class WindowTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void client_size_from_twips_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("main window with menu bar")
            << 7530 << 1275 << true << false << QSize(502, 85);
        QTest::newRow("fixed board") << 3615 << 3615 << false << true << QSize(241, 241);
        QTest::newRow("rounds down below half") << 1612 << 22 << false << false << QSize(107, 1);
        QTest::newRow("rounds up above half") << 1613 << 23 << false << true << QSize(108, 2);
    }
    void client_size_from_twips() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, menu);
        QFETCH(bool, fixed);
        QFETCH(QSize, pixels);
        FormDef def;
        def.name = "Sized";
        def.caption = "Sized window";
        def.clientWidth = width;
        def.clientHeight = height;
        def.border = fixed ? BorderKind::FixedSingle : BorderKind::Sizable;
        if (menu) {
            def.menus = {MenuDef{"M_Game", "&Game", {MenuDef{"G_Exit", "&Exit", {}}}}};
        }
        Toolkit toolkit;
        toolkit.Define(def);
        Form& form = toolkit.Touch("Sized");
        form.Show();
        QWidget* window = WindowWidget(form);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("Sized window"));
        QCOMPARE(ClientWidget(form)->size(), pixels);
        QCOMPARE(form.ClientWidth(), pixels.width() * 15);
        QCOMPARE(form.ClientHeight(), pixels.height() * 15);
        auto* menuBar = window->findChild<QMenuBar*>();
        QCOMPARE(menuBar != nullptr, menu);
        const int menuHeight = menu ? menuBar->height() : 0;
        QVERIFY(!menu || menuHeight > 0);
        // The menu bar lies above the client area, not inside it.
        QCOMPARE(ClientWidget(form)->y(), menuHeight);
        QCOMPARE(window->height(), pixels.height() + menuHeight);
    }

    void placement_puts_client_corner_there_data() {
        QTest::addColumn<bool>("menu");
        QTest::newRow("without menu bar") << false;
        QTest::newRow("below a menu bar") << true;
    }
    void placement_puts_client_corner_there() {
        QFETCH(bool, menu);
        FormDef def = MainDef();
        if (!menu) {
            def.menus.clear();
        }
        Toolkit toolkit;
        toolkit.Define(def);
        Form& form = toolkit.Touch("Color");
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(form)));
        QCOMPARE(ClientWidget(form)->mapToGlobal(QPoint(0, 0)), QPoint(137, 45));
    }

    void unplaced_window_is_left_to_the_system() {
        Toolkit toolkit;
        toolkit.Define(DialogDef());
        QVERIFY(!WindowWidget(toolkit.Touch("Options"))->testAttribute(Qt::WA_Moved));
    }

    void border_and_title_buttons_data() {
        QTest::addColumn<int>("border");
        QTest::addColumn<bool>("minimize");
        QTest::addColumn<bool>("maximize");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<bool>("minimizeShown");
        QTest::addColumn<bool>("maximizeShown");
        const int sizable = static_cast<int>(BorderKind::Sizable);
        const int fixed = static_cast<int>(BorderKind::FixedSingle);
        QTest::newRow("sizable, both buttons") << sizable << true << true << true << true << true;
        QTest::newRow("sizable, no maximise") << sizable << true << false << true << true << false;
        QTest::newRow("fixed, no buttons") << fixed << false << false << false << false << false;
        QTest::newRow("fixed never maximises") << fixed << true << true << false << true << false;
    }
    void border_and_title_buttons() {
        QFETCH(int, border);
        QFETCH(bool, minimize);
        QFETCH(bool, maximize);
        QFETCH(bool, resizable);
        QFETCH(bool, minimizeShown);
        QFETCH(bool, maximizeShown);
        FormDef def = DialogDef();
        def.border = static_cast<BorderKind>(border);
        def.minimizeButton = minimize;
        def.maximizeButton = maximize;
        Toolkit toolkit;
        toolkit.Define(def);
        QWidget* window = WindowWidget(toolkit.Touch("Options"));
        QCOMPARE(window->minimumSize() != window->maximumSize(), resizable);
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimizeShown);
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), maximizeShown);
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    }

    void program_icon_only_where_asked() {
        Toolkit toolkit;
        toolkit.Define(MainDef());
        toolkit.Define(DialogDef());
        toolkit.Define(BoardLayout());
        toolkit.Touch("Color"); // exists before the icon is known
        QPixmap picture(32, 32);
        picture.fill(Qt::magenta);
        const QIcon icon(picture);
        SetProgramIcon(toolkit, icon);
        QCOMPARE(WindowWidget(toolkit["Color"])->windowIcon().cacheKey(), icon.cacheKey());
        QCOMPARE(WindowWidget(toolkit.Touch("Board"))->windowIcon().cacheKey(), icon.cacheKey());
        QVERIFY(WindowWidget(toolkit.Touch("Options"))->windowIcon().cacheKey() != icon.cacheKey());
    }

    void first_touch_creates_hidden_and_loads_once() {
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, MainDef());
        events.Define(toolkit, DialogDef());
        QVERIFY(!toolkit.Exists("Options"));
        QCOMPARE(CountTopLevels("Options"), 0);
        Form& options = toolkit["Options"];
        QCOMPARE(events.Size(), 0);  // a handle alone creates nothing
        QVERIFY(!options.IsShown()); // asking touches the window
        QVERIFY(toolkit.Exists("Options"));
        QCOMPARE(events.Events(), std::vector<std::string>{"Options load"});
        toolkit.Touch("Options");
        options("txtHeight").SetText("12");
        options.Show();
        options.Show();
        QCOMPARE(events.Count("Options load"), 1);
        QCOMPARE(CountTopLevels("Options"), 1);
        QVERIFY(!toolkit.Exists("Color"));
    }

    void hide_keeps_state_and_runs_nothing() {
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, DialogDef());
        Form& options = toolkit.Touch("Options");
        options.Show();
        QVERIFY(QTest::qWaitForWindowExposed(WindowWidget(options)));
        auto* text = static_cast<QLineEdit*>(ControlWidget(options("txtHeight")));
        QTest::keyClicks(text, "17.5");
        QWidget* box = ControlWidget(options("cbxTest"));
        QTest::mouseClick(box, Qt::LeftButton, {}, OnIndicator(box));
        QCOMPARE(options("cbxTest").Value(), 1);
        events.Clear();
        options.Hide();
        QVERIFY(!options.IsShown());
        QVERIFY(!WindowWidget(options)->isVisible());
        options.Show();
        QVERIFY(options.IsShown());
        QCOMPARE(options("txtHeight").Text(), std::string("17.5"));
        QCOMPARE(options("cbxTest").Value(), 1);
        QCOMPARE(events.Size(), 0);
    }

    void closing_destroys_and_next_touch_recreates() {
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, MainDef());
        events.Define(toolkit, DialogDef());
        Form& options = toolkit.Touch("Options");
        options.Show();
        options("txtHeight").SetText("9");
        options("lblHeight").SetCaption("Changed");
        QPointer<QWidget> first = WindowWidget(options);
        events.Clear();
        QVERIFY(first->close());
        QVERIFY(!toolkit.Exists("Options"));
        QVERIFY(!first->isVisible());
        QCOMPARE(events.Size(), 0); // no handler of the program runs
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        // The next operation creates it again from its definition.
        QCOMPARE(options("lblHeight").Caption(), std::string("Height"));
        QCOMPARE(options("txtHeight").Text(), std::string());
        QCOMPARE(events.Events(), std::vector<std::string>{"Options load"});
        QVERIFY(!options.IsShown());
        QCOMPARE(CountTopLevels("Options"), 1);
    }

    void closing_the_main_window_ends_the_program() {
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, MainDef());
        events.Define(toolkit, DialogDef());
        toolkit.Touch("Color").Show();
        toolkit.Touch("Options").Show();
        QPointer<QWidget> main = WindowWidget(toolkit["Color"]);
        QPointer<QWidget> dialog = WindowWidget(toolkit["Options"]);
        events.Clear();
        QTimer::singleShot(0, main, [main] { main->close(); });
        QCOMPARE(RunMainLoop(), 0);
        QVERIFY(toolkit.Ended());
        QVERIFY(!toolkit.Exists("Color"));
        QVERIFY(!toolkit.Exists("Options"));
        // Every window closed and gone, the dialog that was still open too.
        QVERIFY(main.isNull());
        QVERIFY(dialog.isNull());
        QCOMPARE(events.Size(), 0);
        // Nothing comes back to life afterwards.
        toolkit["Options"].Show();
        QVERIFY(!toolkit.Exists("Options"));
        QCOMPARE(events.Size(), 0);
    }

    void end_program_from_a_menu_stops_every_handler() {
        Recorder events;
        Toolkit toolkit;
        events.Define(toolkit, MainDef());
        toolkit["Color"].Menu("G_Exit").OnClick([&] {
            events.Record("Color menu G_Exit");
            toolkit.EndProgram();
            toolkit["Options"]("cbxTest").SetValue(1); // would raise a click
        });
        events.Define(toolkit, DialogDef());
        toolkit.Touch("Options");
        Form& main = toolkit.Touch("Color");
        main.Show();
        events.Clear();
        WindowWidget(main)->findChild<QAction*>("G_Exit")->trigger();
        QCOMPARE(events.Events(), std::vector<std::string>{"Color menu G_Exit"});
        QVERIFY(toolkit.Ended());
        QVERIFY(!toolkit.Exists("Options"));
    }

    void ending_before_the_event_loop_runs_still_ends_it() {
        Toolkit toolkit;
        toolkit.Define(MainDef());
        toolkit.Touch("Color");
        toolkit.EndProgram(); // as during start-up, before the loop starts
        QCOMPARE(RunMainLoop(), 0);
    }

    void main_window_can_be_named() {
        Toolkit toolkit;
        toolkit.Define(DialogDef());
        toolkit.Define(MainDef());
        toolkit.SetMainForm("Color");
        QWidget* dialog = WindowWidget(toolkit.Touch("Options"));
        dialog->close();
        QVERIFY(!toolkit.Ended());
        WindowWidget(toolkit.Touch("Color"))->close();
        QVERIFY(toolkit.Ended());
    }

    void faults_of_the_calling_code_are_loud() {
        Toolkit toolkit;
        toolkit.Define(MainDef());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, toolkit.Define(MainDef()));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, toolkit["Nowhere"]);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, toolkit.SetMainForm("Nowhere"));
        Form& main = toolkit["Color"];
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 main("cbxScan")); // an array needs its index
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, main("cbxScan", 7));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, main("cbxScan", 1).SetText("x"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, main("cbxScan", 1).SetInterval(5));
        FormDef twice = DialogDef();
        twice.name = "Twice";
        twice.controls.push_back(twice.controls.front());
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, toolkit.Define(twice));
    }

    void a_handler_bound_to_what_never_raises_its_event_is_refused() {
        Toolkit toolkit;
        toolkit.Define(ColourDef());
        Form& main = toolkit["Color"];
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, main.Menu("G_NewGam"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, main.Menu("I_About")); // a submenu
        QVERIFY_THROWS_EXCEPTION(std::logic_error, main("lblScan").OnClick([] {}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, main("lblScan").OnTick([] {}));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 main("cbxScan", 1).OnMouse([](bool, int, int, float, float) {}));
        QVERIFY(!toolkit.Exists("Color")); // binding creates no window
    }

    void grab_renders_menu_bar_and_client() {
        Toolkit toolkit;
        toolkit.Define(MainDef());
        Form& main = toolkit.Touch("Color");
        const QImage image = Grab(main);
        const int menuHeight = WindowWidget(main)->findChild<QMenuBar*>()->height();
        QCOMPARE(image.size() / image.devicePixelRatio(), QSize(502, 85 + menuHeight));
        const QString path = QDir::temp().filePath(QStringLiteral("tessaline-toolkit-grab.png"));
        QVERIFY(SaveScreenshot(main, path));
        QCOMPARE(QImage(path).size(), image.size());
        QFile::remove(path);
    }
};

int RunWindowTests(int argc, char** argv) {
    WindowTests tests;
    return QTest::qExec(&tests, argc, argv);
}

} // namespace tessaline::ui::test

#include "window_tests.moc"
