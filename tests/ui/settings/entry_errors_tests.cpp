// The error window "All values must be numbers": a beep every time it is
// called for, one window, and who hides it and who leaves it shown.

#include "settings_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace tessaline::ui::test {

namespace {

// A faulty OK in the Options dialog: the width box left empty.
void FaultyOptions(Program& program) {
    if (!program["Options"].IsShown()) {
        OpenOptions(program.app);
    }
    Enter(program, "Options", "txtWidth", "");
    program.ClickControl("Options", "btnOK");
}

void FaultySetBlocks(Program& program) {
    if (!program["CustomizeBoard"].IsShown()) {
        OpenCustomizeBoard(program.app);
    }
    Enter(program, "CustomizeBoard", "txtPerBlocks", "abc");
    program.ClickControl("CustomizeBoard", "btnSetBlocks");
}

enum Action {
    ItsOk,
    EnterInIt,
    OptionsAccepted,
    OptionsCancel,
    OptionsEscape,
    SetBlocksAccepted,
    OptionsClosed,
    CustomizeClosed,
    OptionsRefused,
    OptionsOpened,
};

int ErrorWindows() {
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        windows += top->objectName() == "ErrorAZ" && top->isVisible() ? 1 : 0;
    }
    return windows;
}

} // namespace

class EntryErrorsTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void showsTheOneMessage() {
        Program program;
        FaultyOptions(program);
        QVERIFY(program["ErrorAZ"].IsShown());
        auto* message = qobject_cast<QLabel*>(ControlWidget(program["ErrorAZ"]("lblError")));
        QVERIFY(message != nullptr);
        QCOMPARE(message->text(), QString("All values must be numbers"));
        QCOMPARE(WindowWidget(program["ErrorAZ"])->windowTitle(), QString("Error AZ"));
    }

    void everyFaultyEntryBeepsButThereIsOneWindow_data() {
        QTest::addColumn<bool>("options");
        QTest::newRow("Options twice") << true;
        QTest::newRow("Set Blocks twice") << false;
    }
    void everyFaultyEntryBeepsButThereIsOneWindow() {
        QFETCH(bool, options);
        Program program;
        options ? FaultyOptions(program) : FaultySetBlocks(program);
        options ? FaultyOptions(program) : FaultySetBlocks(program);
        QCOMPARE(program.tk.BeepCount(), 2);
        QCOMPARE(ErrorWindows(), 1);
    }

    // What hides the window once it is shown, and what leaves it.
    void hiddenOnlyByItsOwnOkAndTheOptionsDialog_data() {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("hides");
        QTest::newRow("its OK") << int(ItsOk) << true;
        QTest::newRow("Enter in it") << int(EnterInIt) << true;
        QTest::newRow("Options OK accepted") << int(OptionsAccepted) << true;
        QTest::newRow("Options Cancel") << int(OptionsCancel) << true;
        QTest::newRow("Escape in Options") << int(OptionsEscape) << true;
        QTest::newRow("Set Blocks accepted") << int(SetBlocksAccepted) << false;
        QTest::newRow("Options closed by its title bar") << int(OptionsClosed) << false;
        QTest::newRow("Customize Board closed by its title bar") << int(CustomizeClosed) << false;
        QTest::newRow("Options refused again") << int(OptionsRefused) << false;
        QTest::newRow("Options opened again") << int(OptionsOpened) << false;
    }
    void hiddenOnlyByItsOwnOkAndTheOptionsDialog() {
        QFETCH(int, action);
        QFETCH(bool, hides);
        Program program(EvenDraws());
        OpenCustomizeBoard(program.app);
        FaultyOptions(program);
        QVERIFY(program["ErrorAZ"].IsShown());
        switch (static_cast<Action>(action)) {
        case ItsOk:
            program.ClickControl("ErrorAZ", "btnOK");
            break;
        case EnterInIt:
            program.Key("ErrorAZ", Qt::Key_Return);
            break;
        case OptionsAccepted:
            Enter(program, "Options", "txtWidth", "20");
            program.ClickControl("Options", "btnOK");
            QCOMPARE(program.game().BoardWidth, 20);
            break;
        case OptionsCancel:
            program.ClickControl("Options", "lblCancel");
            break;
        case OptionsEscape:
            program.Key("Options", Qt::Key_Escape);
            break;
        case SetBlocksAccepted:
            Enter(program, "CustomizeBoard", "txtPerBlocks", "25");
            program.ClickControl("CustomizeBoard", "btnSetBlocks");
            QCOMPARE(program.game().Percent[0], 25.0);
            break;
        case OptionsClosed:
            program.CloseByTitleBar("Options");
            break;
        case CustomizeClosed:
            program.CloseByTitleBar("CustomizeBoard");
            break;
        case OptionsRefused:
            FaultyOptions(program);
            QCOMPARE(program.tk.BeepCount(), 2);
            break;
        case OptionsOpened:
            OpenOptions(program.app);
            break;
        }
        QCOMPARE(program["ErrorAZ"].IsShown(), !hides);
    }

    // The window has nothing of its own to lose: created again by the next
    // call to show or hide it, it behaves as before.
    void closedThroughItsTitleBarItIsCreatedAgainWhenNeeded() {
        Program program;
        FaultyOptions(program);
        program.CloseByTitleBar("ErrorAZ");
        QVERIFY(!program.tk.Exists("ErrorAZ"));
        FaultyOptions(program);
        QCOMPARE(program.tk.BeepCount(), 2);
        QVERIFY(program["ErrorAZ"].IsShown());
        program.CloseByTitleBar("ErrorAZ");
        QVERIFY(!program.tk.Exists("ErrorAZ"));
        program.ClickControl("Options", "lblCancel");
        QVERIFY(program.tk.Exists("ErrorAZ"));
        QVERIFY(!program["ErrorAZ"].IsShown());
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::EntryErrorsTests)
#include "entry_errors_tests.moc"
