// The Options dialog through its window: what opening shows, what OK puts in
// force and what it ends, Cancel, Enter and Escape, and the dialog closed
// through its title bar.

#include "settings_fixture.h"

#include <QTest>

#include <array>
#include <cmath>

namespace tessaline::ui::test {

namespace {

using Texts = std::array<const char*, 8>; // height, width, Yellow to Purple
using Shares = std::array<double, 6>;

struct AcceptCase {
    const char* name;
    Texts typed;
    Int16 height;
    Int16 width;
    Shares percent;
};

const double Third = 100.0 / 3;

// clang-format off
const AcceptCase AcceptCases[] = {
    //                                                height  width   Yellow to Purple                        rows cols  Percent (1) to (6)
    {"defaults stay",                                 {"15",  "15",   "80", "0", "10", "0", "10", "0"},       15,  15,   {80, 0, 10, 0, 10, 0}},
    {"height 0 and width 1 go up to the least",       {"0",   "1",    "80", "0", "10", "0", "10", "0"},       1,   3,    {80, 0, 10, 0, 10, 0}},
    {"height -3 and width 2",                         {"-3",  "2",    "80", "0", "10", "0", "10", "0"},       1,   3,    {80, 0, 10, 0, 10, 0}},
    {"0.5 and 2.9 are clamped, not rounded",          {"0.5", "2.9",  "80", "0", "10", "0", "10", "0"},       1,   3,    {80, 0, 10, 0, 10, 0}},
    {"height 45 and width 100 go down to the most",   {"45",  "100",  "80", "0", "10", "0", "10", "0"},       30,  30,   {80, 0, 10, 0, 10, 0}},
    {"30.4 is above the most",                        {"30.4", "30.4", "80", "0", "10", "0", "10", "0"},      30,  30,   {80, 0, 10, 0, 10, 0}},
    {"2.5 rounds to 2, a width of 2.5 goes up to 3",  {"2.5", "2.5",  "80", "0", "10", "0", "10", "0"},       2,   3,    {80, 0, 10, 0, 10, 0}},
    {"3.5 rounds to 4",                               {"3.5", "3.5",  "80", "0", "10", "0", "10", "0"},       4,   4,    {80, 0, 10, 0, 10, 0}},
    {"29.5 rounds to 30, 4.5 to 4",                   {"29.5", "4.5", "80", "0", "10", "0", "10", "0"},       30,  4,    {80, 0, 10, 0, 10, 0}},
    {"blanks around, a sign and an exponent",         {" 7 ", "+2.1e1", "80", "0", "10", "0", "10", "0"},     7,   21,   {80, 0, 10, 0, 10, 0}},
    {"a share above 100 counts as 100",               {"15",  "15",   "150", "0", "0", "0", "0", "0"},        15,  15,   {100, 0, 0, 0, 0, 0}},
    {"a share below 0 counts as 0",                   {"15",  "15",   "-20", "50", "50", "0", "0", "0"},      15,  15,   {0, 50, 50, 0, 0, 0}},
    {"thirds",                                        {"15",  "15",   "1", "1", "1", "0", "0", "0"},          15,  15,   {Third, Third, Third, 0, 0, 0}},
    {"the total is rounded after every addition",     {"15",  "15",   "10.5", "10.5", "0", "0", "0", "0"},    15,  15,   {52.5, 52.5, 0, 0, 0, 0}},
    {"a fraction alone",                              {"15",  "15",   "0.6", "0", "0", "0", "0", "0"},        15,  15,   {60, 0, 0, 0, 0, 0}},
    {"one, one, two",                                 {"15",  "15",   "1", "1", "2", "0", "0", "0"},          15,  15,   {25, 25, 50, 0, 0, 0}},
    {"four halves",                                   {"15",  "15",   "50", "50", "50", "50", "0", "0"},      15,  15,   {25, 25, 25, 25, 0, 0}},
};
// clang-format on

void EnterAll(Program& program, const Texts& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Enter(program, "Options", OptionsBoxes[i].name, OptionsBoxes[i].index,
              QString::fromUtf8(texts[i]));
    }
}

QStringList Shown(Program& program) {
    QStringList texts;
    for (const OptionsBox& box : OptionsBoxes) {
        texts << BoxText(program, "Options", box.name, box.index);
    }
    return texts;
}

QStringList List(const Texts& texts) {
    QStringList list;
    for (const char* text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

void CompareSettings(Program& program, Int16 height, Int16 width, const Shares& percent) {
    QCOMPARE(program.game().BoardHeight, height);
    QCOMPARE(program.game().BoardWidth, width);
    for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
        QCOMPARE(program.game().Percent[code], percent[code - 1]);
    }
}

} // namespace

class OptionsTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void openingShowsTheSettingsInForce_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("width");
        QTest::addColumn<double>("yellow");
        QTest::addColumn<QString>("yellowShown");
        QTest::newRow("defaults") << 15 << 15 << 80.0 << "80";
        QTest::newRow("a third") << 1 << 3 << 100.0 / 3 << "33.3333333333333";
        QTest::newRow("two thirds rounded at the last digit")
            << 30 << 30 << 200.0 / 3 << "66.6666666666667";
        QTest::newRow("a fraction without trailing zeros") << 7 << 21 << 52.5 << "52.5";
        QTest::newRow("tiny shares need an exponent") << 2 << 4 << 1e-20 << "1e-20";
        QTest::newRow("0") << 12 << 12 << 0.0 << "0";
    }
    void openingShowsTheSettingsInForce() {
        QFETCH(int, height);
        QFETCH(int, width);
        QFETCH(double, yellow);
        QFETCH(QString, yellowShown);
        Program program;
        program.game().BoardHeight = static_cast<Int16>(height);
        program.game().BoardWidth = static_cast<Int16>(width);
        program.game().Percent[CodeYellow] = yellow;
        OpenOptions(program.app);
        QVERIFY(program["Options"].IsShown());
        QCOMPARE(Shown(program), QStringList({QString::number(height), QString::number(width),
                                              yellowShown, "0", "10", "0", "10", "0"}));
    }

    // Opening leaves the game, the clock and the error window as they are, and
    // replaces whatever had been typed.
    void openingAgainReplacesTypedTextsAndEndsNothing() {
        Program program;
        StartGame(program);
        OpenOptions(program.app);
        Enter(program, "Options", "txtHeight", "9");
        Enter(program, "Options", "txtPerColor", 3, "abc");
        program.ClickControl("Options", "btnOK");
        QVERIFY(program["ErrorAZ"].IsShown());
        OpenOptions(program.app);
        QCOMPARE(Shown(program), List({"15", "15", "80", "0", "10", "0", "10", "0"}));
        QVERIFY(program["Options"].IsShown());
        QVERIFY(program["ErrorAZ"].IsShown());
        QVERIFY(!program.game().GameOver);
        QVERIFY(ClockRunning(program));
    }

    void okPutsEverythingInForceByTheRules_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(std::size(AcceptCases)); ++row) {
            QTest::newRow(AcceptCases[row].name) << row;
        }
    }
    void okPutsEverythingInForceByTheRules() {
        QFETCH(int, row);
        const AcceptCase& c = AcceptCases[row];
        Program program;
        program.game().Percent[0] = 25;
        OpenOptions(program.app);
        EnterAll(program, c.typed);
        program.ClickControl("Options", "btnOK");
        CompareSettings(program, c.height, c.width, c.percent);
        QCOMPARE(program.game().Percent[0], 25.0);
        QCOMPARE(program.tk.BeepCount(), 0);
        QVERIFY(!program["Options"].IsShown());
        QVERIFY(!program["ErrorAZ"].IsShown());
        // The boxes keep what was typed until the next opening.
        QCOMPARE(Shown(program), List(c.typed));
        // The board window has room for exactly the new size, 240 twips a square.
        QCOMPARE(program["Board"].ClientWidth() / 240, static_cast<int>(c.width));
        QCOMPARE(program["Board"].ClientHeight() / 240, static_cast<int>(c.height));
    }

    // The next opening shows the values in force, not the texts typed.
    void reopenedAfterOkItShowsWhatIsInForce() {
        Program program;
        OpenOptions(program.app);
        EnterAll(program, {"0.5", "45", "1", "1", "1", "0", "0", "-7"});
        program.ClickControl("Options", "btnOK");
        OpenOptions(program.app);
        QCOMPARE(Shown(program), List({"1", "30", "33.3333333333333", "33.3333333333333",
                                       "33.3333333333333", "0", "0", "0"}));
    }

    void okWithATextThatIsNotANumberAppliesNothing_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("width empty") << 1 << "";
        QTest::newRow("height lettered") << 0 << "ten";
        QTest::newRow("yellow with a comma") << 2 << "1,5";
        QTest::newRow("purple half a number") << 7 << "12abc";
    }
    void okWithATextThatIsNotANumberAppliesNothing() {
        QFETCH(int, box);
        QFETCH(QString, text);
        Program program;
        StartGame(program);
        OpenOptions(program.app);
        // Every other box holds a valid change, none of which may be applied.
        EnterAll(program, {"20", "25", "1", "1", "1", "1", "1", "1"});
        Enter(program, "Options", OptionsBoxes[box].name, OptionsBoxes[box].index, text);
        const Snapshot before = Take(program.game());
        const QStringList typed = Shown(program);
        program.ClickControl("Options", "btnOK");
        QVERIFY(Take(program.game()) == before);
        QCOMPARE(program.tk.BeepCount(), 1);
        QVERIFY(program["ErrorAZ"].IsShown());
        QVERIFY(program["Options"].IsShown());
        QCOMPARE(Shown(program), typed);
        QVERIFY(!program.game().GameOver);
        QVERIFY(ClockRunning(program));
    }

    // There is nothing to scale by: refused like a text that is not a number.
    void sharesThatTotalZeroAreRefused_data() {
        QTest::addColumn<QStringList>("shares");
        QTest::newRow("all 0") << QStringList{"0", "0", "0", "0", "0", "0"};
        QTest::newRow("all negative") << QStringList{"-1", "-50", "-0", "-1e9", "-3", "-100"};
        QTest::newRow("a small fraction") << QStringList{"0.4", "0", "0", "0", "0", "0"};
        QTest::newRow("fractions the rounded total never keeps")
            << QStringList{"0.4", "0.4", "0.4", "0.4", "0.4", "0.4"};
    }
    void sharesThatTotalZeroAreRefused() {
        QFETCH(QStringList, shares);
        Program program;
        OpenOptions(program.app);
        Enter(program, "Options", "txtHeight", "20");
        for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
            Enter(program, "Options", "txtPerColor", code, shares[code - 1]);
        }
        const Snapshot before = Take(program.game());
        program.ClickControl("Options", "btnOK");
        QVERIFY(Take(program.game()) == before);
        QCOMPARE(program.tk.BeepCount(), 1);
        QVERIFY(program["ErrorAZ"].IsShown());
        QVERIFY(program["Options"].IsShown());
    }

    void okDuringAGameEndsItWithoutRevealingTheBoard() {
        Program program;
        StartGame(program);
        const Game dealt = program.game();
        OpenOptions(program.app);
        Enter(program, "Options", "txtWidth", "20");
        program.ClickControl("Options", "btnOK");
        QVERIFY(program.game().GameOver);
        QVERIFY(!ClockRunning(program));
        QVERIFY(Take(program.game()).Cells == Take(dealt).Cells);
        // A left click on a hidden square of the guessed colour uncovers nothing.
        int yellow = -1;
        for (int index = 0; index < 15 * 30 && yellow < 0; ++index) {
            const Cell& cell = program.game().At(ColumnOf(index), RowOf(index));
            if (ColumnOf(index) < 15 && cell.Colour == CodeYellow) {
                yellow = index;
            }
        }
        QVERIFY(yellow >= 0);
        program.Click(yellow);
        QCOMPARE(program.game().At(ColumnOf(yellow), RowOf(yellow)).State, StateHidden);
        QVERIFY(Take(program.game()).Cells == Take(dealt).Cells);
        QCOMPARE(program.tk.BeepCount(), 0);
        QCOMPARE(program["Board"].ClientWidth() / 240, 20);
    }

    void okWithNothingChangedStillEndsTheGame() {
        Program program;
        StartGame(program);
        OpenOptions(program.app);
        program.ClickControl("Options", "btnOK");
        QVERIFY(program.game().GameOver);
        QVERIFY(!ClockRunning(program));
        CompareSettings(program, 15, 15, {80, 0, 10, 0, 10, 0});
    }

    void enterInTheDialogIsOk() {
        Program program;
        OpenOptions(program.app);
        Enter(program, "Options", "txtHeight", "20");
        program.Key("Options", Qt::Key_Return);
        QCOMPARE(program.game().BoardHeight, 20);
        QVERIFY(!program["Options"].IsShown());
    }

    void escapeInTheDialogIsCancel() {
        Program program;
        StartGame(program);
        const Snapshot before = Take(program.game());
        OpenOptions(program.app);
        Enter(program, "Options", "txtHeight", "20");
        Enter(program, "Options", "txtPerColor", 2, "50");
        program.Key("Options", Qt::Key_Escape);
        QVERIFY(Take(program.game()) == before);
        QVERIFY(!program["Options"].IsShown());
        QVERIFY(ClockRunning(program));
    }

    void cancelChangesNothing() {
        Program program;
        StartGame(program);
        const Snapshot before = Take(program.game());
        OpenOptions(program.app);
        EnterAll(program, {"3", "3", "1", "1", "1", "1", "1", "1"});
        program.ClickControl("Options", "lblCancel");
        QVERIFY(Take(program.game()) == before);
        QVERIFY(!program["Options"].IsShown());
        QVERIFY(!program.game().GameOver);
        QVERIFY(ClockRunning(program));
        QCOMPARE(program.tk.BeepCount(), 0);
    }

    // The dialog is created again on the next opening, and its load step puts
    // the defaults back in force, Cancel or not.
    void closedThroughItsTitleBarItComesBackWithTheDefaults() {
        Program program;
        OpenOptions(program.app);
        EnterAll(program, {"20", "25", "1", "1", "1", "0", "0", "0"});
        program.ClickControl("Options", "btnOK");
        CompareSettings(program, 20, 25, {Third, Third, Third, 0, 0, 0});
        OpenOptions(program.app);
        program.CloseByTitleBar("Options");
        QVERIFY(!program.tk.Exists("Options"));
        // Until something touches the dialog, the settings stay.
        CompareSettings(program, 20, 25, {Third, Third, Third, 0, 0, 0});
        OpenOptions(program.app);
        QCOMPARE(Shown(program), List({"15", "15", "80", "0", "10", "0", "10", "0"}));
        program.ClickControl("Options", "lblCancel");
        CompareSettings(program, 15, 15, {80, 0, 10, 0, 10, 0});
    }

    void theMenuCommandOpensTheDialog() {
        Program program;
        program.game().BoardHeight = 9;
        program.Menu("O_Options");
        if (!program["Options"].IsShown()) {
            QSKIP("the Options menu command does not open the dialog yet");
        }
        QCOMPARE(BoxText(program, "Options", "txtHeight"), QString("9"));
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::OptionsTests)
#include "options_tests.moc"
