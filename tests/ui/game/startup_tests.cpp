// The program as it opens: start-up values and which windows exist and show.

#include "program.h"

#include <QTest>

namespace tessaline::ui::test {

class StartupTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void opensTheMainWindowOnlyWithNothingDealt() {
        Program program;
        QVERIFY(program["Color"].IsShown());
        for (const char* window : {"Board", "Time", "Options", "CustomizeBoard", "ErrorAZ",
                                   "PlayerWin", "Rules_Object", "AboutTessaline", "License"}) {
            QVERIFY2(program.tk.Exists(window), window);
            QVERIFY2(!program[window].IsShown(), window);
        }
        QVERIFY(program.game().GameOver);
        QCOMPARE(program.game().BoardWidth, 15);
        QCOMPARE(program["Color"]("lblNumRemaining", CodeYellow).Caption(), std::string("0"));
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::StartupTests)
#include "startup_tests.moc"
