// What the rules, about, licence and win windows do: open once, hide on their
// button or Enter, and the product about window's picture swap.

#include "info.h"

#include <QImage>
#include <QTest>

namespace tessaline::ui::test {

namespace {

enum class Seen { Product, Maker, Unclear };

// Which picture the window shows at the spot of `box`, judged from the
// rendered window: the product picture is half black and has no white, the
// maker picture stands on white.
Seen PictureOnScreen(Program& program, std::string_view window, std::string_view box) {
    Form& form = program.tk.Touch(window);
    const QImage image = Grab(form);
    QWidget* picture = ControlWidget(form(box));
    const QRect where(picture->mapTo(WindowWidget(form), QPoint(0, 0)), picture->size());
    const qreal ratio = image.devicePixelRatio();
    int white = 0;
    int black = 0;
    int all = 0;
    for (int y = qCeil(where.top() * ratio); y < qFloor((where.bottom() + 1) * ratio); ++y) {
        for (int x = qCeil(where.left() * ratio); x < qFloor((where.right() + 1) * ratio); ++x) {
            const QColor colour = image.pixelColor(x, y);
            white += colour == Qt::white ? 1 : 0;
            black += colour == Qt::black ? 1 : 0;
            ++all;
        }
    }
    if (all > 0 && white == 0 && black * 10 >= all * 4) {
        return Seen::Product;
    }
    if (all > 0 && white * 10 >= all * 4) {
        return Seen::Maker;
    }
    return Seen::Unclear;
}

// Empty when AboutTessaline shows exactly the picture that AboutPictureFlag
// names (0 the product, 1 the maker), on its controls and on screen.
QString PictureDisagreement(Program& program, Int16 expectedFlag) {
    Form& about = program.tk.Touch("AboutTessaline");
    const Int16 flag = program.game().AboutPictureFlag;
    if (flag != expectedFlag) {
        return QStringLiteral("AboutPictureFlag is %1, expected %2").arg(flag).arg(expectedFlag);
    }
    const bool product = about("icnTessaline").IsVisible();
    const bool maker = about("icnVantiro").IsVisible();
    if (product != (flag == 0) || maker != (flag == 1)) {
        return QStringLiteral("flag %1 with icnTessaline %2 and icnVantiro %3")
            .arg(flag)
            .arg(product ? "shown" : "hidden", maker ? "shown" : "hidden");
    }
    const Seen seen = PictureOnScreen(program, "AboutTessaline", "icnTessaline");
    if (seen != (flag == 0 ? Seen::Product : Seen::Maker)) {
        return QStringLiteral("flag %1 but the window shows %2")
            .arg(flag)
            .arg(seen == Seen::Product ? "the product picture"
                 : seen == Seen::Maker ? "the maker picture"
                                       : "neither picture");
    }
    return {};
}

} // namespace

// Fails the test where AboutTessaline and AboutPictureFlag disagree.
#define EXPECT_PICTURE(program, flag)                                                              \
    do {                                                                                           \
        const QString problem = PictureDisagreement(program, flag);                                \
        QVERIFY2(problem.isEmpty(), qPrintable(problem));                                          \
    } while (false)

class InfoBehaviourTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void startUpCreatesEveryInformationWindowHidden() {
        Program program;
        for (std::string_view window : InformationWindows) {
            QVERIFY2(program.tk.Exists(window), window.data());
            QVERIFY2(!program[window].IsShown(), window.data());
            QCOMPARE(CountWindows(window), 1);
        }
        EXPECT_PICTURE(program, 0);
        QVERIFY(program["AboutVantiro"]("icnVantiro").IsVisible());
    }

