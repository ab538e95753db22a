#pragma once
// The windows as the program's behaviour sees them. Nothing here names a Qt
// type: behaviour code includes this header and never a widget.
//
// Every window is defined once, as data, together with its event handlers.
// A window exists at most once. It is created hidden the first time any
// operation touches it, and its load handler runs then. Hiding keeps its
// controls' state. The player closing it through its title bar destroys it
// without running any handler; the next operation that touches it creates it
// again, load handler included. Closing the main window ends the program.
//
// Sizes and positions are in twips, colours 0x00BBGGRR or a system colour.

#include "ui/toolkit/definition.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline::ui {

// Button codes that mouse handlers receive; other buttons arrive with codes of
// their own, which the game ignores.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

// Bits of the shift state that mouse handlers receive.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// Handlers bound by name to the controls or menu items of one window. A
// control array has one handler for all its items, which receives the item's
// index; a plain control's handler receives -1.
template <class Handler>
using Bindings = std::map<std::string, std::function<Handler>, std::less<>>;

// The events of one window, bound where the window is defined. Toolkit::Define
// checks every bound name against the window's definition, so that a misspelt
// name is an error at once rather than a command that does nothing.
struct FormHandlers {
    // The window created, hidden.
    std::function<void()> load;
    // Command buttons, check boxes, radio buttons and picture boxes.
    Bindings<void(int index)> click;
    // Command items of the menu bar.
    Bindings<void()> menu;
    // Press and release of a mouse button on a label. X and Y are in twips from
    // the label's top-left corner. A release goes to the label that took the
    // press, wherever the pointer is by then.
    Bindings<void(int index, int button, int shift, float x, float y)> mouseDown;
    Bindings<void(int index, int button, int shift, float x, float y)> mouseUp;
    // Ticks of a timer.
    Bindings<void()> timer;
};

class Form;

namespace detail {
struct ToolkitState;
struct FormState;
struct ControlSlot;
} // namespace detail

// One control, or one item of a control array, of a window. The handle stays
// valid as long as the toolkit; every operation first makes sure its window
// exists (creating it from its definition if needed). Operations that do not
// fit the kind of control throw std::logic_error: that is a fault of the
// calling code, not of the player.
class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control();

    std::string_view Name() const { return name_; }
    int Index() const { return index_; }
    ControlKind Kind() const { return kind_; }

    // Labels, command buttons, check boxes and radio buttons.
    void SetCaption(std::string_view caption);
    std::string Caption();

    void SetBackColour(Colour colour);
    Colour BackColour();

    // Hidden controls neither show nor take clicks.
    void SetVisible(bool visible);
    bool IsVisible();

    // Controls: a disabled control ignores the user. Timers: ticks only while enabled.
    void SetEnabled(bool enabled);
    bool IsEnabled();

    // Check boxes: 0 unticked, 1 ticked. Radio buttons: 1 selected, 0 not.
    // Ticking or unticking a check box raises its click when the tick changes,
    // as the player's click does; selecting a radio button clears the other
    // radio buttons of its array and always raises its click, as the player's
    // click does even on the selected one. Unselecting raises nothing.
    int Value();
    void SetValue(int value);

    // Text boxes.
    void SetText(std::string_view text);
    std::string Text();

    // Timers: milliseconds between ticks; 0 stops the ticks.
    void SetInterval(int milliseconds);
    int Interval();

    // What assistive technology announces for the control.
    void SetAccessibleName(std::string_view name);

    // For the toolkit's Qt side: the live control, its window created if
    // needed; nullptr once the program has ended.
    detail::ControlSlot* Slot();

  private:
    friend struct detail::FormState;
    Control(detail::FormState& form, std::string name, int index, ControlKind kind);

    detail::FormState& form_;
    std::string name_;
    int index_;
    ControlKind kind_;
    detail::ControlSlot* slot_ = nullptr; // valid while generation_ matches the window's
    unsigned generation_ = 0;
};

// The items of a control array, bound once by the array's name; each item is
// the handle of its control.
class ControlArray {
  public:
    // Throws std::invalid_argument if the window's definition has no such array.
    ControlArray(Form& form, std::string_view name);
    // Throws std::out_of_range for an index the array does not have.
    Control& operator[](int index) const;

  private:
    std::vector<Control*> items_; // by index; nullptr where the array has a gap
};

// One window. The handle stays valid as long as the toolkit, whether or not the
// window exists at a given moment.
class Form {
  public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    std::string_view Name() const;
    // Whether the window exists now; asking creates nothing.
    bool Exists() const;
    // Create the window now, hidden, if it does not exist.
    void Load();

    // Modeless; brings the window to the front. A shown window stays shown.
    void Show();
    // Keeps the controls' state; runs no handler.
    void Hide();
    bool IsShown();

    // The inside of the window, below the title and menu bar.
    void SetClientSize(int width, int height);
    int ClientWidth();
    int ClientHeight();

    // A control by name, and by index for an item of a control array. Throws
    // std::invalid_argument if the window's definition has no such control.
    Control& operator()(std::string_view name, int index = -1);

    detail::FormState& State() { return state_; } // for the toolkit's Qt side

  private:
    friend struct detail::FormState;
    explicit Form(detail::FormState& state) : state_(state) {}
    detail::FormState& state_;
};

// All windows of the program. Needs a running QApplication.
class Toolkit {
  public:
    Toolkit();
    ~Toolkit();
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // Register a window. The first window defined is the main window unless
    // SetMainForm names another. Throws std::invalid_argument, naming the
    // window and the name at fault, for a window defined twice and for a
    // handler bound to a name the definition does not have for that event: a
    // click bound to anything but a command button, check box, radio button
    // or picture box, a mouse handler to anything but a label, a tick to
    // anything but a timer, a menu handler to anything but a command item.
    void Define(const FormDef& def, FormHandlers handlers = {});
    void SetMainForm(std::string_view name);

    // The handle of a defined window; creates nothing. Throws
    // std::invalid_argument for a name never defined.
    Form& operator[](std::string_view name);
    // The window, created hidden (load handler included) if it does not exist.
    Form& Touch(std::string_view name);
    bool Exists(std::string_view name) const;

    // The system's alert sound; counted, so that tests can see it.
    void Beep();
    int BeepCount() const;

    // All windows close at once and no further handler runs; the event loop
    // is told to end. Operations on windows do nothing afterwards.
    void EndProgram();
    bool Ended() const;

    detail::ToolkitState& State() { return *state_; }

  private:
    std::unique_ptr<detail::ToolkitState> state_;
};

} // namespace tessaline::ui
