// The controls of every window as assistive technology finds them: each by a
// name that says what it is for.

#include "accessible_tree.h"
#include "program.h"
#include "ui/layouts/layouts.h"

#include <QAccessible>
#include <QTest>

namespace tessaline::ui::test {

namespace {

// A control at a place given in twips.
ControlDef Placed(ControlKind kind, std::string_view name, std::string_view caption, QRect at) {
    ControlDef def;
    def.kind = kind;
    def.name = name;
    def.caption = caption;
    def.left = at.x();
    def.top = at.y();
    def.width = at.width();
    def.height = at.height();
    return def;
}

const QRect TextBoxPlace(1920, 1200, 495, 285);

// A window of its own for a few controls.
FormDef Boxes(std::vector<ControlDef> controls) {
    FormDef def;
    def.name = "Boxes";
    def.caption = "Boxes";
    def.clientWidth = 4000;
    def.clientHeight = 2400;
    def.controls = std::move(controls);
    return def;
}

} // namespace

class AccessibleControlsTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void mainWindowOffersEachColourToTickAndToGuess_data() {
        QTest::addColumn<QString>("colour");
        for (const char* colour : {"Yellow", "Orange", "Red", "Green", "Blue", "Purple"}) {
            QTest::newRow(colour) << QString::fromLatin1(colour);
        }
    }
    void mainWindowOffersEachColourToTickAndToGuess() {
        QFETCH(QString, colour);
        Program program;
        QAccessibleInterface* window = Accessible(WindowWidget(program["Color"]));
        QVERIFY(window != nullptr);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tessaline"));
        // One box to tick and one button to guess with, each found by its caption.
        const auto boxes = FindAll(window, QAccessible::CheckBox, colour);
        const auto buttons = FindAll(window, QAccessible::RadioButton, colour);
        QCOMPARE(boxes.size(), std::size_t{1});
        QCOMPARE(buttons.size(), std::size_t{1});
        QVERIFY(!boxes.front()->state().checked);
        QCOMPARE(buttons.front()->state().checked, colour == QStringLiteral("Yellow"));
    }

    void pressingAGuessButtonSelectsItAlone() {
        Program program;
        Form& color = program["Color"];
        QAccessibleInterface* orange = Accessible(ControlWidget(color("rbtGuess", CodeOrange)));
        QAccessibleInterface* yellow = Accessible(ControlWidget(color("rbtGuess", CodeYellow)));
        QVERIFY(yellow->state().checked);
        QVERIFY(orange->state().checkable);
        orange->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(color("rbtGuess", CodeOrange).Value(), 1);
        QCOMPARE(color("rbtGuess", CodeYellow).Value(), 0);
        QVERIFY(orange->state().checked);
        QVERIFY(!yellow->state().checked);
    }

    void mainWindowHeadingsAreReadable() {
        Program program;
        QAccessibleInterface* window = Accessible(WindowWidget(program["Color"]));
        for (const char* heading : {"Colors Scanned", "Remaining Colors", "Guess"}) {
            QCOMPARE(FindAll(window, QAccessible::StaticText, QString::fromLatin1(heading)).size(),
                     std::size_t{1});
        }
    }