    void productPictureSwapsOnClicksAndKeepsItsStateUntilClosed() {
        Program program;
        ShowFromInfoMenu(program, "AboutTessaline");
        EXPECT_PICTURE(program, 0);
        program.ClickControl("AboutTessaline", "icnTessaline");
        EXPECT_PICTURE(program, 1);
        program.ClickControl("AboutTessaline", "icnVantiro");
        EXPECT_PICTURE(program, 0);

        // Hidden by Ok and shown again: the maker picture stays.
        program.ClickControl("AboutTessaline", "icnTessaline");
        EXPECT_PICTURE(program, 1);
        program.ClickControl("AboutTessaline", "Ok");
        QVERIFY(!program["AboutTessaline"].IsShown());
        ShowFromInfoMenu(program, "AboutTessaline");
        QVERIFY(program["AboutTessaline"].IsShown());
        EXPECT_PICTURE(program, 1);

        // Closed through the title bar: created again with the product picture.
        program.CloseByTitleBar("AboutTessaline");
        QVERIFY(!program.tk.Exists("AboutTessaline"));
        ShowFromInfoMenu(program, "AboutTessaline");
        EXPECT_PICTURE(program, 0);
        QCOMPARE(CountWindows("AboutTessaline"), 1);
    }

    void onlyAnOrdinaryClickSwapsThePicture_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("releasedOutside");
        QTest::addColumn<int>("flag");
        QTest::newRow("left click") << Qt::LeftButton << false << 1;
        QTest::newRow("right click") << Qt::RightButton << false << 0;
        QTest::newRow("middle click") << Qt::MiddleButton << false << 0;
        QTest::newRow("left press dragged off the picture") << Qt::LeftButton << true << 0;
    }

    void onlyAnOrdinaryClickSwapsThePicture() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, releasedOutside);
        QFETCH(int, flag);
        Program program;
        ShowFromInfoMenu(program, "AboutTessaline");
        QWidget* picture = ControlWidget(program["AboutTessaline"]("icnTessaline"));
        const QPoint inside = picture->rect().center();
        const QPoint outside(picture->width() + 20, inside.y());
        QTest::mousePress(picture, button, {}, inside);
        QTest::mouseRelease(picture, button, {}, releasedOutside ? outside : inside);
        EXPECT_PICTURE(program, static_cast<Int16>(flag));
    }

    void makerAboutWindowShowsItsPictureFromCreationOn() {
        Program program;
        QVERIFY(program["AboutVantiro"]("icnVantiro").IsVisible());
        ShowFromInfoMenu(program, "AboutVantiro");
        QVERIFY(program["AboutVantiro"].IsShown());
        QCOMPARE(PictureOnScreen(program, "AboutVantiro", "icnVantiro"), Seen::Maker);

        program.CloseByTitleBar("AboutVantiro");
        ShowFromInfoMenu(program, "AboutVantiro");
        QVERIFY(program["AboutVantiro"]("icnVantiro").IsVisible());
        QCOMPARE(PictureOnScreen(program, "AboutVantiro", "icnVantiro"), Seen::Maker);
        // The product about window's flag belongs to that window alone.
        QCOMPARE(program.game().AboutPictureFlag, Int16{0});
    }

    void eachWindowExistsOnceHoweverOftenItIsShown_data() {
        QTest::addColumn<QString>("window");
        for (std::string_view window : InformationWindows) {
            QTest::newRow(window.data()) << ToQString(window);
        }
    }

    void eachWindowExistsOnceHoweverOftenItIsShown() {
        QFETCH(QString, window);
        const std::string name = window.toStdString();
        Program program;
        const QWidget* first = WindowWidget(program[name]);
        for (int time = 0; time < 3; ++time) {
            Open(program, name);
        }
        QVERIFY(program[name].IsShown());
        QCOMPARE(CountWindows(name), 1);
        QCOMPARE(WindowWidget(program[name]), first);

        program.CloseByTitleBar(name);
        QCOMPARE(CountWindows(name), 0);
        Open(program, name);
        Open(program, name);
        QVERIFY(program[name].IsShown());
        QCOMPARE(CountWindows(name), 1);
    }

    void okOnOneRulesWindowLeavesTheOthersAsTheyAre_data() {
        QTest::addColumn<QString>("closed");
        QTest::addColumn<QString>("leftShown");
        QTest::addColumn<QString>("leftHidden");
        QTest::newRow("Object") << "Rules_Object"
                                << "Rules_Play"
                                << "Rules_Customize";
        QTest::newRow("Play") << "Rules_Play"
                              << "Rules_Customize"
                              << "Rules_Object";
        QTest::newRow("Customize") << "Rules_Customize"
                                   << "Rules_Object"
                                   << "Rules_Play";
    }

    void okOnOneRulesWindowLeavesTheOthersAsTheyAre() {
        QFETCH(QString, closed);
        QFETCH(QString, leftShown);
        QFETCH(QString, leftHidden);
        Program program;
        ShowFromInfoMenu(program, leftShown.toStdString());
        ShowFromInfoMenu(program, closed.toStdString());
        const QWidget* before = WindowWidget(program[closed.toStdString()]);

        program.ClickControl(closed.toStdString(), "btnOK");
        QVERIFY(!program[closed.toStdString()].IsShown());
        QVERIFY(program[leftShown.toStdString()].IsShown());
        QVERIFY(!program[leftHidden.toStdString()].IsShown());
        QVERIFY(program.tk.Exists(leftHidden.toStdString()));

        // Hidden, not destroyed: the next command shows the same window again.
        QVERIFY(program.tk.Exists(closed.toStdString()));
        ShowFromInfoMenu(program, closed.toStdString());
        QVERIFY(program[closed.toStdString()].IsShown());
        QCOMPARE(WindowWidget(program[closed.toStdString()]), before);
    }

    void enterPressesTheButtonThatHidesTheWindow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Rules_Object") << "Rules_Object"
                                      << "btnOK"
                                      << "OK";
        QTest::newRow("Rules_Play") << "Rules_Play"
                                    << "btnOK"
                                    << "OK";
        QTest::newRow("Rules_Customize") << "Rules_Customize"
                                         << "btnOK"
                                         << "OK";
        QTest::newRow("AboutTessaline") << "AboutTessaline"
                                        << "Ok"
                                        << "Ok";
        QTest::newRow("AboutVantiro") << "AboutVantiro"
                                      << "Ok"
                                      << "Ok";
        QTest::newRow("AboutAuthor") << "AboutAuthor"
                                     << "Ok"
                                     << "Ok";
        QTest::newRow("License") << "License"
                                 << "Ok"
                                 << "Ok";
        QTest::newRow("PlayerWin") << "PlayerWin"
                                   << "btnOK"
                                   << "OK";
    }

    void enterPressesTheButtonThatHidesTheWindow() {
        QFETCH(QString, window);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        const std::string name = window.toStdString();
        Program program;
        QCOMPARE(QString::fromStdString(program[name](button.toStdString()).Caption()), caption);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            Open(program, name);
            QVERIFY(program[name].IsShown());
            program.Key(name, key);
            QVERIFY2(!program[name].IsShown(), qPrintable(QStringLiteral("key %1").arg(key)));
            QVERIFY(program.tk.Exists(name));
        }
        // The other keys leave it open.
        Open(program, name);
        program.Key(name, Qt::Key_Escape);
        program.Key(name, Qt::Key_A);
        QVERIFY(program[name].IsShown());
    }

    void theWinWindowClosesWithItsButton() {
        Program program;
        Open(program, "PlayerWin");
        ShowFromInfoMenu(program, "AboutAuthor");
        program.ClickControl("PlayerWin", "btnOK");
        QVERIFY(!program["PlayerWin"].IsShown());
        QVERIFY(program["AboutAuthor"].IsShown());
        QVERIFY(program["Color"].IsShown());
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::InfoBehaviourTests)
#include "info_behaviour_tests.moc"
