// The main window: three rows (Colors Scanned, Remaining Colors, Guess) by six colour columns,
// and the program's whole menu bar.

#include "ui/layouts/layouts.h"

#include <array>

namespace tessaline::ui {

namespace {

// Index 0 is unused: the colour code is the index of every control array here.
constexpr std::array<std::string_view, 7> ColourName{"",      "Yellow", "Orange", "Red",
                                                     "Green", "Blue",   "Purple"};
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
         {{"G_NewGame", "&New Game", {}}, {"G_Quit", "&Quit", {}}, {"G_Exit", "&Exit", {}}}},
        {"M_Redraw", "&Redraw", {{"R_Board", "&Board", {}}, {"R_Time", "&Time", {}}}},
        {"M_Options",
         " &Options",
         {{"O_Options", "&Options...", {}}, {"O_CustomizeBoard", "&Customize Board...", {}}}},
        {"M_Info",
         "&Info",
         {{"I_About",
           "&About",
           {{"I_A_Tessaline", "&Tessaline", {}},
            {"I_A_Vantiro", "&Vantiro", {}},
            {"I_A_Author", "&Author", {}}}},
          {"I_Rules",
           "&Rules",
           {{"I_R_Object", "&Object", {}},
            {"I_R_Play", "&Play", {}},
            {"I_R_Customize", "&Customize", {}}}},
          {"I_License", "&License", {}}}},
    };
}

FormDef Build() {
    FormDef form{.name = "Color",
                 .caption = "Tessaline",
                 .clientWidth = 7530,
                 .clientHeight = 1275,
                 .placement = Placement{2055, 675},
                 .border = BorderKind::Sizable,
                 .minimizeButton = true,
                 .maximizeButton = false,
                 .programIcon = true,
                 .controls = {},
                 .menus = MenuBar()};

    auto& controls = form.controls;
    controls.push_back({.kind = ControlKind::Label,
                        .name = "lblScan",
                        .caption = "Colors Scanned",
                        .left = 120,
                        .top = 120,
                        .width = 1335,
                        .height = 255,
                        .tab = 8});
    controls.push_back({.kind = ControlKind::Label,
                        .name = "lblRemaining",
                        .caption = "Remaining Colors",
                        .left = 120,
                        .top = 480,
                        .width = 1335,
                        .height = 255,
                        .tab = 9});
    controls.push_back({.kind = ControlKind::Label,
                        .name = "lblGuess",
                        .caption = "Guess",
                        .left = 120,
                        .top = 960,
                        .width = 1335,
                        .height = 255,
                        .tab = 10});
    for (int i = 1; i <= 6; ++i) {
        controls.push_back({.kind = ControlKind::CheckBox,
                            .name = "cbxScan",
                            .index = i,
                            .caption = ColourName[i],
                            .left = Column(i),
                            .top = 120,
                            .width = 1335,
                            .height = 255,
                            .tab = ScanTab[i]});
    }
    for (int i = 1; i <= 6; ++i) {
        controls.push_back({.kind = ControlKind::Label,
                            .name = "lblNumRemaining",
                            .index = i,
                            .left = Column(i),
                            .top = 480,
                            .width = 495,
                            .height = 255,
                            .tab = FirstRemainingTab + i - 1});
    }
    for (int i = 1; i <= 6; ++i) {
        // Yellow is the guess until the player picks another colour.
        controls.push_back({.kind = ControlKind::RadioButton,
                            .name = "rbtGuess",
                            .index = i,
                            .caption = ColourName[i],
                            .left = Column(i),
                            .top = 960,
                            .width = 855,
                            .height = 195,
                            .tab = GuessTab[i],
                            .value = i == 1});
    }
    return form;
}

} // namespace

const FormDef& ColorLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
