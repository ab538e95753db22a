// Times the two heaviest things a game does, each with the paint that follows,
// against a floor measured in the same run:
//
// - the whole-board redraw of a 30 x 30 board (every Colors Scanned tick
//   during a game), against a repaint of the same window with nothing changed;
// - the longest spread, one right guess uncovering a whole 30 x 30 board of
//   one colour, against the same floor and against the redraw.
//
//   QT_QPA_PLATFORM=offscreen build-bench/bench/game_bench [runs]

#include "model/game.h"
#include "model/random.h"
#include "play/clicks.h"
#include "play/endgame.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/app/windows.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tessaline;
using namespace tessaline::ui;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A source that deals only Yellow, for the longest spread.
class AllYellow final : public RandomSource {
  public:
    void Reseed() override {}
    float Next() override { return 0.0f; }
};

// Waits for the board's next paint; returns the paints that happened.
int PaintsAfter(Control& square, int before) {
    QElapsedTimer guard;
    guard.start();
    while (PaintCount(square) == before && guard.elapsed() < 2000) {
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return PaintCount(square) - before;
}

void WaitExposed(QWidget* window) {
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents();
}

struct Timing {
    std::vector<double> ms;   // the work and its paint
    std::vector<double> work; // the work alone, before the paint
    int extraPaints = 0;
    int missingPaints = 0;
};

// One measured case: untimed preparation, then the work and the paint that
// follows it, timed.
struct Case {
    Control* square; // a square of the board that paints
    std::function<void(int)> prepare;
    std::function<void(int)> work;
    Timing timing;
};

// Runs every case once per round, `runs` rounds, so that all of them see the
// same state of the machine.
void Measure(int runs, std::vector<Case*> cases) {
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        for (Case* one : cases) {
            one->prepare(run);
            QCoreApplication::processEvents();
            const int before = PaintCount(*one->square);
            clock.start();
            one->work(run);
            const qint64 worked = clock.nsecsElapsed();
            const int paints = PaintsAfter(*one->square, before);
            one->timing.ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
            one->timing.work.push_back(static_cast<double>(worked) / 1e6);
            one->timing.extraPaints += std::max(paints - 1, 0);
            one->timing.missingPaints += paints == 0 ? 1 : 0;
        }
    }
}

void Report(const char* what, const Timing& timing, double floor) {
    const double median = Median(timing.ms);
    std::printf("  %-44s median %7.3f ms (work %6.3f)  max %7.3f ms  x%.2f of the floor", what,
                median, Median(timing.work), *std::max_element(timing.ms.begin(), timing.ms.end()),
                median / floor);
    if (timing.extraPaints > 0 || timing.missingPaints > 0) {
        std::printf("  (%d extra paints, %d runs without a paint)", timing.extraPaints,
                    timing.missingPaints);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 101;

    // A dealt 30 x 30 board in the usual shares, ended by Quit so that every
    // square is uncovered and shows a count once the board is redrawn.
    SeededRandom mixed(11);
    Toolkit toolkit;
    InstallPictures(toolkit);
    App app(toolkit, mixed);
    app.Start();
    app.game.BoardWidth = 30;
    app.game.BoardHeight = 30;
    // New Game as the menu runs it.
    QMetaObject::invokeMethod(
        WindowWidget(toolkit["Color"])->findChild<QObject*>(QStringLiteral("G_NewGame")),
        "trigger");
    Quit(app.game, app.frontend);
    Form& board = toolkit["Board"];
    WaitExposed(WindowWidget(board));
    Control& square = board("Square", 0);
    QWidget* grid = ControlWidget(square);
    Control& scanYellow = toolkit["Color"]("cbxScan", CodeYellow);
    Control& scanRed = toolkit["Color"]("cbxScan", CodeRed);
    scanRed.SetValue(1);
    DrawBoard(app);

    Case floor{&square, [](int) {}, [grid](int) { grid->update(); }, {}};
    // Each run ticks or unticks Yellow (the game is over, so the tick itself
    // redraws nothing), then redraws: nearly every count changes.
    Case redraw{&square,
                [&](int run) { scanYellow.SetValue((run + 1) % 2); },
                [&app](int) { DrawBoard(app); },
                {}};

    // The longest spread: a fresh one-colour 30 x 30 board each run, one guess
    // in the corner uncovering all 900 squares one by one, then the win.
    AllYellow yellow;
    Toolkit spreadToolkit;
    InstallPictures(spreadToolkit);
    App spreadApp(spreadToolkit, yellow);
    spreadApp.Start();
    spreadApp.game.BoardWidth = 30;
    spreadApp.game.BoardHeight = 30;
    QObject* newGame =
        WindowWidget(spreadToolkit["Color"])->findChild<QObject*>(QStringLiteral("G_NewGame"));
    QMetaObject::invokeMethod(newGame, "trigger");
    WaitExposed(WindowWidget(spreadToolkit["Board"]));
    Control& spreadSquare = spreadToolkit["Board"]("Square", 0);
    Case spread{&spreadSquare,
                [&](int) {
                    QMetaObject::invokeMethod(newGame, "trigger");
                    spreadToolkit["PlayerWin"].Hide();
                },
                [&spreadApp](int) {
                    Square_MouseDown(spreadApp.game, spreadApp.frontend, 0, ButtonLeft, 0, 120,
                                     120);
                    Square_MouseUp(spreadApp.game, spreadApp.frontend, 0, ButtonLeft, 0, 120, 120);
                },
                {}};
    Measure(runs, {&floor, &redraw, &spread});
    if (!spreadApp.game.GameOver) {
        std::printf("the spread did not win the game\n");
        return 1;
    }

    const double base = Median(floor.timing.ms);
    std::printf("30 x 30 board, %d runs each, platform %s\n", runs,
                qPrintable(QGuiApplication::platformName()));
    Report("floor: repaint of the board, nothing changed", floor.timing, base);
    Report("DrawBoard, every count changed, + its paint", redraw.timing, base);
    Report("longest spread (900 squares) + its paint", spread.timing, base);
    std::printf("  spread / redraw: x%.2f\n", Median(spread.timing.ms) / Median(redraw.timing.ms));
    return 0;
}
