// The main window: its menu commands, the Guess buttons and the Colors Scanned
// boxes, through the menu bar and the player's clicks.

#include "program.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QThread>

#include <algorithm>

namespace tessaline::ui::test {

namespace {

// The command items of a menu bar and its submenus.
void MenuCommands(const std::vector<MenuDef>& menus, std::vector<std::string>& commands) {
    for (const MenuDef& menu : menus) {
        if (menu.items.empty()) {
            commands.emplace_back(menu.name);
        }
        MenuCommands(menu.items, commands);
    }
}

int SelectedGuesses(Program& program) {
    int selected = 0;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        selected += program["Color"]("rbtGuess", code).Value();
    }
    return selected;
}

// Which box of the row `name` a player's click at `at` (in the window's client
// area) ticks or selects, 0 if none; a ticked box is cleared again and a Guess
// button other than `target` selected first, so that every click starts alike.
int BoxClicked(Program& program, const char* name, int target, QPoint at) {
    Form& color = program["Color"];
    const bool radio = std::string_view(name) == "rbtGuess";
    if (radio) {
        program.ClickControl("Color", name, target == CodeYellow ? CodePurple : CodeYellow);
    }
    int before[CodePurple + 1] = {};
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        before[code] = color(name, code).Value();
    }
    PlayerMouse(Mouse::Click, ControlWidget(color(name, target))->parentWidget(), at);
    int clicked = 0;
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        if (color(name, code).Value() == 1 && before[code] == 0) {
            clicked = clicked == 0 ? code : -1; // -1: more than one
        }
    }
    if (clicked > 0 && !radio) {
        program.ClickControl("Color", name, clicked);
    }
    return clicked;
}

} // namespace

class MainWindowTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    // The toolkit refuses a handler bound to a name the menu lacks; this is
    // the other half: no command of the menu is left without one.
    void everyMenuCommandHasAHandler() {
        Program program;
        std::vector<std::string> commands;
        MenuCommands(ColorLayout().menus, commands);
        QCOMPARE(commands.size(), std::size_t{14});
        for (const std::string& command : commands) {
            QVERIFY2(program.app.win.color.form.Menu(command).IsBound(), command.c_str());
        }
    }

    // A box takes a click anywhere in its layout's rectangle, not only on its
    // tick box or dot and caption, and assistive technology is told that same
    // rectangle. A Colors Scanned box reaches 25 pixels into the next column;
    // there the next box, made later, lies on top and takes the click.
    void aBoxTakesClicksAnywhereInItsRectangle_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        for (const char* name : {"cbxScan", "rbtGuess"}) {
            for (int code = CodeYellow; code <= CodePurple; ++code) {
                QTest::addRow("%s(%d)", name, code) << QString::fromLatin1(name) << code;
            }
        }
    }
    void aBoxTakesClicksAnywhereInItsRectangle() {
        QFETCH(QString, name);
        QFETCH(int, index);
        const QByteArray row = name.toLatin1();
        Program program;
        Form& color = program["Color"];
        QWidget* box = ControlWidget(color(row.constData(), index));
        const QRect rect = box->geometry();
        // 1335 x 255 twips for a box to tick; 855 twips wide for a Guess button,
        // grown from 13 pixels high to hold its dot whole.
        QCOMPARE(rect.width(), row == "cbxScan" ? 89 : 57);
        QVERIFY(rect.height() >= 13);

        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
        QVERIFY(spoken != nullptr);
        QCOMPARE(spoken->rect(), QRect(box->mapToGlobal(QPoint(0, 0)), rect.size()));

        // Its own part: up to the next box of the row where it overlaps, and
        // up to the window's edge (Purple's box reaches past it).
        QRect own = rect & box->parentWidget()->rect();
        QRect under;
        if (index < CodePurple) {
            under = rect & ControlWidget(color(row.constData(), index + 1))->geometry();
            if (!under.isEmpty()) {
                own.setRight(under.left() - 1);
            }
        }
        const QPoint points[] = {own.topLeft(), own.bottomLeft(),
                                 QPoint(own.right(), own.center().y()), own.bottomRight(),
                                 QPoint(own.right() - 10, own.top())};
        for (const QPoint& at : points) {
            QVERIFY2(BoxClicked(program, row.constData(), index, at) == index,
                     qPrintable(QStringLiteral("at %1, %2").arg(at.x()).arg(at.y())));
        }
        QCOMPARE(under.isEmpty(), row == "rbtGuess" || index == CodePurple);
        if (!under.isEmpty()) {
            QCOMPARE(under.width(), 25);
            QCOMPARE(BoxClicked(program, row.constData(), index, under.center()), index + 1);
        }
    }

    void infoCommandsShowTheirWindows_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("about Tessaline") << "I_A_Tessaline"
                                         << "AboutTessaline";
        QTest::newRow("about Vantiro") << "I_A_Vantiro"
                                       << "AboutVantiro";
        QTest::newRow("about the author") << "I_A_Author"
                                          << "AboutAuthor";
        QTest::newRow("rules: object") << "I_R_Object"
                                       << "Rules_Object";
        QTest::newRow("rules: play") << "I_R_Play"
                                     << "Rules_Play";
        QTest::newRow("rules: customize") << "I_R_Customize"
                                          << "Rules_Customize";
        QTest::newRow("licence") << "I_License"
                                 << "License";
        QTest::newRow("options") << "O_Options"
                                 << "Options";
        QTest::newRow("customize board") << "O_CustomizeBoard"
                                         << "CustomizeBoard";
        QTest::newRow("redraw board") << "R_Board"
                                      << "Board";
        QTest::newRow("redraw time") << "R_Time"
                                     << "Time";
    }
    void infoCommandsShowTheirWindows() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        Program program;
        const std::string name = window.toStdString();
        QVERIFY(!program.Shown(name));
        program.Menu(item.toStdString());
        QVERIFY(program.Shown(name));
        // Choosing it again leaves it shown, and still only one of it.
        program.Menu(item.toStdString());
        QVERIFY(program.Shown(name));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [&](QWidget* w) { return w->objectName() == window; }),
                 1);
    }

    void newGameDealsDrawsAndStartsTheClock() {
        Program program;
        program.Menu("G_NewGame");
        QVERIFY(!program.game().GameOver);
        QVERIFY(program.Shown("Board"));
        QVERIFY(program.Shown("Time"));
        QCOMPARE(program.Text("Time", "lblTime"), std::string("0"));
        QVERIFY(program.ClockRuns());
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            QCOMPARE(program.Text("Color", "lblNumRemaining", code),
                     std::to_string(program.game().Remaining[code]));
        }
        QCOMPARE(program.RemainingShown(), 225);
        for (int row = 0; row < 15; ++row) {
            for (int column = 0; column < 15; ++column) {
                QCOMPARE(program.Back(column, row), ScreenButtonFace);
                QCOMPARE(program.Caption(column, row), std::string());
            }
        }
    }

    void newGameHidesTheDialogsAndTheWinWindowAndRestartsTheClock() {
        Program program;
        program.NewGame("YYY");
        program.Click(Square(0, 0));
        QVERIFY(program.Shown("PlayerWin"));
        program.Menu("O_Options");
        program.Menu("O_CustomizeBoard");
        program.Menu("G_NewGame");
        program.Tick();
        program.Tick();
        QCOMPARE(program.Text("Time", "lblTime"), std::string("2"));

        program.Menu("G_NewGame");

        for (const char* window : {"Options", "CustomizeBoard", "PlayerWin"}) {
            QVERIFY2(!program.Shown(window), window);
        }
        QCOMPARE(program.Text("Time", "lblTime"), std::string("0"));
        QVERIFY(program.ClockRuns());
        program.Tick();
        QCOMPARE(program.Text("Time", "lblTime"), std::string("1"));
    }

    void aRestartedClockWaitsAWholeSecond() {
        Program program;
        program.Menu("G_NewGame");
        QThread::msleep(600);
        program.Menu("G_NewGame");
        // Left running, the timer would be due within 400 ms.
        QVERIFY2(program.ClockTimer()->remainingTime() > 700,
                 qPrintable(QString::number(program.ClockTimer()->remainingTime())));
    }

    // A dialog closed through its title bar comes back with its defaults when
    // New Game touches it, and that happens before the deal: the board dealt is
    // the one drawn and played.
    void aClosedOptionsDialogRestoresItsDefaultsBeforeTheDeal() {
        Program program;
        program.Menu("O_Options");
        program.CloseByTitleBar("Options");
        program.game().BoardWidth = 10; // as a confirmed Options dialog leaves them
        program.game().BoardHeight = 4;

        program.Menu("G_NewGame");

        QCOMPARE(program.game().BoardWidth, 15);
        QCOMPARE(program.game().BoardHeight, 15);
        QCOMPARE(program.RemainingShown(), 225);
        QCOMPARE(ClientWidget(program["Board"])->size(), QSize(241, 241));
        QVERIFY(!program.Shown("Options"));
    }

    void aClosedCustomizeBoardDialogDropsItsBlockShare() {
        Program program;
        program.Menu("O_CustomizeBoard");
        program.game().Percent[0] = 40;
        program.CloseByTitleBar("CustomizeBoard");
        program.Menu("G_NewGame");
        QCOMPARE(program.game().Percent[0], 0.0);
        QVERIFY(!program.Shown("CustomizeBoard"));
    }

    void blocksSetByRightClicksInCustomizeBoardAreDealtAsBlocks() {
        Program program;
        program.Menu("O_CustomizeBoard");
        program.Menu("R_Board");
        program.Click(Square(2, 3), Qt::RightButton);
        program.Click(Square(4, 4), Qt::RightButton);
        QCOMPARE(program.Back(2, 3), ScreenBlack);

        program.Menu("G_NewGame");
        program.Menu("G_NewGame"); // blocks stay from game to game

        QVERIFY(!program.Shown("CustomizeBoard"));
        for (const auto& [column, row] : {std::pair{2, 3}, std::pair{4, 4}}) {
            QCOMPARE(program.Back(column, row), ScreenBlack);
            QCOMPARE(program.Caption(column, row), std::string("?"));
        }
        QCOMPARE(program.RemainingShown(), 223);
    }

    void colorsScannedRecountDuringAGameOnly() {
        Program program;
        program.NewGame("YRB/YYY");
        program.Click(Square(0, 0)); // Red beside it: no spread
        QCOMPARE(program.Caption(0, 0), std::string("0"));

        program.ClickControl("Color", "cbxScan", CodeRed);
        QCOMPARE(program.Caption(0, 0), std::string("1"));
        program.ClickControl("Color", "cbxScan", CodeYellow);
        QCOMPARE(program.Caption(0, 0), std::string("3"));

        program.Click(Square(2, 0)); // Blue: lost
        QVERIFY(program.game().GameOver);
        program.ClickControl("Color", "cbxScan", CodeRed); // the tick goes, the number stays
        QCOMPARE(program["Color"]("cbxScan", CodeRed).Value(), 0);
        QCOMPARE(program.Caption(0, 0), std::string("3"));
        QCOMPARE(program.Caption(1, 0), std::string()); // revealed without a number

        program.Menu("R_Board");
        QCOMPARE(program.Caption(0, 0), std::string("2"));
        QCOMPARE(program.Caption(1, 0), std::string("4")); // four Yellows around
    }

    void guessButtonsLeaveExactlyOneSelected_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::newRow("Yellow, already selected") << QList<int>{1};
        QTest::newRow("Orange") << QList<int>{2};
        QTest::newRow("Purple") << QList<int>{6};
        QTest::newRow("Red, then Red again") << QList<int>{3, 3};
        QTest::newRow("every one in turn") << QList<int>{1, 2, 3, 4, 5, 6};
        QTest::newRow("back and forth") << QList<int>{5, 2, 5, 1};
    }
    void guessButtonsLeaveExactlyOneSelected() {
        QFETCH(QList<int>, clicks);
        Program program;
        for (int code : clicks) {
            program.ClickControl("Color", "rbtGuess", code);
            QCOMPARE(int(program.game().GuessColour), code);
            QCOMPARE(program["Color"]("rbtGuess", code).Value(), 1);
            QCOMPARE(SelectedGuesses(program), 1);
            for (Int16 other = CodeYellow; other <= CodePurple; ++other) {
                QVERIFY(program["Color"]("rbtGuess", other).IsEnabled());
            }
        }
    }

    // A click that reaches the window while the button is not selected (the
    // player's click unselected it, or nothing selected it): the handler
    // selects it itself, which raises its click once more.
    void aGuessClickOnAnUnselectedButtonSelectsItOnce() {
        Program program;
        program.ClickControl("Color", "rbtGuess", CodeGreen);
        Control& blue = program["Color"]("rbtGuess", CodeBlue);
        auto* widget = qobject_cast<QAbstractButton*>(ControlWidget(blue));
        QVERIFY(widget != nullptr);
        QVERIFY(!widget->isChecked());
        QVERIFY(QMetaObject::invokeMethod(widget, "clicked", Q_ARG(bool, false)));
        QCOMPARE(int(program.game().GuessColour), int(CodeBlue));
        QCOMPARE(blue.Value(), 1);
        QCOMPARE(SelectedGuesses(program), 1);
    }

    // The keyboard on the main window's boxes. The focus is put on a box, by
    // a click for a Guess button and by itself for a Colors Scanned box, whose
    // click would tick it; then the keys, in turn, to whatever has the focus.
    void arrowKeysChooseAmongTheGuessButtonsAlone_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("guess"); // GuessColour after, and the Guess button focused
        QTest::newRow("a click alone") << "rbtGuess" << 5 << QList<int>{} << 5;
        QTest::newRow("Right") << "rbtGuess" << 1 << QList<int>{Qt::Key_Right} << 2;
        QTest::newRow("Down, Down")
            << "rbtGuess" << 2 << QList<int>{Qt::Key_Down, Qt::Key_Down} << 4;
        QTest::newRow("Left") << "rbtGuess" << 6 << QList<int>{Qt::Key_Left} << 5;
        QTest::newRow("Up") << "rbtGuess" << 4 << QList<int>{Qt::Key_Up} << 3;
        QTest::newRow("Left, Up at Yellow")
            << "rbtGuess" << 1 << QList<int>{Qt::Key_Left, Qt::Key_Up} << 1;
        QTest::newRow("Right, Down at Purple")
            << "rbtGuess" << 6 << QList<int>{Qt::Key_Right, Qt::Key_Down} << 6;
        QTest::newRow("Space") << "rbtGuess" << 3 << QList<int>{Qt::Key_Space} << 3;
        QTest::newRow("Right, then Space")
            << "rbtGuess" << 2 << QList<int>{Qt::Key_Right, Qt::Key_Space} << 3;
        QTest::newRow("arrows on a Colors Scanned box")
            << "cbxScan" << 3
            << QList<int>{Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left} << 0;
    }
    void arrowKeysChooseAmongTheGuessButtonsAlone() {
        QFETCH(QString, box);
        QFETCH(int, start);
        QFETCH(QList<int>, keys);
        QFETCH(int, guess);
        Program program;
        Form& color = program["Color"];
        if (box == "rbtGuess") {
            program.ClickControl("Color", "rbtGuess", start);
        } else {
            ControlWidget(color("cbxScan", start))->setFocus();
        }
        for (int key : keys) {
            program.Key("Color", Qt::Key(key));
        }
        if (guess == 0) { // the game as it started, no box ticked
            QCOMPARE(int(program.game().GuessColour), int(CodeYellow));
            for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
                QCOMPARE(color("cbxScan", code).Value(), 0);
            }
            return;
        }
        QCOMPARE(int(program.game().GuessColour), guess);
        QCOMPARE(color("rbtGuess", guess).Value(), 1);
        QCOMPARE(SelectedGuesses(program), 1);
        QCOMPARE(WindowWidget(color)->focusWidget(), ControlWidget(color("rbtGuess", guess)));
    }

    void quitRevealsTheBoardWithoutABeep() {
        Program program;
        program.NewGame("YRB/BYY");
        program.Menu("G_Quit");
        QVERIFY(program.game().GameOver);
        QVERIFY(!program.ClockRuns());
        QCOMPARE(program.tk.BeepCount(), 0);
        const Colour backs[] = {ScreenYellow, ScreenRed,    ScreenBlue,
                                ScreenBlue,   ScreenYellow, ScreenYellow};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(program.Back(i % 3, i / 3), backs[i]);
            QCOMPARE(program.Caption(i % 3, i / 3), std::string());
        }
        // Left clicks no longer count.
        program.Click(Square(0, 0));
        QCOMPARE(program.Caption(0, 0), std::string());
    }

    void customizeBoardCommandEndsTheGameWithoutReveal() {
        Program program;
        program.NewGame("YRB/BYY");
        program.Menu("O_CustomizeBoard");
        QVERIFY(program.game().GameOver);
        QVERIFY(!program.ClockRuns());
        QVERIFY(program.Shown("CustomizeBoard"));
        QCOMPARE(program.Back(1, 0), ScreenButtonFace);
        QCOMPARE(program.tk.BeepCount(), 0);
    }

    void exitEndsTheProgram_data() {
        QTest::addColumn<bool>("byTitleBar");
        QTest::newRow("Game > Exit") << false;
        QTest::newRow("main window closed") << true;
    }
    void exitEndsTheProgram() {
        QFETCH(bool, byTitleBar);
        Program program;
        program.Menu("G_NewGame");
        program.Menu("I_License");
        if (byTitleBar) {
            program.CloseByTitleBar("Color");
        } else {
            program.Menu("G_Exit");
        }
        QVERIFY(program.tk.Ended());
        for (const char* window : {"Color", "Board", "Time", "License", "Options"}) {
            QVERIFY2(!program.tk.Exists(window), window);
        }
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::MainWindowTests)
#include "main_window_tests.moc"
