// The texts chosen for this program (the maker's details and the licence notice) must be seen
// whole in their labels: wrapped at the label's width, in the desktop's default font at the
// dialogs' 8 points, within the part of the label that lies inside the window.

#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/units.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QtTest>

#include <algorithm>

using namespace tessaline::ui;

namespace {
constexpr double TwipsPerPixel = detail::TwipsPerPixel;
}

class TextsFitTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { QTest::failOnWarning(QRegularExpression(".*")); }

    void chosenTextsFit_data();
    void chosenTextsFit();
};

void TextsFitTest::chosenTextsFit_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("maxLines");
    QTest::newRow("copyright") << "AboutTessaline"
                               << "lblCopywrite" << 1;
    QTest::newRow("author") << "AboutTessaline"
                            << "lblAuthor" << 1;
    QTest::newRow("comments") << "AboutTessaline"
                              << "Label1" << 3;
    QTest::newRow("maker's web site") << "AboutVantiro"
                                      << "lblorv" << 1;
    QTest::newRow("home page requests") << "AboutVantiro"
                                        << "Label3" << 1;
    QTest::newRow("author's web site") << "AboutAuthor"
                                       << "lblWebSite" << 1;
    QTest::newRow("licence") << "License"
                             << "lblText" << 5;
}

void TextsFitTest::chosenTextsFit() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(int, maxLines);
    const FormDef* form = FindLayout(window.toStdString());
    QVERIFY(form != nullptr);
    const ControlDef* control = FindControl(*form, label.toStdString());
    QVERIFY(control != nullptr);

    QFont font = QGuiApplication::font();
    font.setPointSizeF(control->font.points);
    font.setBold(control->font.bold);
    const QFontMetricsF metrics(font);
    const double width = control->width / TwipsPerPixel;
    // A label may reach beyond the window; only what lies inside is seen.
    const double height =
        std::min(control->height, form->clientHeight - control->top) / TwipsPerPixel;
    const QString text = ToQString(control->caption);
    const QRectF needed = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    const int lines = qRound(needed.height() / metrics.lineSpacing());
    QVERIFY2(needed.width() <= width,
             qPrintable(QStringLiteral("%1 px wide in %2").arg(needed.width()).arg(width)));
    QVERIFY2(lines <= maxLines, qPrintable(QStringLiteral("%1 lines").arg(lines)));
    QVERIFY2(needed.height() <= height,
             qPrintable(QStringLiteral("%1 px high in %2").arg(needed.height()).arg(height)));
}

QTEST_MAIN(TextsFitTest)
#include "texts_fit_tests.moc"
