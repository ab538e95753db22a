#pragma once
// A window as data: its name, size, place and every control on it, in twips
// (15 to a logical pixel). Nothing here knows a widget.

#include "model/colours.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tessaline::ui {

enum class ControlKind { Label, TextBox, CommandButton, CheckBox, RadioButton, PictureBox, Timer };

enum class BorderKind { Sizable, FixedSingle };

enum class Picture { None, Product, Maker };

enum class TextAlign { Left, Centre };

// A colour as 0x00BBGGRR (low byte red). A value with the top bit set names
// one of the system's colours instead, which follow the desktop's theme.
using Colour = std::uint32_t;
inline constexpr Colour SystemWindowBackground = 0x80000005;
inline constexpr Colour SystemWindowText = 0x80000008;
inline constexpr Colour SystemButtonFace = ScreenButtonFace;
inline constexpr Colour SystemButtonText = 0x80000012;

struct FontDef {
    // Size and weight only: the face is always the desktop's default UI font.
    double points = 8.0;
    bool bold = false;
};

struct ControlDef {
    ControlKind kind = ControlKind::Label;
    std::string_view name;
    int index = -1;           // -1: a plain control; 0 and up: an item of the control array `name`
    std::string_view caption; // caption, or a text box's text
    int left = 0;             // twips from the client area's top-left corner
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = -1; // place in the focus order; labels and pictures never take the focus
    bool visible = true;
    bool value = false;     // check box ticked, radio button selected
    bool isDefault = false; // command button pressed by Enter
    bool isCancel = false;  // command button pressed by Escape
    FontDef font{};
    TextAlign align = TextAlign::Left;
    bool border = false;    // a single flat line around a label
    std::string_view buddy; // a label: the text box it names, the item of the label's index
    Picture picture = Picture::None;
    int interval = 0;                 // timers: milliseconds
    bool enabled = true;              // timers start disabled where the layout says so
    std::optional<Colour> backColour; // empty: the standard colour for the kind
    std::optional<Colour> foreColour;
};

// A control array of bordered square labels, captions centred, painted by one
// widget: item i at column i % columns, row i / columns. Squares are `side`
// wide and `spacing` apart, so neighbours share their border lines; a higher
// index lies on top.
struct BoardDef {
    std::string_view name; // of the control array
    int columns = 0;
    int rows = 0;
    int left = 0; // twips: the first square's corner in the client area
    int top = 0;
    int spacing = 0; // twips from one square's corner to the next one's
    int side = 0;    // twips
    FontDef font{};
    Colour back = SystemWindowBackground; // until the program sets a square's own
    Colour fore = SystemWindowText;       // captions and border lines
};

struct MenuDef {
    std::string_view name;
    std::string_view caption;   // "&" marks the access letter
    std::vector<MenuDef> items; // empty for a command item
};

struct Placement {
    int x = 0; // twips: the client area's top-left corner on the screen
    int y = 0;
};

struct FormDef {
    std::string_view name;
    std::string_view caption;
    int clientWidth = 0; // twips
    int clientHeight = 0;
    std::optional<Placement> placement; // empty: placed by the system
    BorderKind border = BorderKind::Sizable;
    bool minimizeButton = true;
    bool maximizeButton = true;
    bool programIcon = false; // false: the toolkit's default window icon
    std::vector<ControlDef> controls;
    std::vector<MenuDef> menus;
    std::optional<BoardDef> board; // empty: no board
};

} // namespace tessaline::ui
