// Hostile texts entered into every text box of the settings dialogs, the
// Options dialog's eight and the Customize Board dialog's one. Each text is
// either refused (one beep, the error window, nothing changed anywhere) or
// applied by the usual rules; never a crash, never only some of the values.

#include "settings_fixture.h"

#include <QTest>

#include <optional>
#include <vector>

namespace tessaline::ui::test {

namespace {

struct Hostile {
    const char* name;
    QString text;
    Entry how;
    // What each kind of box makes of the text; nothing where it is refused.
    std::optional<Int16> height;
    std::optional<Int16> width;
    // A colour's share while the other five are 0.
    std::optional<double> share;
    std::optional<int> block;
};

constexpr std::nullopt_t Refused = std::nullopt;

Hostile Bad(const char* name, const QString& text, Entry how = Entry::Keys) {
    return {name, text, how, Refused, Refused, Refused, Refused};
}

const std::vector<Hostile>& Texts() {
    static const std::vector<Hostile> texts = {
        Bad("empty", ""),
        Bad("blanks only", "   "),
        Bad("plus alone", "+"),
        Bad("minus alone", "-"),
        Bad("point alone", "."),
        Bad("exponent alone", "e5"),
        Bad("exponent without digits", "1e"),
        Bad("exponent sign without digits", "1e+"),
        Bad("too large for a double", "1e400"),
        Bad("too large below", "-1e400"),
        Bad("inf", "inf"),
        Bad("Infinity", "-Infinity"),
        Bad("nan", "nan"),
        Bad("hexadecimal", "0x1A"),
        Bad("binary", "0b101"),
        Bad("decimal comma", "1,5"),
        Bad("thousands separator", "1,000"),
        Bad("blank inside", "1 000"),
        Bad("two points", "1.2.3"),
        Bad("two signs", "+-1"),
        Bad("fractional exponent", "1e5.5"),
        Bad("digits then letters", "12abc"),
        Bad("percent sign", "5%"),
        Bad("in brackets", "(5)"),
        Bad("full-width digits", QString::fromUtf8("\uFF11\uFF15")),
        Bad("Arabic-Indic digits", QString::fromUtf8("\u0661\u0665")),
        Bad("superscript two", QString::fromUtf8("\u00B2")),
        Bad("vulgar half", QString::fromUtf8("\u00BD")),
        Bad("minus sign", QString::fromUtf8("\u22125")),
        Bad("no-break space before", QString::fromUtf8("\u00A05")),
        Bad("zero-width space after", QString::fromUtf8("5\u200B")),
        Bad("combining accent", QString::fromUtf8("5\u0301")),
        Bad("emoji", QString::fromUtf8("\U0001F600")),
        Bad("tab before", "\t5", Entry::Paste),
        Bad("newline after", "5\n", Entry::Paste),
        Bad("newline between", "1\n2", Entry::Paste),
        Bad("10,000 nines, beyond a double", QString(10'000, '9'), Entry::Paste),
        {"blanks around", " 7 ", Entry::Keys, 7, 7, 100, 7},
        {"plus sign", "+3", Entry::Keys, 3, 3, 100, 3},
        {"point first with an exponent", ".5e1", Entry::Keys, 5, 5, 100, 5},
        {"upper-case exponent", "2.5E+1", Entry::Keys, 25, 25, 100, 25},
        // The total rounds to 12, so the share alone is 12.5 of 12.
        {"a half to even", "12.5", Entry::Keys, 12, 12, 1250.0 / 12, 12},
        {"29.5 to even 30", "29.5", Entry::Keys, 30, 30, 2950.0 / 30, 30},
        // Nothing to scale by for the shares.
        {"negative zero", "-0", Entry::Keys, 1, 3, Refused, 0},
        {"a half, to even 0", "0.5", Entry::Keys, 1, 3, Refused, 0},
        {"too small to tell from 0", "1e-400", Entry::Keys, 1, 3, Refused, 0},
        {"beyond 16 bits", "1e10", Entry::Keys, 30, 30, 100, 100},
        {"beyond 16 bits below", "-1e10", Entry::Keys, 1, 3, Refused, 0},
        {"just beyond 16 bits", "32767.5", Entry::Keys, 30, 30, 100, 100},
        {"the largest double", "1.7976931348623157e308", Entry::Keys, 30, 30, 100, 100},
        {"10,000 zeros then 5", QString(10'000, '0') + "5", Entry::Paste, 5, 5, 100, 5},
    };
    return texts;
}

} // namespace

class HostileInputTests : public QObject {
    Q_OBJECT

  private slots:
    void init() { FailOnUnexpectedWarnings(); }

    void everyBoxRefusesOrAppliesWhole_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < static_cast<int>(Texts().size()); ++row) {
            QTest::newRow(Texts()[row].name) << row;
        }
    }
    void everyBoxRefusesOrAppliesWhole() {
        QFETCH(int, row);
        const Hostile& hostile = Texts()[row];
        Program program(EvenDraws());
        StartGame(program);
        program.game().Percent[0] = 40;

        for (std::size_t box = 0; box < OptionsBoxes.size(); ++box) {
            const OptionsBox& target = OptionsBoxes[box];
            const QByteArray where =
                QByteArray("Options ") + target.name + " " + QByteArray::number(target.index);
            // Each box starts from the defaults, whatever the box before applied.
            SetOptionDefaults(program.game());
            HideError(program.app);
            OpenOptions(program.app);
            const bool isShare = target.index > 0;
            if (isShare) {
                for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
                    if (code != target.index) {
                        Enter(program, "Options", "txtPerColor", code, "0");
                    }
                }
            }
            Enter(program, "Options", target.name, target.index, hostile.text, hostile.how);
            if (QTest::currentTestFailed()) {
                return;
            }
            const Snapshot before = Take(program.game());
            const int beeps = program.tk.BeepCount();
            program.ClickControl("Options", "btnOK");

            const std::optional<double> expected = box == 0 ? std::optional<double>(hostile.height)
                                                   : box == 1 ? std::optional<double>(hostile.width)
                                                              : hostile.share;
            if (!expected) {
                QVERIFY2(Take(program.game()) == before, where);
                QVERIFY2(program.tk.BeepCount() == beeps + 1, where);
                QVERIFY2(program["ErrorAZ"].IsShown(), where);
                QVERIFY2(program["Options"].IsShown(), where);
                QVERIFY2(BoxText(program, "Options", target.name, target.index) == hostile.text,
                         where);
                continue;
            }
            QVERIFY2(program.tk.BeepCount() == beeps, where);
            QVERIFY2(!program["ErrorAZ"].IsShown(), where);
            QVERIFY2(!program["Options"].IsShown(), where);
            Snapshot applied = before;
            applied.GameOver = true;
            if (box == 0) {
                applied.BoardHeight = static_cast<Int16>(*expected);
            } else if (box == 1) {
                applied.BoardWidth = static_cast<Int16>(*expected);
            } else {
                for (Int16 code = CodeYellow; code <= CodePurple; ++code) {
                    applied.Percent[code] = code == target.index ? *expected : 0.0;
                }
            }
            QVERIFY2(Take(program.game()) == applied, where);
        }

        HideError(program.app);
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", hostile.text, hostile.how);
        if (QTest::currentTestFailed()) {
            return;
        }
        const Snapshot before = Take(program.game());
        const int beeps = program.tk.BeepCount();
        const int reseeds = Scripted(program).Reseeds();
        program.ClickControl("CustomizeBoard", "btnSetBlocks");
        if (!hostile.block) {
            QVERIFY(Take(program.game()) == before);
            QCOMPARE(program.tk.BeepCount(), beeps + 1);
            QCOMPARE(Scripted(program).Reseeds(), reseeds);
            QVERIFY(program["ErrorAZ"].IsShown());
            QCOMPARE(BoxText(program, "CustomizeBoard", "txtPerBlocks"), hostile.text);
            return;
        }
        QCOMPARE(program.tk.BeepCount(), beeps);
        QVERIFY(!program["ErrorAZ"].IsShown());
        QCOMPARE(program.game().Percent[0], static_cast<double>(*hostile.block));
        QVERIFY(OnlyBlocksAndPlainSquares(program.game()));
        QCOMPARE(CountBlocks(program.game()), 9 * *hostile.block);
        QCOMPARE(program.game().BoardHeight, before.BoardHeight);
        QCOMPARE(program.game().BoardWidth, before.BoardWidth);
    }

    // Ten thousand real key presses once, to show that a text this long
    // typed key by key fares as the pasted one does.
    void tenThousandDigitsTypedKeyByKey() {
        Program program(EvenDraws());
        OpenCustomizeBoard(program.app);
        Enter(program, "CustomizeBoard", "txtPerBlocks", QString(10'000, '9'));
        program.ClickControl("CustomizeBoard", "btnSetBlocks");
        QCOMPARE(program.tk.BeepCount(), 1);
        QVERIFY(program["ErrorAZ"].IsShown());
        QCOMPARE(program.game().Percent[0], 0.0);
    }
};

} // namespace tessaline::ui::test

QTEST_MAIN(tessaline::ui::test::HostileInputTests)
#include "hostile_input_tests.moc"
