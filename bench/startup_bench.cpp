// Times the start-up, from launching the process to the main window on screen,
// and the resident memory at that moment, against the floor of an empty Qt
// main window with a menu bar. Every run is a fresh process; the two kinds of
// run alternate so that both see the same machine.
//
//   build-bench/bench/startup_bench [runs]            (under xvfb-run, or offscreen)
//
// With --child game or --child floor it is one of those processes: it starts,
// shows its window, waits until the window is exposed and prints
// "shown <resident kB> <platform>" before it quits.

#include "model/random.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

void WaitExposed(QWidget* window) {
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    QCoreApplication::processEvents();
}

void Shown() {
    std::printf("shown %ld %s\n", ResidentKilobytes(), qPrintable(QGuiApplication::platformName()));
    std::fflush(stdout);
}

int RunGame(int argc, char** argv) {
    // As the program's own main does it.
    QApplication application(argc, argv);
    tessaline::ClockRandom random;
    tessaline::ui::Toolkit toolkit;
    tessaline::ui::InstallPictures(toolkit);
    tessaline::ui::App app(toolkit, random);
    app.Start();
    WaitExposed(tessaline::ui::WindowWidget(toolkit["Color"]));
    Shown();
    return 0;
}

int RunFloor(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    for (const char* menu : {"&Game", "&Redraw", " &Options", "&Info"}) {
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("&Item"));
    }
    window.resize(502, 110);
    window.show();
    WaitExposed(&window);
    Shown();
    return 0;
}

struct Sample {
    double ms = 0;
    long kilobytes = 0;
    std::string platform;
};

bool Launch(const QString& self, const char* kind, Sample& sample) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QStringLiteral("--child"), QString::fromUtf8(kind)});
    std::string line;
    while (line.find('\n') == std::string::npos) {
        if (!process.waitForReadyRead(10000)) {
            std::fprintf(stderr, "startup_bench: the %s process showed nothing\n", kind);
            return false;
        }
        if (line.empty()) {
            sample.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        }
        line += process.readAll().toStdString();
    }
    process.waitForFinished(10000);
    char platform[64] = {};
    if (std::sscanf(line.c_str(), "shown %ld %63s", &sample.kilobytes, platform) != 2) {
        std::fprintf(stderr, "startup_bench: the %s process said %s", kind, line.c_str());
        return false;
    }
    sample.platform = platform;
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0) {
        return std::strcmp(argv[2], "game") == 0 ? RunGame(argc, argv) : RunFloor(argc, argv);
    }
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 21;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> gameMs, floorMs, gameKb, floorKb;
    std::string platform;
    // One untimed launch of each first, so that both start from a warm cache.
    Sample warm;
    if (!Launch(self, "floor", warm) || !Launch(self, "game", warm)) {
        return 1;
    }
    for (int run = 0; run < runs; ++run) {
        Sample floor;
        Sample game;
        if (!Launch(self, "floor", floor) || !Launch(self, "game", game)) {
            return 1;
        }
        floorMs.push_back(floor.ms);
        floorKb.push_back(static_cast<double>(floor.kilobytes));
        gameMs.push_back(game.ms);
        gameKb.push_back(static_cast<double>(game.kilobytes));
        platform = game.platform;
    }
    std::printf("start-up to the main window shown, %d runs each, platform %s\n", runs,
                platform.c_str());
    std::printf("  %-46s median %7.1f ms  resident %7.0f kB\n",
                "floor: empty QMainWindow with a menu bar", Median(floorMs), Median(floorKb));
    std::printf("  %-46s median %7.1f ms  resident %7.0f kB\n", "Tessaline (14 windows created)",
                Median(gameMs), Median(gameKb));
    std::printf("  ratio: time x%.2f, resident memory x%.2f\n", Median(gameMs) / Median(floorMs),
                Median(gameKb) / Median(floorKb));
    return 0;
}
