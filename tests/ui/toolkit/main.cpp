// Runs every toolkit test class in one application.

#include <QApplication>

namespace tessaline::ui::test {
int RunWindowTests(int argc, char** argv);
int RunInputTests(int argc, char** argv);
int RunControlTests(int argc, char** argv);
int RunBoardTests(int argc, char** argv);
int RunDesktopRulesTests(int argc, char** argv);
} // namespace tessaline::ui::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace tessaline::ui::test;
    int failures = 0;
    failures += RunWindowTests(argc, argv);
    failures += RunInputTests(argc, argv);
    failures += RunControlTests(argc, argv);
    failures += RunBoardTests(argc, argv);
    failures += RunDesktopRulesTests(argc, argv);
    return failures == 0 ? 0 : 1;
}
