#pragma once
// The fourteen windows of Tessaline as data, one definition per window, every size and position
// in twips. Each definition is built once, on first call, and lives until the program ends.
//
// Beside each definition: the names of the window and of the controls and menu commands its
// behaviour reaches, which the layout gives them, and the window's typed handles bound by those
// names. Behaviour code reaches windows and controls only through the handles, so that a
// misspelt name does not compile.

#include "ui/toolkit/definition.h"
#include "ui/toolkit/toolkit.h"

#include <string_view>
#include <vector>

namespace tessaline::ui {

// The main window, with the whole menu bar.
const FormDef& ColorLayout();
namespace color {
inline constexpr char Window[] = "Color";
inline constexpr char cbxScan[] = "cbxScan", lblNumRemaining[] = "lblNumRemaining",
                      rbtGuess[] = "rbtGuess";
inline constexpr char G_NewGame[] = "G_NewGame", G_Quit[] = "G_Quit", G_Exit[] = "G_Exit",
                      R_Board[] = "R_Board", R_Time[] = "R_Time", O_Options[] = "O_Options",
                      O_CustomizeBoard[] = "O_CustomizeBoard", I_A_Tessaline[] = "I_A_Tessaline",
                      I_A_Vantiro[] = "I_A_Vantiro", I_A_Author[] = "I_A_Author",
                      I_R_Object[] = "I_R_Object", I_R_Play[] = "I_R_Play",
                      I_R_Customize[] = "I_R_Customize", I_License[] = "I_License";
} // namespace color
struct ColorWindow {
    explicit ColorWindow(Toolkit& tk)
        : form(tk[color::Window]), cbxScan(form, color::cbxScan),
          lblNumRemaining(form, color::lblNumRemaining), rbtGuess(form, color::rbtGuess) {}
    Form& form;
    ControlArray cbxScan, lblNumRemaining, rbtGuess;
};

// The 900 squares.
const FormDef& BoardLayout();
namespace board {
inline constexpr char Window[] = "Board", Square[] = "Square";
} // namespace board
struct BoardWindow {
    explicit BoardWindow(Toolkit& tk) : form(tk[board::Window]), Square(form, board::Square) {}
    Form& form;
    ControlArray Square;
};

const FormDef& OptionsLayout();
namespace options {
inline constexpr char Window[] = "Options", txtPerColor[] = "txtPerColor",
                      txtHeight[] = "txtHeight", txtWidth[] = "txtWidth", btnOK[] = "btnOK",
                      lblCancel[] = "lblCancel";
} // namespace options
struct OptionsWindow {
    explicit OptionsWindow(Toolkit& tk)
        : form(tk[options::Window]), txtPerColor(form, options::txtPerColor),
          txtHeight(form(options::txtHeight)), txtWidth(form(options::txtWidth)) {}
    Form& form;
    ControlArray txtPerColor;
    Control& txtHeight;
    Control& txtWidth;
};

const FormDef& CustomizeBoardLayout();
namespace customize_board {
inline constexpr char Window[] = "CustomizeBoard", txtPerBlocks[] = "txtPerBlocks",
                      btnSetBlocks[] = "btnSetBlocks";
} // namespace customize_board
struct CustomizeBoardWindow {
    explicit CustomizeBoardWindow(Toolkit& tk)
        : form(tk[customize_board::Window]), txtPerBlocks(form(customize_board::txtPerBlocks)) {}
    Form& form;
    Control& txtPerBlocks;
};

const FormDef& ErrorAZLayout();
namespace error_az {
inline constexpr char Window[] = "ErrorAZ", btnOK[] = "btnOK";
} // namespace error_az

const FormDef& TimeLayout();
namespace time_window {
inline constexpr char Window[] = "Time", tmrSecond[] = "tmrSecond", lblTime[] = "lblTime";
} // namespace time_window
struct TimeWindow {
    explicit TimeWindow(Toolkit& tk)
        : form(tk[time_window::Window]), tmrSecond(form(time_window::tmrSecond)),
          lblTime(form(time_window::lblTime)) {}
    Form& form;
    Control& tmrSecond;
    Control& lblTime;
};

// The windows that only inform, each hidden by its one button.
const FormDef& PlayerWinLayout();
const FormDef& RulesObjectLayout();
const FormDef& RulesPlayLayout();
const FormDef& RulesCustomizeLayout();
const FormDef& AboutTessalineLayout();
const FormDef& AboutVantiroLayout();
const FormDef& AboutAuthorLayout();
const FormDef& LicenseLayout();
namespace info {
inline constexpr char PlayerWin[] = "PlayerWin", RulesObject[] = "Rules_Object",
                      RulesPlay[] = "Rules_Play", RulesCustomize[] = "Rules_Customize",
                      AboutTessaline[] = "AboutTessaline", AboutVantiro[] = "AboutVantiro",
                      AboutAuthor[] = "AboutAuthor", License[] = "License";
// The one button of the rules and win windows, and of the about and licence windows.
inline constexpr char btnOK[] = "btnOK", Ok[] = "Ok";
// The about windows' pictures.
inline constexpr char icnTessaline[] = "icnTessaline", icnVantiro[] = "icnVantiro";
} // namespace info

// The board window's squares lie BoardSpacing apart and are BoardSquareSide wide, so that
// neighbouring borders fall on one line. Its client area shows `squares` squares along a side
// when it ends on the far border of the last one.
inline constexpr int BoardSpacing = 240;
inline constexpr int BoardSquareSide = 255;
constexpr int BoardClientSide(int squares) {
    return (squares - 1) * BoardSpacing + BoardSquareSide;
}

// Every window, the main window first.
const std::vector<const FormDef*>& AllLayouts();

// The window called `name`, or nullptr.
const FormDef* FindLayout(std::string_view name);

// The control `name` (index -1) or the item `index` of the control array `name`, or nullptr.
const ControlDef* FindControl(const FormDef& form, std::string_view name, int index = -1);

} // namespace tessaline::ui
