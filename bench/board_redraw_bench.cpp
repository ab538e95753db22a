// Times a whole-board redraw as the game does it on every tick of a Colors
// Scanned box: 900 squares recoloured and recaptioned through the toolkit,
// then the one paint that follows. Prints the median of many runs. With
// `names`, every square is also given the text that assistive technology
// announces for it, as the board does when it paints a square.
//
//   QT_QPA_PLATFORM=offscreen build/bench/board_redraw_bench [runs] [names]

#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace tessaline::ui;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 201;
    const bool names = argc > 2 && std::strcmp(argv[2], "names") == 0;
    Toolkit toolkit;
    toolkit.Define(BoardLayout());
    Form& board = toolkit.Touch("Board");
    // The whole grid in play, so that every square is painted.
    board.SetClientSize(BoardClientSide(30), BoardClientSide(30));
    board.Show();
    QWidget* window = WindowWidget(board);
    while (!window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QCoreApplication::processEvents();

    const Colour colours[] = {0x00FFFF, 0x0080FF, 0x0000FF, 0x00FF00,        0xFF0000,
                              0xC000C0, 0xFFFFFF, 0x000000, SystemButtonFace};
    const std::string captions[] = {"", "0", "1", "2", "3", "4", "5", "6", "7", "8", "?"};
    const char* const shown[] = {"hidden", "Yellow", "Orange", "Red", "Green", "Blue", "Purple"};
    char name[64];
    Control& first = board("Square", 0);
    std::vector<double> update;
    std::vector<double> paint;
    std::vector<double> total;
    int extraPaints = 0;
    QElapsedTimer clock;
    for (int run = 0; run < runs; ++run) {
        const int before = PaintCount(first);
        clock.start();
        for (int i = 0; i < 900; ++i) {
            Control& square = board("Square", i);
            square.SetBackColour(colours[(i + run) % 9]);
            square.SetCaption(captions[(i + run) % 11]);
            if (names) {
                std::snprintf(name, sizeof name, "Row %d, column %d: %s, %s", i / 30 + 1,
                              i % 30 + 1, shown[(i + run) % 7], captions[(i + run) % 11].c_str());
                square.SetAccessibleName(name);
            }
        }
        const qint64 updated = clock.nsecsElapsed();
        while (PaintCount(first) == before) {
            QCoreApplication::processEvents();
        }
        const qint64 painted = clock.nsecsElapsed();
        QCoreApplication::processEvents();
        extraPaints += PaintCount(first) - before - 1;
        update.push_back(static_cast<double>(updated) / 1e6);
        paint.push_back(static_cast<double>(painted - updated) / 1e6);
        total.push_back(static_cast<double>(painted) / 1e6);
    }
    std::printf("whole-board redraw of 900 squares%s, %d runs, platform %s\n",
                names ? " with accessible names" : "", runs,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  recolour + recaption through the toolkit: median %.3f ms\n", Median(update));
    std::printf("  the paint that follows:                   median %.3f ms\n", Median(paint));
    std::printf("  together:                                 median %.3f ms (max %.3f ms)\n",
                Median(total), *std::max_element(total.begin(), total.end()));
    std::printf("  paints beyond one per redraw: %d\n", extraPaints);
    return 0;
}
