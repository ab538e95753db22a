// The random driver's own checks: a run replays exactly from its seed, the
// texts' oracle reads what the rules of entry say, and every kind of check
// speaks up when the program breaks its rule (and stays quiet when it does not).

#include "driver.h"
#include "oracles.h"

#include "ui/toolkit/toolkit_qt.h"

#include <QAbstractButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace tessaline::ui::random {

namespace {

using Step = std::function<void(Session&)>;

// A widget that pretends to be a second Options window, alive for one check.
std::unique_ptr<QWidget>& Twin() {
    static std::unique_ptr<QWidget> twin;
    return twin;
}

struct Planted {
    const char* name;
    Step setup;       // real events that bring the program to the state to check
    Step plant;       // the fault, made by hand where the event would run
    Expect expect;    // what the driver would expect of that event
    const char* said; // a phrase the failure must contain
};

void NewGameAllYellow(Session& session) {
    session.game().Percent = {0, 100, 0, 0, 0, 0, 0};
    session.Menu("G_NewGame");
}

void NewGameDefault(Session& session) {
    session.Menu("G_NewGame");
}

void Nothing(Session&) {}

Expect Untouched() {
    Expect expect;
    expect.modelUntouched = true;
    return expect;
}

Expect Redraw() {
    Expect expect;
    expect.redraw = true;
    return expect;
}

Expect LeftClick(int index) {
    Expect expect;
    expect.click = Expect::Click{index, 1};
    return expect;
}

Expect OptionsOk(std::array<std::string, 8> texts) {
    Expect expect;
    expect.options = std::move(texts);
    return expect;
}

// Uncovers one square as a right guess would, but spreads no further.
void UncoverOnly(Session& session, int column, int row) {
    Game& game = session.game();
    game.At(column, row).State = StateVisible;
    --game.Remaining[static_cast<std::size_t>(game.At(column, row).Colour)];
    session.app.frontend.RefreshSquare(column, row);
    session.app.frontend.ShowRemaining();
}

const std::vector<Planted>& Rows() {
    static const std::vector<Planted> rows = {
        {"a count one too many", NewGameDefault,
         [](Session& s) {
             ++s.game().Remaining[CodeYellow];
             s.app.frontend.ShowRemaining();
         },
         Untouched(), "Remaining(1) = "},
        {"a colour code out of range", Nothing, [](Session& s) { s.game().At(3, 4).Colour = 7; },
         Expect{}, "no such cell"},
        {"a block hidden as a plain square", Nothing,
         [](Session& s) { s.game().At(0, 0).Colour = CodeBlock; }, Expect{}, "no such cell"},
        {"a count label behind its count", NewGameDefault,
         [](Session& s) { s.tk["Color"]("lblNumRemaining", 3).SetCaption("99"); }, Untouched(),
         "lblNumRemaining(3)"},
        {"two Guess buttons selected", Nothing,
         [](Session& s) {
             static_cast<QAbstractButton*>(ControlWidget(s.tk["Color"]("rbtGuess", 4)))
                 ->setChecked(true);
         },
         Untouched(), "selected Guess button"},
        {"the clock counting after the game", NewGameDefault,
         [](Session& s) { s.game().GameOver = true; }, Expect{}, "the clock's timer is on"},
        {"a tick lost", NewGameDefault, Nothing,
         [] {
             Expect expect = Untouched();
             expect.ticks = 1;
             return expect;
         }(),
         "Seconds is 0, ticks since the clock began 1"},
        {"a second window of one name", Nothing,
         [](Session&) {
             Twin() = std::make_unique<QWidget>();
             Twin()->setObjectName(QStringLiteral("Options"));
         },
         Expect{}, "2 top-level widgets are named Options"},
        {"a stale caption after a redraw", NewGameAllYellow,
         [](Session& s) {
             s.Menu("R_Board");
             s.SquareHandle(Square(2, 1)).SetCaption("7");
         },
         Redraw(), "after a redraw square (2, 1)"},
        {"a wrong back colour after a redraw", NewGameDefault,
         [](Session& s) {
             s.Menu("R_Board");
             s.SquareHandle(Square(14, 14)).SetBackColour(0x123456);
         },
         Redraw(), "after a redraw square (14, 14)"},
        {"an uncovering that stops early", NewGameAllYellow,
         [](Session& s) { UncoverOnly(s, 4, 4); }, LeftClick(Square(4, 4)),
         "the uncovering stopped at (4, 4)"},
        {"a square uncovered but not repainted", NewGameDefault,
         [](Session& s) {
             Game& game = s.game();
             game.GuessColour = game.At(0, 0).Colour;
             game.At(0, 0).State = StateVisible;
             --game.Remaining[static_cast<std::size_t>(game.GuessColour)];
             s.app.frontend.ShowRemaining();
         },
         Expect{}, "square (0, 0) shows"},
        {"an entry refused but applied", Nothing,
         [](Session& s) {
             s.Menu("O_Options");
             s.game().BoardWidth = 20;
             s.tk.Beep();
             s.tk["ErrorAZ"].Show();
         },
         OptionsOk({"15", "x", "80", "0", "10", "0", "10", "0"}), "was refused but changed"},
        {"a text that is no number accepted", Nothing, [](Session& s) { s.game().GameOver = true; },
         OptionsOk({"15", "1,5", "80", "0", "10", "0", "10", "0"}),
         "took a text that is no number"},
        {"shares scaled wrongly", Nothing,
         [](Session& s) {
             s.game().Percent = {0, 50, 50, 0, 0, 0, 0};
             s.app.frontend.StopClock();
         },
         OptionsOk({"15", "15", "1", "1", "2", "0", "0", "0"}), "the rules give"},
        {"the win window over a game still to win", NewGameDefault,
         [](Session& s) { s.tk["PlayerWin"].Show(); }, Expect{}, "the win window is shown"},
        {"a window that survived its close box", Nothing, Nothing,
         [] {
             Expect expect;
             expect.closed = "License";
             return expect;
         }(),
         "survived its title bar's close box"},
    };
    return rows;
}

// The tracker as the driver would hold it after the setup's events.
Tracker TrackerOf(Session& session) {
    Tracker tracker;
    tracker.expectedSeconds = session.game().Seconds;
    tracker.clockShouldRun = session.Exists("Time") && session.tk["Time"]("tmrSecond").IsEnabled();
    return tracker;
}

Failures Checked(Session& session, const Expect& expect, const Step& act) {
    Session::FlushDeletes();
    Tracker tracker = TrackerOf(session);
    const Observation before = Observe(session, expect.WantsBoard());
    act(session);
    Session::FlushDeletes();
    const Observation after = Observe(session, false);
    Failures failures;
    Check(session, before, after, expect, tracker, failures);
    return failures;
}

std::string Joined(const Failures& failures) {
    std::string all;
    for (const std::string& failure : failures) {
        all += failure + "\n";
    }
    return all;
}

} // namespace

