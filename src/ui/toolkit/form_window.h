#pragma once
// One live window built from its definition: a top-level widget holding an
// optional menu bar and, below it, the client area with every control placed
// where the definition puts it. A dialog in Qt's sense, whatever its kind, so
// that Enter presses the focused or else the default button and Escape the
// cancel button, as Qt's dialogs do.

#include "ui/toolkit/state.h"

#include <QDialog>

#include <string_view>
#include <vector>

class QMenuBar;
class QPushButton;

namespace tessaline::ui::detail {

class BoardWidget;

class FormWindow final : public QDialog {
  public:
    explicit FormWindow(FormState& form);
    ~FormWindow() override;

    QWidget* Client() const { return client_; }
    ControlSlot* Find(std::string_view name, int index);

    // Client size in logical pixels; the menu bar comes on top of it.
    void SetClientSize(QSize size);
    QSize ClientSize() const;
    void ApplyProgramIcon(const QIcon& icon);

    // The window stops belonging to its form: no more events reach handlers.
    void Detach();

    // Events from the controls, passed on to the form's handlers.
    void RaiseClick(const ControlDef& def);
    void RaiseMouse(bool down, const ControlDef& def, int button, int shift, float x, float y);
    void RaiseMouse(bool down, std::string_view name, int index, int button, int shift, float x,
                    float y);

    // Escape: the cancel button, if the window has one, takes it as a click.
    void reject() override;
    // Shown and hidden as a plain window: the focus goes where the tab order
    // says, with no text selected, and no button is made the default.
    void setVisible(bool visible) override { QWidget::setVisible(visible); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool Attached() const;
    template <class Menu> void AddMenus(Menu* menu, const std::vector<MenuDef>& items);
    void RaiseMenu(std::string_view item);
    void BuildControls(const std::vector<ControlDef>& controls);
    void BuildBoard(const BoardDef& def);
    QWidget* BuildWidget(const ControlDef& def, ControlSlot& slot);
    void SetTabOrder(const std::vector<ControlDef>& controls);
    void Place(const Placement& placement);
    int MenuHeight(int width) const;
    // The frames of the program's other placed windows on show.
    std::vector<QRect> OtherPlacedFrames() const;

    FormState* form_; // nullptr once detached
    ToolkitState& toolkit_;
    bool fixedSize_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<ControlSlot> slots_;
    ByNameIndex<std::size_t> slotIndex_;
    BoardWidget* board_ = nullptr;
    std::vector<ControlSlot> squares_; // one per square of the board
    QPushButton* cancelButton_ = nullptr;
    QWidget* firstFocus_ = nullptr;
    bool framed_ = false; // moved clear of the others once framed, on first show
};

} // namespace tessaline::ui::detail
