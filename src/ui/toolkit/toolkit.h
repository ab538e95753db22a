#pragma once
// The windows as the program's behaviour sees them. Nothing here names a Qt
// type: behaviour code includes this header and never a widget.
//
// Every window is defined once, as data; its event handlers are bound to the
// handles of the window and its controls. A window exists at most once. It is
// created hidden the first time any operation touches it, and its load handler
// runs then. Hiding keeps its controls' state. The player closing it through
// its title bar destroys it without running any handler; the next operation
// that touches it creates it again, load handler included. Closing the main
// window ends the program.
//
// Sizes and positions are in twips, colours 0x00BBGGRR or a system colour.

#include "ui/toolkit/definition.h"

#include <functional>
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

class Form;

namespace detail {
class FormWindow;
struct ToolkitState;
struct FormState;
struct ControlSlot;
} // namespace detail

// One control, or one item of a control array. The handle lives as long as the
// toolkit; every operation first creates its window if needed. An operation
// that does not fit the kind of control throws std::logic_error (a fault of
// the calling code, not of the player).
class Control {
  public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string_view Name() const { return name_; }
    int Index() const { return index_; }

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

    // Check boxes: 1 ticked. Radio buttons: 1 selected. As the player's click
    // does, a changed tick raises the check box's click, and selecting a radio
    // button clears the rest of its array and always raises its click.
    // Unselecting raises nothing.
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

    // Event handlers, one of each; binding again replaces it. Binding an event
    // the control's kind never raises throws std::logic_error.
    // Buttons, boxes and pictures: a click.
    void OnClick(std::function<void()> handler);
    // Timers: a tick.
    void OnTick(std::function<void()> handler);
    // Labels: a mouse button pressed (down) or released, x and y in twips from
    // the label's corner. The release goes to the label that took the press,
    // wherever the pointer is by then.
    using MouseHandler = std::function<void(bool down, int button, int shift, float x, float y)>;
    void OnMouse(MouseHandler handler);

    // For the Qt side: the live control; nullptr once the program has ended.
    detail::ControlSlot* Slot();

  private:
    friend struct detail::FormState;
    friend class detail::FormWindow;
    Control(detail::FormState& form, std::size_t position, std::string_view name, int index,
            ControlKind kind);

    detail::FormState& form_;
    std::size_t position_;  // in the form's controls and in its live window's slots
    std::string_view name_; // the definition's text
    int index_;
    ControlKind kind_;
    std::function<void()> click_; // or tick
    MouseHandler mouse_;
};

// The items of a control array, bound once by the array's name.
class ControlArray {
  public:
    // Throws std::invalid_argument if the window's definition has no such array.
    ControlArray(Form& form, std::string_view name);
    // Throws std::out_of_range for an index the array does not have.
    Control& operator[](int index) const;

  private:
    std::vector<Control*> items_; // by index; nullptr where the array has a gap
};

// A command item of a window's menu bar.
class Command {
  public:
    void OnClick(std::function<void()> handler) { click_ = std::move(handler); }
    bool IsBound() const { return static_cast<bool>(click_); }

  private:
    friend class detail::FormWindow;
    std::function<void()> click_;
};

// One window. The handle lives as long as the toolkit, whether or not the
// window exists.
class Form {
  public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

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

    // A control, by index for an item of an array. Throws std::invalid_argument
    // if the definition has no such control.
    Control& operator()(std::string_view name, int index = -1);
    // A command item of the menu bar; std::invalid_argument if it has none so called.
    Command& Menu(std::string_view name);

    // Runs each time the window is created, hidden.
    void OnLoad(std::function<void()> handler);

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

    // Register a window; its definition's texts must outlive the toolkit. The
    // first window defined is the main window unless SetMainForm names another.
    // Throws std::invalid_argument, naming what is at fault, for a window or
    // control defined twice.
    void Define(const FormDef& def);
    void SetMainForm(std::string_view name);

    // A defined window, created by nothing; std::invalid_argument if unknown.
    Form& operator[](std::string_view name);
    // The window, created hidden (load handler included) if it does not exist.
    Form& Touch(std::string_view name);
    bool Exists(std::string_view name) const;

    // The system's alert sound; counted, so that tests can see it.
    void Beep();
    int BeepCount() const;

    // All windows close, no further handler runs and the event loop ends.
    // Operations on windows do nothing afterwards.
    void EndProgram();
    bool Ended() const;

    detail::ToolkitState& State() { return *state_; }

  private:
    std::unique_ptr<detail::ToolkitState> state_;
};

} // namespace tessaline::ui
