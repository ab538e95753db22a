// How the rules, about, licence and win windows look: their texts exactly as
// written, blanks included, wrapped at the labels' width and seen whole in the
// desktop's default font.
//
// With TESSALINE_SCREENSHOTS naming a directory, each window checked for fit
// is also saved there as <window>.png.

#include "info.h"

#include "ui/layouts/layouts.h"

#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace tessaline::ui::test {

namespace {

int LeadingBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return static_cast<int>(first == std::string::npos ? text.size() : first);
}

int TrailingBlanks(const std::string& text) {
    const auto last = text.find_last_not_of(' ');
    return static_cast<int>(last == std::string::npos ? text.size() : text.size() - 1 - last);
}

} // namespace

class InfoLooksTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void everyLabelShowsItsLayoutText_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("Rules_Object") << "Rules_Object"
                                      << "Object";
        QTest::newRow("Rules_Play") << "Rules_Play"
                                    << "Play";
        QTest::newRow("Rules_Customize") << "Rules_Customize"
                                         << "Customize";
        QTest::newRow("AboutTessaline") << "AboutTessaline"
                                        << "About Tessaline";
        QTest::newRow("AboutVantiro") << "AboutVantiro"
                                      << "About Vantiro Software";
        QTest::newRow("AboutAuthor") << "AboutAuthor"
                                     << "About Author";
        QTest::newRow("License") << "License"
                                 << "License";
        QTest::newRow("PlayerWin") << "PlayerWin"
                                   << "You Win!";
    }

    void everyLabelShowsItsLayoutText() {
        QFETCH(QString, window);
        QFETCH(QString, title);
        const std::string name = window.toStdString();
        Program program;
        Open(program, name);
        QCOMPARE(WindowWidget(program[name])->windowTitle(), title);
        const FormDef* layout = FindLayout(name);
        QVERIFY(layout != nullptr);
        int labels = 0;
        for (const ControlDef& def : layout->controls) {
            if (def.kind != ControlKind::Label) {
                continue;
            }
            ++labels;
            Control& label = program[name](def.name);
            QCOMPARE(label.Caption(), std::string(def.caption));
            QVERIFY2(label.IsVisible(), def.name.data());
            auto* widget = qobject_cast<QLabel*>(ControlWidget(label));
            QVERIFY(widget != nullptr);
            QVERIFY2(widget->wordWrap(), def.name.data());
            QCOMPARE(widget->textFormat(), Qt::PlainText);
        }
        QVERIFY(labels > 0);
    }

    void textsKeepTheirBlanksAndBeginnings_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("begins");
        QTest::addColumn<int>("leading");
        QTest::addColumn<int>("trailing");
        QTest::newRow("object") << "Rules_Object"
                                << "lblText"
                                << "-The object of the game" << 0 << 1;
        QTest::newRow("choose a colour") << "Rules_Play"
                                         << "lblChooseColor"
                                         << "-First the player chooses" << 0 << 1;
        QTest::newRow("left click") << "Rules_Play"
                                    << "lblOKChar"
                                    << "-Then the player left clicks" << 0 << 1;
        QTest::newRow("numbers") << "Rules_Play"
                                 << "lblSymbol"
                                 << "-When a square is visible" << 0 << 1;
        QTest::newRow("options dialog") << "Rules_Customize"
                                        << "lblOptions"
                                        << "-In the options dialog" << 0 << 0;
        QTest::newRow("Customize Board dialog") << "Rules_Customize"
                                                << "lblCustomizeBoard"
                                                << "-In the Customize Board dialog" << 0 << 1;
        QTest::newRow("product name") << "AboutTessaline"
                                      << "lblName"
                                      << "Tessaline version 1.2" << 0 << 0;
        QTest::newRow("author") << "AboutTessaline"
                                << "lblAuthor"
                                << "by " << 0 << 0;
        QTest::newRow("comments") << "AboutTessaline"
                                  << "Label1"
                                  << "If you have any comments or thoughts on this program, "
                                     "please send them to "
                                  << 0 << 0;
        QTest::newRow("maker's web site") << "AboutVantiro"
                                          << "lblWebPage"
                                          << "To find out more about Vantiro Software" << 0 << 1;
        QTest::newRow("maker's address") << "AboutVantiro"
                                         << "lblorv"
                                         << "      " << 6 << 0;
        QTest::newRow("home page request") << "AboutVantiro"
                                           << "lblGetWebPage"
                                           << " Or, we will send you" << 1 << 0;
        QTest::newRow("home page address") << "AboutVantiro"
                                           << "Label3"
                                           << "      " << 6 << 0;
        QTest::newRow("author's web site") << "AboutAuthor"
                                           << "lblText"
                                           << "To find out about the author" << 0 << 0;
        QTest::newRow("author's address") << "AboutAuthor"
                                          << "lblWebSite"
                                          << "     " << 5 << 0;
        QTest::newRow("win") << "PlayerWin"
                             << "lblWin"
                             << "Congratulations! You Win!" << 0 << 0;
    }

    void textsKeepTheirBlanksAndBeginnings() {
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(QString, begins);
        QFETCH(int, leading);
        QFETCH(int, trailing);
        Program program;
        const std::string caption = program[window.toStdString()](label.toStdString()).Caption();
        QVERIFY2(QString::fromStdString(caption).startsWith(begins), caption.c_str());
        QCOMPARE(LeadingBlanks(caption), leading);
        QCOMPARE(TrailingBlanks(caption), trailing);
        QVERIFY(static_cast<int>(caption.size()) > leading + trailing);
    }

    void theCustomizeRulesQuoteTheWordShape() {
        Program program;
        const std::string text = program["Rules_Customize"]("lblCustomizeBoard").Caption();
        QVERIFY2(text.find("change the \"shape\" of the board") != std::string::npos, text.c_str());
    }

    // Every text of the window is seen whole: wrapped lines no wider than the
    // label, as many as the part of the label inside the window holds, and
    // every button's caption inside the button.
    void textsFitTheirControls_data() {
        QTest::addColumn<QString>("window");
        for (std::string_view window : InformationWindows) {
            QTest::newRow(window.data()) << ToQString(window);
        }
    }

    void textsFitTheirControls() {
        QFETCH(QString, window);
        const std::string name = window.toStdString();
        Program program;
        Open(program, name);
        QWidget* client = ClientWidget(program[name]);
        const QString screenshots = qEnvironmentVariable("TESSALINE_SCREENSHOTS");
        if (!screenshots.isEmpty()) {
            QVERIFY(SaveScreenshot(program[name], QDir(screenshots).filePath(window + ".png")));
        }
        const FormDef* layout = FindLayout(name);
        QVERIFY(layout != nullptr);
        for (const ControlDef& def : layout->controls) {
            QWidget* widget = ControlWidget(program[name](def.name));
            QVERIFY(widget != nullptr);
            const QFontMetrics metrics(widget->font());
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const QRect seen = label->geometry() & client->rect();
                // What the label needs as it draws its text: wrapped at its
                // width if it wraps, on one line if not.
                const QSize text = label->wordWrap()
                                       ? QSize(metrics
                                                   .boundingRect(QRect(0, 0, label->width(), 10000),
                                                                 Qt::TextWordWrap, label->text())
                                                   .width(),
                                               label->heightForWidth(label->width()))
                                       : label->sizeHint();
                QVERIFY2(text.width() <= label->width(),
                         qPrintable(QStringLiteral("%1: %2 px wide in %3")
                                        .arg(def.name.data())
                                        .arg(text.width())
                                        .arg(label->width())));
                const int needed = text.height();
                QVERIFY2(needed <= seen.height(),
                         qPrintable(QStringLiteral("%1: %2 px high, %3 seen")
                                        .arg(def.name.data())
                                        .arg(needed)
                                        .arg(seen.height())));
                // Labels may overlap in the layout; the text must stop above
                // any control that starts lower down beside it.
                const QRect drawn(label->x(), label->y(), label->width(), needed);
                for (const ControlDef& other : layout->controls) {
                    QWidget* below = ControlWidget(program[name](other.name));
                    if (below == nullptr || below == label || below->isHidden() ||
                        below->y() <= label->y()) {
                        continue;
                    }
                    QVERIFY2(!drawn.intersects(below->geometry()),
                             qPrintable(QStringLiteral("%1 runs %2 px into %3")
                                            .arg(def.name.data())
                                            .arg(drawn.bottom() - below->y() + 1)
                                            .arg(other.name.data())));
                }
            } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QVERIFY2(metrics.horizontalAdvance(button->text()) + 8 <= button->width(),
                         def.name.data());
                QVERIFY(metrics.height() < button->height());
            }
        }
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::InfoLooksTests)
#include "info_looks_tests.moc"
