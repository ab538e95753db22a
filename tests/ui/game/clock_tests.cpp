// The clock window: whole seconds of the current game, shown in lblTime.

#include "program.h"

#include <QTest>

namespace tessaline::ui::test {

namespace {

bool ClockRuns(Program& program) {
    QTimer* timer = program.ClockTimer();
    return timer != nullptr && timer->isActive();
}

std::string Clock(Program& program) {
    return program.Text("Time", "lblTime");
}

} // namespace

class ClockTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void redrawTimeBeforeAnyGameShowsZeroAndDoesNotCount() {
        Program program;
        QVERIFY(!program.Shown("Time"));
        QCOMPARE(Clock(program), std::string()); // nothing written yet
        program.Menu("R_Time");
        QVERIFY(program.Shown("Time"));
        QCOMPARE(Clock(program), std::string("0"));
        QVERIFY(!ClockRuns(program));
        QCOMPARE(program.ClockTimer()->interval(), 1000);
    }

    void eachTickAddsOneSecond() {
        Program program;
        program.Menu("G_NewGame");
        for (const char* shown : {"1", "2", "3"}) {
            program.Tick();
            QCOMPARE(Clock(program), std::string(shown));
        }
        // Redraw > Time brings it forward and counting goes on.
        program.Menu("R_Time");
        QCOMPARE(Clock(program), std::string("3"));
        QVERIFY(ClockRuns(program));
    }

    void theTimerReallyTicks() {
        Program program;
        program.Menu("G_NewGame");
        QTRY_COMPARE_WITH_TIMEOUT(Clock(program), std::string("1"), 3000);
    }

    void theCountStopsAtTheLargestSixteenBitNumber() {
        Program program;
        program.Menu("G_NewGame");
        program.game().Seconds = 32766;
        for (const char* shown : {"32767", "32767", "32767"}) {
            program.Tick();
            QCOMPARE(Clock(program), std::string(shown));
            QCOMPARE(program.game().Seconds, 32767);
        }
    }

    void aWinStopsTheClockAndRedrawTimeShowsTheSameNumber() {
        Program program;
        program.NewGame("YYY");
        program.Tick();
        program.Tick();
        program.Click(Square(1, 0));
        QVERIFY(program.Shown("PlayerWin"));
        QVERIFY(!ClockRuns(program));
        program.Menu("R_Time");
        QCOMPARE(Clock(program), std::string("2"));
        QVERIFY(!ClockRuns(program));
    }

    void closingTheClockWindowStopsCountingUntilNewGame() {
        Program program;
        program.Menu("G_NewGame");
        program.Tick();
        QCOMPARE(Clock(program), std::string("1"));

        program.CloseByTitleBar("Time");
        QVERIFY(!program.tk.Exists("Time"));
        QVERIFY(!program.game().GameOver); // the game itself goes on

        program.Menu("R_Time");
        QVERIFY(program.Shown("Time"));
        QCOMPARE(Clock(program), std::string("0"));
        QVERIFY(!ClockRuns(program));
        QCOMPARE(program.game().Seconds, 0);

        program.Menu("G_NewGame");
        QVERIFY(ClockRuns(program));
        program.Tick();
        QCOMPARE(Clock(program), std::string("1"));
    }

    void theEndOfAGameStopsAClockThatWasClosed() {
        Program program;
        program.NewGame("YRY");
        program.Tick();
        program.CloseByTitleBar("Time");
        program.Click(Square(1, 0)); // a loss touches the clock: it comes back idle
        QVERIFY(program.tk.Exists("Time"));
        QVERIFY(!program.Shown("Time"));
        QVERIFY(!ClockRuns(program));
        QCOMPARE(program.game().Seconds, 0);
    }

    void theClockKeepsCountingWhileTheOptionsDialogIsOpen() {
        Program program;
        program.Menu("G_NewGame");
        program.Menu("O_Options");
        QVERIFY(ClockRuns(program));
        program.Tick();
        QCOMPARE(Clock(program), std::string("1"));
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::ClockTests)
#include "clock_tests.moc"
