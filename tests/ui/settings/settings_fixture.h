#pragma once
// What the settings tests share: typing as the player does, a snapshot of every
// value the dialogs may change, and a game in progress to interrupt.

#include "program.h"

#include "model/deal.h"
#include "ui/app/windows.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tessaline::ui::test {

inline QLineEdit* Box(Program& program, std::string_view window, std::string_view name,
                      int index = -1) {
    return qobject_cast<QLineEdit*>(ControlWidget(program.tk.Touch(window)(name, index)));
}

inline QString BoxText(Program& program, std::string_view window, std::string_view name,
                       int index = -1) {
    return QString::fromStdString(program.tk.Touch(window)(name, index).Text());
}

// How a text reaches a box. Keys: one key press per character, as typed; a
// character beyond plain ASCII comes as the key event a keyboard layout or an
// input method sends for it, carrying the character as its text. Paste: the
// clipboard and Ctrl+V, for what no key types (a tab moves the focus and Enter
// presses the default button) and for texts too long to type key by key in a
// test (10,000 key presses take seven seconds).
enum class Entry { Keys, Paste };

// Replaces the box's text as the player does: select all, erase, enter. Fails
// the test if the box does not then hold exactly the text.
inline void Enter(Program& program, std::string_view window, std::string_view name, int index,
                  const QString& text, Entry how = Entry::Keys) {
    QLineEdit* box = Box(program, window, name, index);
    QVERIFY(box != nullptr);
    box->setFocus();
    QTest::keySequence(box, QKeySequence::SelectAll);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString());
    if (how == Entry::Paste) {
        QApplication::clipboard()->setText(text);
        QTest::keySequence(box, QKeySequence::Paste);
    } else {
        for (qsizetype at = 0; at < text.size();) {
            // A character outside the basic plane is two UTF-16 units, one key.
            const qsizetype units = text.at(at).isHighSurrogate() ? 2 : 1;
            const QChar first = text.at(at);
            if (units == 1 && first.unicode() >= 0x20 && first.unicode() < 0x7F) {
                QTest::keyClick(box, first.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(at, units),
                                    Qt::NoModifier);
            }
            at += units;
        }
    }
    QCOMPARE(box->text(), text);
}

inline void Enter(Program& program, std::string_view window, std::string_view name,
                  const QString& text, Entry how = Entry::Keys) {
    Enter(program, window, name, -1, text, how);
}

// The eight boxes of the Options dialog: height, width, then the six shares in colour order.
struct OptionsBox {
    const char* name;
    int index;
};
inline constexpr std::array<OptionsBox, 8> OptionsBoxes{{{"txtHeight", -1},
                                                         {"txtWidth", -1},
                                                         {"txtPerColor", 1},
                                                         {"txtPerColor", 2},
                                                         {"txtPerColor", 3},
                                                         {"txtPerColor", 4},
                                                         {"txtPerColor", 5},
                                                         {"txtPerColor", 6}}};

// Every value that a settings dialog may change.
struct Snapshot {
    Int16 BoardHeight;
    Int16 BoardWidth;
    std::array<double, ColourCount + 1> Percent;
    std::vector<std::pair<Int16, Int16>> Cells; // Colour and State, column by column
    bool GameOver;
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot Take(const Game& game) {
    Snapshot snapshot{game.BoardHeight, game.BoardWidth, game.Percent, {}, game.GameOver};
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            snapshot.Cells.emplace_back(cell.Colour, cell.State);
        }
    }
    return snapshot;
}

inline int CountBlocks(const Game& game) {
    int blocks = 0;
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            blocks += game.At(column, row).Colour == CodeBlock ? 1 : 0;
        }
    }
    return blocks;
}

// Whether every cell is either a visible block or a hidden square without
// colour, as Set Blocks leaves them.
inline bool OnlyBlocksAndPlainSquares(const Game& game) {
    for (int column = 0; column < GridSize; ++column) {
        for (int row = 0; row < GridSize; ++row) {
            const Cell& cell = game.At(column, row);
            const bool block = cell.Colour == CodeBlock && cell.State == StateVisible;
            const bool plain = cell.Colour == CodeNoColour && cell.State == StateHidden;
            if (!block && !plain) {
                return false;
            }
        }
    }
    return true;
}

// A game in progress, as New Game leaves it: dealt, drawn, the clock running.
inline void StartGame(Program& program) {
    App& app = program.app;
    DealBoard(app.game, app.random);
    DrawBoard(app);
    ShowRemaining(app);
    ResetSeconds(app);
    ShowClock(app);
    SetClockRunning(app, true);
    app.game.GameOver = false;
}

inline bool ClockRunning(Program& program) {
    return program["Time"]("tmrSecond").IsEnabled();
}

// Draws of (k + 0.5) / 100 for k = 0 to 99, over and over: with a whole share
// p, exactly p draws in every 100 make a block, so 9p of the 900 cells.
inline std::unique_ptr<RandomSource> EvenDraws() {
    std::vector<float> draws;
    for (int k = 0; k < 100; ++k) {
        draws.push_back((static_cast<float>(k) + 0.5f) / 100.0f);
    }
    return std::make_unique<ScriptedRandom>(std::move(draws));
}

inline ScriptedRandom& Scripted(Program& program) {
    return dynamic_cast<ScriptedRandom&>(*program.random);
}

} // namespace tessaline::ui::test
