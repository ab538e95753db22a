#include <QApplication>
#include <QMainWindow>
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
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Tessaline");
    window.show();
    return app.exec();
}