    // Everything a window shows has a name, and a control that shows a caption
    // is called by it, in all fourteen windows.
    void everyControlIsNamed_data() {
        QTest::addColumn<QString>("window");
        for (const FormDef* layout : AllLayouts()) {
            if (layout->name != "Board") { // the squares have tests of their own
                QTest::newRow(layout->name.data()) << ToQString(layout->name);
            }
        }
    }
    void everyControlIsNamed() {
        QFETCH(QString, window);
        Program program;
        const std::string name = window.toStdString();
        Form& form = program.tk.Touch(name);
        int checked = 0;
        for (const ControlDef& def : FindLayout(name)->controls) {
            if (def.kind == ControlKind::Timer) {
                continue;
            }
            Control& control = form(def.name, def.index);
            const QString announced = AccessibleText(control);
            const QString where = window + QLatin1Char(' ') + ToQString(def.name) +
                                  QLatin1Char('(') + QString::number(def.index) + QLatin1Char(')');
            switch (def.kind) {
            case ControlKind::Label:
            case ControlKind::CommandButton:
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                // Read by its caption, unless the program named it otherwise.
                if (ControlWidget(control)->accessibleName().isEmpty()) {
                    QVERIFY2(announced == QString::fromStdString(control.Caption()),
                             qPrintable(where));
                } else {
                    QVERIFY2(!announced.isEmpty(), qPrintable(where));
                }
                break;
            default:
                QVERIFY2(!announced.isEmpty(), qPrintable(where));
                break;
            }
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    void textBoxesAreNamedByTheLabelBesideThem_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("name");
        const char* const colours[] = {"Yellow", "Orange", "Red", "Green", "Blue", "Purple"};
        for (int i = 1; i <= 6; ++i) {
            const QString colour = QString::fromLatin1(colours[i - 1]);
            QTest::addRow("txtPerColor(%d)", i)
                << "Options"
                << "txtPerColor" << i << QStringLiteral("lblPer") + colour
                << QStringLiteral("% Of Board As ") + colour;
        }
        QTest::newRow("txtHeight") << "Options"
                                   << "txtHeight" << -1 << "lblHeight"
                                   << "Height";
        QTest::newRow("txtWidth") << "Options"
                                  << "txtWidth" << -1 << "lblWidth"
                                  << "Width";
        QTest::newRow("txtPerBlocks") << "CustomizeBoard"
                                      << "txtPerBlocks" << -1 << "lblPerBlocks"
                                      << "% Of Board As Blocks";
    }
    void textBoxesAreNamedByTheLabelBesideThem() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(int, index);
        QFETCH(QString, label);
        QFETCH(QString, name);
        Program program;
        Form& form = program.tk.Touch(window.toStdString());
        Control& text = form(box.toStdString(), index);
        QCOMPARE(AccessibleText(text), name);
        QAccessibleInterface* boxInterface = Accessible(ControlWidget(text));
        QCOMPARE(boxInterface->role(), QAccessible::EditableText);
        // The label is known as the box's label, not only by its words.
        const int labelIndex = box == QStringLiteral("txtPerColor") ? index : -1;
        QWidget* labelWidget = ControlWidget(form(label.toStdString(), labelIndex));
        const auto labels = boxInterface->relations(QAccessible::Label);
        QCOMPARE(labels.size(), qsizetype{1});
        QCOMPARE(labels.front().first->object(), labelWidget);
    }

    // The label a layout declares names its text box, wherever the two stand;
    // a text box that no label names is known by its control name.
    void theLabelDeclaredForATextBoxNamesIt() {
        ControlDef named = Placed(ControlKind::Label, "lblFar", "Far", QRect(240, 240, 600, 255));
        named.buddy = "txtNamed";
        Toolkit toolkit;
        toolkit.Define(Boxes(
            {named, Placed(ControlKind::Label, "lblNear", "Near", QRect(240, 1200, 1695, 255)),
             Placed(ControlKind::TextBox, "txtNamed", "", TextBoxPlace),
             Placed(ControlKind::TextBox, "txtAlone", "", TextBoxPlace.translated(0, 600))}));
        Form& boxes = toolkit.Touch("Boxes");
        QCOMPARE(AccessibleText(boxes("txtNamed")), QStringLiteral("Far"));
        QCOMPARE(AccessibleText(boxes("txtAlone")), QStringLiteral("txtAlone"));
    }

    void aTextBoxFollowsItsLabelsCaption() {
        Program program;
        Form& options = program.tk.Touch("Options");
        options("lblHeight").SetCaption("Rows");
        QCOMPARE(AccessibleText(options("txtHeight")), QStringLiteral("Rows"));
    }

    void aProgramsOwnNameOutranksTheLabel() {
        Program program;
        Form& options = program.tk.Touch("Options");
        options("txtWidth").SetAccessibleName("Board width in squares");
        QCOMPARE(AccessibleText(options("txtWidth")), QStringLiteral("Board width in squares"));
        QCOMPARE(AccessibleText(options("txtHeight")), QStringLiteral("Height"));
    }

    void picturesSayWhatTheyShow_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("name");
        QTest::newRow("product on its about window") << "AboutTessaline"
                                                     << "icnTessaline"
                                                     << "Tessaline picture";
        QTest::newRow("maker under it") << "AboutTessaline"
                                        << "icnVantiro"
                                        << "Vantiro Software picture";
        QTest::newRow("maker on its about window") << "AboutVantiro"
                                                   << "icnVantiro"
                                                   << "Vantiro Software picture";
    }
    void picturesSayWhatTheyShow() {
        QFETCH(QString, window);
        QFETCH(QString, picture);
        QFETCH(QString, name);
        Program program;
        Control& box = program.tk.Touch(window.toStdString())(picture.toStdString());
        QCOMPARE(AccessibleText(box), name);
        QCOMPARE(Accessible(ControlWidget(box))->role(), QAccessible::Graphic);
    }

    void pressingThePictureSwapsItAsAClickDoes() {
        Program program;
        Form& about = program.tk.Touch("AboutTessaline");
        about.Show();
        QAccessibleInterface* product = Accessible(ControlWidget(about("icnTessaline")));
        QAccessibleActionInterface* actions = product->actionInterface();
        QVERIFY(actions != nullptr);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(!about("icnTessaline").IsVisible());
        QVERIFY(about("icnVantiro").IsVisible());
        QVERIFY(product->state().invisible);
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::AccessibleControlsTests)
#include "accessible_controls_tests.moc"
