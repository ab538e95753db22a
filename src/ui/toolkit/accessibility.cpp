#include "ui/toolkit/accessibility.h"

#include "ui/toolkit/label_grid.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit_qt.h"
#include "ui/toolkit/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QPointer>
#include <QRegion>
#include <QWindow>

#include <utility>

namespace tessaline::ui::detail {

namespace {

// One cell of a painted label array. It lives as long as the grid's own
// interface, which registers it with Qt on first use and removes it with itself.
class CellInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CellInterface(LabelGrid* grid, int cell) : grid_(grid), cell_(cell) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!grid_ || kind != QAccessible::Name) {
            return {};
        }
        return grid_->AnnouncedText(cell_);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!grid_) {
            return {};
        }
        const QRect local = grid_->CellRect(cell_);
        return {grid_->mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::Role role() const override { return QAccessible::Cell; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!grid_) {
            state.invalid = true;
            return state;
        }
        state.invisible = !grid_->IsVisible(cell_) || !grid_->isVisible();
        // Cells beyond the window's edges (the board shows only the squares in
        // play) are there but cannot be seen; a border line showing at the
        // edge does not make a cell seen.
        state.offscreen =
            state.invisible || !grid_->visibleRegion().contains(grid_->CellRect(cell_).center());
        state.disabled = !grid_->IsEnabled(cell_) || !grid_->isEnabled();
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
        if (!grid_) {
            return;
        }
        if (action == QAccessibleActionInterface::pressAction()) {
            grid_->ClickCell(cell_, Qt::LeftButton);
        } else if (action == QAccessibleActionInterface::showMenuAction()) {
            grid_->ClickCell(cell_, Qt::RightButton);
        }
    }

    int Cell() const { return cell_; }
    const LabelGrid* Grid() const { return grid_.data(); }

  private:
    QPointer<LabelGrid> grid_;
    int cell_;
};

// A painted label array: one child per cell, in index order, whether shown
// or not, so that a cell's place among its siblings never changes.
class GridInterface final : public QAccessibleWidget {
  public:
    explicit GridInterface(LabelGrid* grid)
        : QAccessibleWidget(grid, QAccessible::Grouping),
          ids_(static_cast<std::size_t>(grid->CellCount()), 0) {}

    ~GridInterface() override {
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
            id = QAccessible::registerAccessibleInterface(new CellInterface(Grid(), index));
        }
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = dynamic_cast<const CellInterface*>(child);
        return cell != nullptr && cell->Grid() == Grid() ? cell->Cell() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        LabelGrid* grid = Grid();
        const QPoint local = grid->mapFromGlobal(QPoint(x, y));
        if (!grid->isVisible() || !grid->visibleRegion().contains(local)) {
            return nullptr;
        }
        const int cell = grid->ShownCellAt(local);
        return cell < 0 ? nullptr : child(cell);
    }

  private:
    LabelGrid* Grid() const { return static_cast<LabelGrid*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_; // 0 until a cell is first asked for
};

// A picture box: a graphic named by what it shows, which a press clicks.
class PictureInterface final : public QAccessibleWidget {
  public:
    explicit PictureInterface(PictureWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) {
            return QAccessibleWidget::text(kind);
        }
        const auto* picture = static_cast<const PictureWidget*>(widget());
        if (!picture->accessibleName().isEmpty()) {
            return picture->accessibleName();
        }
        return picture->Description();
    }

    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& action) override {
        if (action == QAccessibleActionInterface::pressAction()) {
            emit static_cast<PictureWidget*>(widget())->clicked();
        }
    }
};

// Check boxes and radio buttons take a click anywhere in their rectangle (see
// CheckWidget), which is where assistive technology is told they are; the
// stock interface gives only the tick box or dot and the caption. A press
// clicks at once, as the player's click does, where the stock one animates.
class BoxInterface final : public QAccessibleWidget {
  public:
    BoxInterface(QAbstractButton* box, QAccessible::Role role) : QAccessibleWidget(box, role) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name || !widget()->accessibleName().isEmpty()) {
            return QAccessibleWidget::text(kind);
        }
        return WithoutMnemonic(Button()->text());
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
        if (action == Action()) {
            if (Button()->isEnabled()) {
                Button()->click(); // raises the click the player's would
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    QString Action() const {
        return role() == QAccessible::RadioButton ? QAccessibleActionInterface::pressAction()
                                                  : QAccessibleActionInterface::toggleAction();
    }

    // "&Yellow" is read "Yellow"; "&&" stands for one "&".
    static QString WithoutMnemonic(const QString& text) {
        QString plain;
        plain.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
            }
            plain += text[i];
        }
        return plain;
    }
};

AccessibilityListener listener = nullptr;

void Announce(QAccessibleEvent& event) {
    if (listener != nullptr) {
        listener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* grid = qobject_cast<LabelGrid*>(object)) {
        return new GridInterface(grid);
    }
    if (auto* picture = qobject_cast<PictureWidget*>(object)) {
        return new PictureInterface(picture);
    }
    if (auto* radio = qobject_cast<RadioWidget*>(object)) {
        return new BoxInterface(radio, QAccessible::RadioButton);
    }
    if (auto* box = qobject_cast<CheckWidget*>(object)) {
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
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

bool Listening() {
    return listener != nullptr || QAccessible::isActive();
}

void AnnounceNameChange(LabelGrid& grid, int cell) {
    QAccessibleEvent event(&grid, QAccessible::NameChanged);
    event.setChild(cell);
    Announce(event);
}

void AnnounceStateChange(LabelGrid& grid, int cell) {
    QAccessible::State changed;
    changed.invisible = true;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(&grid, changed);
    event.setChild(cell);
    Announce(event);
}

} // namespace tessaline::ui::detail

namespace tessaline::ui {

AccessibilityListener SetAccessibilityListener(AccessibilityListener listener) {
    return std::exchange(detail::listener, listener);
}

} // namespace tessaline::ui
