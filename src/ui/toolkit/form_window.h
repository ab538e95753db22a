#pragma once
// One live window built from its definition: a top-level widget holding an
// optional menu bar and, below it, the client area with every control placed
// where the definition puts it.

#include "ui/toolkit/state.h"

#include <QWidget>

#include <string_view>
#include <vector>

class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace tessaline::ui::detail {

class BoardWidget;

class FormWindow final : public QWidget {
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
    void RaiseMenu(std::string_view item);
    void RaiseTimer(std::string_view timer);

    // Selecting one radio button clears the others of the window.
    void ClearOtherRadios(const QWidget* selected);

    ToolkitState& Toolkit() const { return toolkit_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    bool Attached() const;
    void BuildMenus(const std::vector<MenuDef>& menus);
    void AddMenuItems(QMenu* menu, const std::vector<MenuDef>& items);
    void BuildControls(const std::vector<ControlDef>& controls);
    void BuildBoard(const BoardDef& def);
    QWidget* BuildWidget(const ControlDef& def, ControlSlot& slot);
    void SetTabOrder(const std::vector<ControlDef>& controls);
    void Place(const Placement& placement);
    int MenuHeight(int width) const;
    void LayOut();
    // The frames of the program's other placed windows on show.
    std::vector<QRect> OtherPlacedFrames() const;

    FormState* form_; // nullptr once detached
    ToolkitState& toolkit_;
    bool fixedSize_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    std::vector<ControlSlot> slots_;
    ByNameIndex<std::size_t> slotIndex_;
    std::vector<QRadioButton*> radios_;
    BoardWidget* board_ = nullptr;
    std::vector<ControlSlot> squares_; // one per square of the board
    QPushButton* defaultButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QWidget* firstFocus_ = nullptr;
    bool framed_ = false; // moved clear of the others once framed, on first show
};

} // namespace tessaline::ui::detail