class DriverTests : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { Twin().reset(); }

    void aRunReplaysExactlyFromItsSeed() {
        const RunResult first = Driver(77).Run(1500);
        const RunResult again = Driver(77).Run(1500);
        const RunResult other = Driver(78).Run(1500);
        QVERIFY2(first.failures.empty(), Joined(first.failures).c_str());
        QCOMPARE(first.events, 1500L);
        QCOMPARE(again.digest, first.digest);
        QCOMPARE(again.tally, first.tally);
        QVERIFY(other.digest != first.digest);
    }

    void theTextOracleReadsNumbersByTheRules_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reading");
        QTest::addColumn<double>("value");
        const int number = int(Reading::Number);
        const int notNumber = int(Reading::NotNumber);
        const int open = int(Reading::Open);
        QTest::newRow("whole") << "15" << number << 15.0;
        QTest::newRow("blanks and sign") << "  +2.5  " << number << 2.5;
        QTest::newRow("point first, exponent") << ".5e1" << number << 5.0;
        QTest::newRow("point last") << "5." << number << 5.0;
        QTest::newRow("negative") << "-30.4" << number << -30.4;
        QTest::newRow("empty") << "" << notNumber << 0.0;
        QTest::newRow("blanks") << "   " << notNumber << 0.0;
        QTest::newRow("letters") << "12abc" << notNumber << 0.0;
        QTest::newRow("comma") << "1,5" << notNumber << 0.0;
        QTest::newRow("tab") << "\t5" << notNumber << 0.0;
        QTest::newRow("full-width digit") << QString::fromUtf8("\uFF15") << notNumber << 0.0;
        QTest::newRow("overflows") << "1e400" << open << 0.0;
        QTest::newRow("two points") << "1.2.3" << open << 0.0;
        QTest::newRow("sign alone") << "-" << open << 0.0;
    }
    void theTextOracleReadsNumbersByTheRules() {
        QFETCH(QString, text);
        QFETCH(int, reading);
        QFETCH(double, value);
        const Meaning meaning = Read(text.toStdString());
        QCOMPARE(int(meaning.reading), reading);
        QCOMPARE(meaning.value, value);
    }

    void everyCheckSpeaksUpWhenItsRuleIsBroken_data() {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < Rows().size(); ++row) {
            QTest::newRow(Rows()[row].name) << static_cast<int>(row);
        }
    }
    void everyCheckSpeaksUpWhenItsRuleIsBroken() {
        QFETCH(int, row);
        const Planted& planted = Rows()[static_cast<std::size_t>(row)];
        {
            // The same event without the fault: the checks hold.
            Session session(5);
            planted.setup(session);
            Expect honest = planted.expect;
            honest.options.reset();
            honest.click.reset();
            honest.closed.clear();
            honest.ticks = 0;
            const Failures none = Checked(session, honest, [&](Session& s) {
                if (planted.expect.redraw) {
                    s.Menu("R_Board");
                }
            });
            QVERIFY2(none.empty(), Joined(none).c_str());
        }
        Session session(5);
        planted.setup(session);
        const Failures failures = Checked(session, planted.expect, planted.plant);
        const std::string all = Joined(failures);
        QVERIFY2(all.find(planted.said) != std::string::npos, all.c_str());
    }
};

} // namespace tessaline::ui::random

QTEST_MAIN(tessaline::ui::random::DriverTests)
#include "driver_tests.moc"
