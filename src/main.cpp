// Creates the application and the main window; the main window's load step
// does the rest.

#include "model/random.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/toolkit/toolkit.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// A desktop game needs a display; say so plainly instead of letting the
// platform plugin abort.
bool HaveDisplay() {
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char* argv[]) {
    if (!HaveDisplay()) {
        std::fprintf(stderr, "tessaline: no display found (neither DISPLAY nor WAYLAND_DISPLAY "
                             "is set); start it from a desktop session.\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("tessaline");
    QGuiApplication::setDesktopFileName("org.example.Tessaline");

    tessaline::ClockRandom random;
    tessaline::ui::Toolkit toolkit;
    tessaline::ui::InstallPictures(toolkit);
    tessaline::ui::App app(toolkit, random);
    app.Start();
    return QApplication::exec();
}
