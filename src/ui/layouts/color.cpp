// The main window: three rows (Colors Scanned, Remaining Colors, Guess) by six colour columns,
// and the program's whole menu bar.

#include "model/describe.h"
#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

#include <array>

namespace tessaline::ui {

namespace {

using namespace layout;

// The colour code is the index of every control array here.
constexpr int FirstColumn = 1680;
constexpr int ColumnSpacing = 960;
// The focus runs down the first four columns, then the row headings, then the last two columns
// and the counts.
constexpr std::array<int, 7> ScanTab{-1, 0, 2, 4, 6, 11, 13};
constexpr std::array<int, 7> GuessTab{-1, 1, 3, 5, 7, 12, 14};
constexpr int FirstRemainingTab = 15;

int Column(int index) {
    return FirstColumn + ColumnSpacing * (index - 1);
}

std::vector<MenuDef> MenuBar() {
    return {
        {"M_Game",
         "&Game",
         {{color::G_NewGame, "&New Game", {}},
          {color::G_Quit, "&Quit", {}},
          {color::G_Exit, "&Exit", {}}}},
        {"M_Redraw", "&Redraw", {{color::R_Board, "&Board", {}}, {color::R_Time, "&Time", {}}}},
        {"M_Options",
         " &Options",
         {{color::O_Options, "&Options...", {}},
          {color::O_CustomizeBoard, "&Customize Board...", {}}}},
        {"M_Info",
         "&Info",
         {{"I_About",
           "&About",
           {{color::I_A_Tessaline, "&Tessaline", {}},
            {color::I_A_Vantiro, "&Vantiro", {}},
            {color::I_A_Author, "&Author", {}}}},
          {"I_Rules",
           "&Rules",
           {{color::I_R_Object, "&Object", {}},
            {color::I_R_Play, "&Play", {}},
            {color::I_R_Customize, "&Customize", {}}}},
          {color::I_License, "&License", {}}}},
    };
}

FormDef Build() {
    FormDef form = SizableWindow(color::Window, "Tessaline", 7530, 1275, Placement{2055, 675},
                                 /*maximizeButton=*/false, /*programIcon=*/true);
    form.menus = MenuBar();

    auto& controls = form.controls;
    controls.push_back(Label("lblScan", "Colors Scanned", 120, 120, 1335, 255, 8));
    controls.push_back(Label("lblRemaining", "Remaining Colors", 120, 480, 1335, 255, 9));
    controls.push_back(Label("lblGuess", "Guess", 120, 960, 1335, 255, 10));
    for (int i = 1; i <= 6; ++i) {
        controls.push_back(Item(i, CheckBox(color::cbxScan, ColourName(static_cast<Int16>(i)),
                                            Column(i), 120, 1335, 255, ScanTab[i])));
    }
    for (int i = 1; i <= 6; ++i) {
        controls.push_back(Item(i, Label(color::lblNumRemaining, {}, Column(i), 480, 495, 255,
                                         FirstRemainingTab + i - 1)));
    }
    for (int i = 1; i <= 6; ++i) {
        // Yellow is the guess until the player picks another colour.
        controls.push_back(
            Item(i, RadioButton(color::rbtGuess, ColourName(static_cast<Int16>(i)), Column(i), 960,
                                855, 195, GuessTab[i], /*selected=*/i == 1)));
    }
    return form;
}

} // namespace

const FormDef& ColorLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
