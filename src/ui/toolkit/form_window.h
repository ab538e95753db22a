#pragma once
// One live window built from its definition: an optional menu bar over the
// client area, every control placed where the definition puts it. A QDialog,
// whatever its kind, for Qt's Enter (the focused or else the default button)
// and Escape (the cancel button).

#include "ui/toolkit/state.h"

#include <QDialog>

#include <string_view>
#include <type_traits>
#include <vector>

class QPushButton;

namespace tessaline::ui::detail {

class BoardWidget;

class FormWindow final : public QDialog {
  public:
    explicit FormWindow(FormState& form);

    QWidget* Client() const { return client_; }
    // The live control of the handle at `position` in its form's controls.
    ControlSlot& Slot(std::size_t position) { return slots_[position]; }

    // Client size in logical pixels; the menu bar comes on top of it.
    void SetClientSize(QSize size);

    // The window stops belonging to its form: no more events reach handlers.
    void Detach();

    // Enables or disables a control's widget. One disabled while it has the
    // window's focus hands the focus on, as Qt does; enabled again before
    // anything else moved the focus, it takes it back. A handler that disables
    // controls while it works thus leaves the focus where the player put it.
    void EnableWidget(QWidget& widget, bool enabled);

    // Escape clicks the cancel button, if the window has one.
    void reject() override;
    // Shown and hidden as a plain window: the focus goes where the tab order
    // says, with no text selected, and no button is made the default.
    void setVisible(bool visible) override { QWidget::setVisible(visible); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Passes an event to its handler, if bound and the window is still its form's.
    template <class... Args>
    void Raise(const std::function<void(Args...)>& handler,
               std::type_identity_t<Args>... args) const;
    template <class Menu> void AddMenus(Menu* menu, const std::vector<MenuDef>& items);
    void BuildControls(const std::vector<ControlDef>& controls);
    void BuildBoard(const BoardDef& def);
    QWidget* BuildWidget(ControlSlot& slot, Control* handle);
    void SetTabOrder();
    void Place(const Placement& placement);
    int MenuHeight(int width) const;

    FormState* form_; // nullptr once detached
    ToolkitState& toolkit_;
    bool fixedSize_;
    QWidget* client_ = nullptr;
    std::vector<ControlSlot> slots_; // at their handles' places
    QPushButton* cancelButton_ = nullptr;
    QWidget* firstFocus_ = nullptr;
    bool framed_ = false;             // moved clear of the others once framed, on first show
    QPointer<QWidget> focusOwner_;    // disabled while it had the focus
    QPointer<QWidget> focusHandedTo_; // where that focus went
};

} // namespace tessaline::ui::detail
