// Renders every window of the game to PNG, and the board and main window in
// the middle of a game, after a loss and after a win, so that anyone can look
// at them without a display:
//
//   QT_QPA_PLATFORM=offscreen build/tools/tessaline_screenshots [directory]
//
// The games are dealt from a fixed seed and played through the same handlers
// as the player's clicks, so the pictures are the same on every run.

#include "model/game.h"
#include "model/random.h"
#include "play/clicks.h"
#include "ui/app/app.h"
#include "ui/app/pictures_glue.h"
#include "ui/app/windows.h"
#include "ui/layouts/layouts.h"
#include "ui/toolkit/toolkit.h"
#include "ui/toolkit/toolkit_qt.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using namespace tessaline;
using namespace tessaline::ui;

class Shooter {
  public:
    explicit Shooter(QString directory) : directory_(std::move(directory)) {}

    bool Save(Form& form, const QString& name) {
        QCoreApplication::processEvents();
        return SaveImage(Grab(form), name);
    }
    bool SaveImage(const QImage& image, const QString& name) {
        const QString path = QDir(directory_).filePath(name + QStringLiteral(".png"));
        if (image.isNull() || !image.save(path)) {
            std::fprintf(stderr, "tessaline_screenshots: could not write %s\n", qPrintable(path));
            failed_ = true;
            return false;
        }
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    bool Failed() const { return failed_; }

  private:
    QString directory_;
    bool failed_ = false;
};

// A left or right click on a square as the board's handlers receive it.
void ClickSquare(App& app, int column, int row, Int16 button) {
    const auto index = static_cast<Int16>(Square(column, row));
    Square_MouseDown(app.game, app.frontend, index, button, 0, 120, 120);
    Square_MouseUp(app.game, app.frontend, index, button, 0, 120, 120);
}

// The player picks a colour with its Guess button.
void Guess(App& app, Int16 code) {
    app.tk.Touch("Color")("rbtGuess", code).SetValue(1);
}

// The first hidden square in play of colour `code` whose hidden neighbours all
// share it, so that one guess opens a region; any square of the colour if none.
bool FindOpening(const Game& game, Int16 code, int& column, int& row) {
    bool found = false;
    for (int c = 0; c < game.BoardWidth; ++c) {
        for (int r = 0; r < game.BoardHeight; ++r) {
            if (game.At(c, r).Colour != code || game.At(c, r).State == StateVisible) {
                continue;
            }
            bool opens = true;
            for (int dc = -1; dc <= 1; ++dc) {
                for (int dr = -1; dr <= 1; ++dr) {
                    const int nc = c + dc;
                    const int nr = r + dr;
                    if (nc >= 0 && nr >= 0 && nc < game.BoardWidth && nr < game.BoardHeight &&
                        game.At(nc, nr).Colour != code) {
                        opens = false;
                    }
                }
            }
            if (!found || opens) {
                column = c;
                row = r;
                found = true;
            }
            if (opens) {
                return true;
            }
        }
    }
    return found;
}

// Chooses an item of the main window's menus, as the player does.
void ChooseMenuItem(Form& main_window, const QString& item) {
    if (QWidget* window = WindowWidget(main_window)) {
        if (auto* action = window->findChild<QAction*>(item)) {
            action->trigger();
        }
    }
}

// The picture of a game in progress that the README and the metainfo show:
// the main window with the clock below it, the board on their right.
QImage GamePicture(Form& main_window, Form& clock, Form& board) {
    constexpr int kMargin = 12;
    const QImage left_top = Grab(main_window);
    const QImage left_bottom = Grab(clock);
    const QImage right = Grab(board);
    const int left_width = std::max(left_top.width(), left_bottom.width());
    const QSize size(
        kMargin * 3 + left_width + right.width(),
        kMargin * 2 + std::max(left_top.height() + kMargin + left_bottom.height(), right.height()));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(0x3C, 0x4C, 0x5C));
    QPainter painter(&picture);
    painter.drawImage(kMargin, kMargin, left_top);
    painter.drawImage(kMargin, kMargin * 2 + left_top.height(), left_bottom);
    painter.drawImage(kMargin * 2 + left_width, kMargin, right);
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QString directory =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(directory)) {
        std::fprintf(stderr, "tessaline_screenshots: cannot make %s\n", qPrintable(directory));
        return 1;
    }
    Shooter shooter(directory);

    {
        // Every window as it first appears, the board as the player first sees it.
        SeededRandom random(7);
        Toolkit toolkit;
        InstallPictures(toolkit);
        App app(toolkit, random);
        app.Start();
        for (const FormDef* layout : AllLayouts()) {
            Form& form = toolkit.Touch(layout->name);
            if (layout->name == "Board") {
                DrawBoard(app); // as Redraw > Board shows it before any game
            }
            if (layout->name == "Options") {
                // Through its menu item, which fills the boxes with the settings in force.
                ChooseMenuItem(toolkit.Touch("Color"), QStringLiteral("O_Options"));
            } else {
                form.Show();
            }
            shooter.Save(form, QString::fromUtf8(layout->name.data(),
                                                 static_cast<int>(layout->name.size())));
        }
    }

    SeededRandom random(2024);
    Toolkit toolkit;
    InstallPictures(toolkit);
    App app(toolkit, random);
    app.Start();
    Form& color = toolkit.Touch("Color");
    Form& board = toolkit.Touch("Board");

    // A game in progress: Yellow and Red scanned, a region opened, two marks.
    color.Show();
    color("cbxScan", CodeYellow).SetValue(1);
    color("cbxScan", CodeRed).SetValue(1);
    int column = 0;
    int row = 0;
    // As the New Game command: through the main window's menu handler.
    auto newGame = [&] { ChooseMenuItem(color, QStringLiteral("G_NewGame")); };
    newGame();
    Guess(app, CodeYellow);
    if (FindOpening(app.game, CodeYellow, column, row)) {
        ClickSquare(app, column, row, ButtonLeft);
    }
    Guess(app, CodeRed);
    if (FindOpening(app.game, CodeRed, column, row)) {
        ClickSquare(app, column, row, ButtonRight);
    }
    Guess(app, CodeBlue);
    if (FindOpening(app.game, CodeBlue, column, row)) {
        ClickSquare(app, column, row, ButtonRight);
    }
    app.game.Seconds = 42;
    ShowSeconds(app);
    shooter.Save(board, QStringLiteral("game-in-progress-board"));
    shooter.Save(color, QStringLiteral("game-in-progress-main"));
    shooter.Save(toolkit.Touch("Time"), QStringLiteral("game-in-progress-time"));
    shooter.SaveImage(GamePicture(color, toolkit.Touch("Time"), board), QStringLiteral("game"));

    // A loss: a Red square guessed Yellow.
    Guess(app, CodeYellow);
    if (FindOpening(app.game, CodeRed, column, row)) {
        ClickSquare(app, column, row, ButtonLeft);
    }
    shooter.Save(board, QStringLiteral("game-lost-board"));

    // A win: every square guessed right, in order.
    newGame();
    for (int c = 0; c < app.game.BoardWidth; ++c) {
        for (int r = 0; r < app.game.BoardHeight; ++r) {
            const Cell cell = app.game.At(c, r);
            if (cell.State != StateVisible && cell.Colour != CodeBlock) {
                Guess(app, cell.Colour);
                ClickSquare(app, c, r, ButtonLeft);
            }
        }
    }
    shooter.Save(board, QStringLiteral("game-won-board"));
    shooter.Save(color, QStringLiteral("game-won-main"));
    shooter.Save(toolkit.Touch("PlayerWin"), QStringLiteral("game-won-PlayerWin"));
    return shooter.Failed() ? 1 : 0;
}
