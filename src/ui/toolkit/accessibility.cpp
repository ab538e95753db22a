#include "ui/toolkit/board_widget.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QPointer>
#include <QRegularExpression>
#include <QWindow>

#include <utility>

namespace tessaline::ui::detail {

namespace {

// A picture box: a graphic named by what it shows, which a press clicks.
class PictureInterface final : public QAccessibleWidget {
  public:
    explicit PictureInterface(PictureWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        return static_cast<const PictureWidget*>(widget())->Description();
    }

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) {
            emit static_cast<PictureWidget*>(widget())->clicked();
        }
    }
};

// Check boxes and radio buttons are where they take a click, their whole
// rectangle (see WholeBox); the stock interface gives only the tick box or dot
// and the caption. A press clicks at once, as the player's click does, where
// the stock one animates.
class BoxInterface final : public QAccessibleWidget {
  public:
    BoxInterface(QAbstractButton* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        // "&Yellow" is read "Yellow"; "&&" stands for one "&".
        static const QRegularExpression mnemonic(QStringLiteral("&(.)"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        return Button()->text().replace(mnemonic, QStringLiteral("\\1"));
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    // A radio button is pressed to select it, a check box toggled.
    QStringList actionNames() const override {
        return QStringList{Action()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != Action()) {
            QAccessibleWidget::doAction(action);
        } else if (Button()->isEnabled()) {
            Button()->click(); // raises the click the player's would
        }
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    QString Action() const {
        return role() == QAccessible::RadioButton ? QAccessibleActionInterface::pressAction()
                                                  : QAccessibleActionInterface::toggleAction();
    }
};

// One square of a board. It lives as long as the board's own interface, which
// registers it with Qt on first use and removes it with itself.
class CellInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CellInterface(BoardWidget* board, int cell) : board_(board), cell_(cell) {}

    bool isValid() const override { return !board_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override {
        return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        return board_ && kind == QAccessible::Name ? board_->AnnouncedText(cell_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!board_) {
            return {};
        }
        const QRect local = board_->CellRect(cell_);
        return {board_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!board_) {
            state.invalid = true;
            return state;
        }
        state.invisible = !board_->IsVisible(cell_) || !board_->isVisible();
        // Squares beyond the window's edges (it shows only the squares in
        // play) are there but cannot be seen; a border line showing at the
        // edge does not make a square seen.
        state.offscreen =
            state.invisible || !board_->visibleRegion().contains(board_->CellRect(cell_).center());
        state.disabled = !board_->IsEnabled(cell_) || !board_->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    // A press is the player's left click; the menu action his right click.
    QStringList actionNames() const override {
        return {QAccessibleActionInterface::pressAction(),
                QAccessibleActionInterface::showMenuAction()};
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& action) override {
        if (board_ && action == QAccessibleActionInterface::pressAction()) {
            board_->ClickCell(cell_, Qt::LeftButton);
        } else if (board_ && action == QAccessibleActionInterface::showMenuAction()) {
            board_->ClickCell(cell_, Qt::RightButton);
        }
    }

    int Cell() const { return cell_; }
    const BoardWidget* Board() const { return board_.data(); }

  private:
    QPointer<BoardWidget> board_;
    int cell_;
};

// The board: one child per square, in index order, whether shown or not, so
// that a square's place among its siblings never changes.
class BoardInterface final : public QAccessibleWidget {
  public:
    explicit BoardInterface(BoardWidget* board)
        : QAccessibleWidget(board, QAccessible::Grouping),
          ids_(static_cast<std::size_t>(board->CellCount()), 0) {}

    ~BoardInterface() override {
        for (const QAccessible::Id id : ids_) {
            if (id != 0) {
                QAccessible::deleteAccessibleInterface(id);
            }
        }
    }

    int childCount() const override { return static_cast<int>(ids_.size()); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(new CellInterface(Board(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellInterface*>(child);
        return cell != nullptr && cell->Board() == Board() ? cell->Cell() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        BoardWidget* board = Board();
        const QPoint local = board->mapFromGlobal(QPoint(x, y));
        if (!board->isVisible() || !board->visibleRegion().contains(local)) {
            return nullptr;
        }
        const int cell = board->CellAt(local, false);
        return cell < 0 ? nullptr : child(cell);
    }

  private:
    BoardWidget* Board() const { return static_cast<BoardWidget*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_; // 0 until a square is first asked for
};

AccessibilityListener listener = nullptr;

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<PictureWidget*>(object)) {
        return new PictureInterface(picture);
    }
    if (auto* board = qobject_cast<BoardWidget*>(object)) {
        return new BoardInterface(board);
    }
    // Every box and radio button of the windows is a WholeBox.
    if (auto* radio = qobject_cast<QRadioButton*>(object)) {
        return new BoxInterface(radio, QAccessible::RadioButton);
    }
    if (auto* box = qobject_cast<QCheckBox*>(object)) {
        return new BoxInterface(box, QAccessible::CheckBox);
    }
    // The windows are dialogs to Qt only for Enter and Escape; to assistive
    // technology they stay plain windows, whatever their kind.
    if (auto* window = qobject_cast<QDialog*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Client);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    QAccessible::installFactory(Factory); // Qt keeps one of each factory
}

bool Listening() {
    return listener != nullptr || QAccessible::isActive();
}

void AnnounceCell(QWidget& board, int cell, bool renamed) {
    if (!Listening()) {
        return;
    }
    QAccessibleEvent renaming(&board, QAccessible::NameChanged);
    QAccessible::State changed;
    changed.invisible = true;
    changed.disabled = true;
    QAccessibleStateChangeEvent showing(&board, changed);
    QAccessibleEvent& event = renamed ? renaming : showing;
    event.setChild(cell);
    if (listener != nullptr) {
        listener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace tessaline::ui::detail

namespace tessaline::ui {

AccessibilityListener SetAccessibilityListener(AccessibilityListener listener) {
    return std::exchange(detail::listener, listener);
}

} // namespace tessaline::ui
