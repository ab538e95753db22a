// Every control of the windows other than the board: kind, place, size, focus order, texts,
// buttons and first state.

#include "ui/layouts/layouts.h"
#include "ui/layouts/maker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace tessaline::ui {
namespace {

std::string Describe(std::string_view window, std::string_view name, int index) {
    std::string text = std::string(window) + "." + std::string(name);
    if (index >= 0) {
        text += "(" + std::to_string(index) + ")";
    }
    return text;
}

const ControlDef& Control(std::string_view window, std::string_view name, int index = -1) {
    const FormDef* form = FindLayout(window);
    if (form == nullptr) {
        ADD_FAILURE() << "no window " << window;
        static const ControlDef none{};
        return none;
    }
    const ControlDef* control = FindControl(*form, name, index);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << Describe(window, name, index);
        static const ControlDef none{};
        return none;
    }
    return *control;
}

struct Geometry {
    const char* window;
    const char* name;
    int index;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    int tab;
};

constexpr auto L = ControlKind::Label;
constexpr auto T = ControlKind::TextBox;
constexpr auto B = ControlKind::CommandButton;
constexpr auto C = ControlKind::CheckBox;
constexpr auto R = ControlKind::RadioButton;
constexpr auto P = ControlKind::PictureBox;
constexpr auto M = ControlKind::Timer;

// clang-format off
const Geometry Controls[] = {
    {"Color", "lblScan",         -1, L,  120,  120, 1335, 255,  8},
    {"Color", "lblRemaining",    -1, L,  120,  480, 1335, 255,  9},
    {"Color", "lblGuess",        -1, L,  120,  960, 1335, 255, 10},
    {"Color", "cbxScan",          1, C, 1680,  120, 1335, 255,  0},
    {"Color", "cbxScan",          2, C, 2640,  120, 1335, 255,  2},
    {"Color", "cbxScan",          3, C, 3600,  120, 1335, 255,  4},
    {"Color", "cbxScan",          4, C, 4560,  120, 1335, 255,  6},
    {"Color", "cbxScan",          5, C, 5520,  120, 1335, 255, 11},
    {"Color", "cbxScan",          6, C, 6480,  120, 1335, 255, 13},
    {"Color", "lblNumRemaining",  1, L, 1680,  480,  495, 255, 15},
    {"Color", "lblNumRemaining",  2, L, 2640,  480,  495, 255, 16},
    {"Color", "lblNumRemaining",  3, L, 3600,  480,  495, 255, 17},
    {"Color", "lblNumRemaining",  4, L, 4560,  480,  495, 255, 18},
    {"Color", "lblNumRemaining",  5, L, 5520,  480,  495, 255, 19},
    {"Color", "lblNumRemaining",  6, L, 6480,  480,  495, 255, 20},
    {"Color", "rbtGuess",         1, R, 1680,  960,  855, 195,  1},
    {"Color", "rbtGuess",         2, R, 2640,  960,  855, 195,  3},
    {"Color", "rbtGuess",         3, R, 3600,  960,  855, 195,  5},
    {"Color", "rbtGuess",         4, R, 4560,  960,  855, 195,  7},
    {"Color", "rbtGuess",         5, R, 5520,  960,  855, 195, 12},
    {"Color", "rbtGuess",         6, R, 6480,  960,  855, 195, 14},

    {"Options", "lblPerYellow",   1, L,  240,  240, 1695, 255,  1},
    {"Options", "lblPerOrange",   2, L,  240,  600, 1695, 255,  3},
    {"Options", "lblPerRed",      3, L,  240,  960, 1695, 255,  5},
    {"Options", "lblPerGreen",    4, L,  240, 1320, 1695, 255,  7},
    {"Options", "lblPerBlue",     5, L,  240, 1680, 1695, 255,  9},
    {"Options", "lblPerPurple",   6, L,  240, 2040, 1695, 255, 11},
    {"Options", "txtPerColor",    1, T, 1920,  240,  495, 285,  0},
    {"Options", "txtPerColor",    2, T, 1920,  600,  495, 285,  2},
    {"Options", "txtPerColor",    3, T, 1920,  960,  495, 285,  4},
    {"Options", "txtPerColor",    4, T, 1920, 1320,  495, 285,  6},
    {"Options", "txtPerColor",    5, T, 1920, 1680,  495, 285,  8},
    {"Options", "txtPerColor",    6, T, 1920, 2040,  495, 285, 10},
    {"Options", "lblHeight",     -1, L, 2520, 1320,  615, 255, 12},
    {"Options", "txtHeight",     -1, T, 3240, 1320,  495, 285, 13},
    {"Options", "lblWidth",      -1, L, 2520, 1680,  615, 255, 14},
    {"Options", "txtWidth",      -1, T, 3240, 1680,  495, 285, 15},
    {"Options", "btnOK",         -1, B, 2760,  240,  975, 375, 16},
    {"Options", "lblCancel",     -1, B, 2760,  720,  975, 375, 17},

    {"CustomizeBoard", "lblPerBlocks", -1, L,  240, 120, 1695, 255, 2},
    {"CustomizeBoard", "txtPerBlocks", -1, T, 1920, 120,  495, 285, 0},
    {"CustomizeBoard", "btnSetBlocks", -1, B,  720, 600, 1095, 375, 1},

    {"ErrorAZ", "lblError", -1, L, 240, 240, 2055, 375, 1},
    {"ErrorAZ", "btnOK",    -1, B, 720, 720, 1095, 375, 0},

    {"Time", "tmrSecond", -1, M,   0,   0,     0,   0, -1},
    {"Time", "lblTime",   -1, L, 120, 120, 11175, 375,  0},

    {"PlayerWin", "lblWin", -1, L, 120, 240, 1935, 375, 0},
    {"PlayerWin", "btnOK",  -1, B, 600, 960, 1095, 375, 1},

    {"Rules_Object", "lblText", -1, L,  120,  120, 3495, 735, 1},
    {"Rules_Object", "btnOK",   -1, B, 1200, 1080, 1215, 375, 0},

    {"Rules_Play", "lblChooseColor", -1, L,  120,  120, 4575,  495, 0},
    {"Rules_Play", "lblOKChar",      -1, L,  120,  600, 4575, 1455, 1},
    {"Rules_Play", "lblSymbol",      -1, L,  120, 1680, 4575,  975, 3},
    {"Rules_Play", "btnOK",          -1, B, 1800, 2520, 1215,  375, 2},

    {"Rules_Customize", "lblOptions",        -1, L,  120,  120, 5295,  615, 1},
    {"Rules_Customize", "lblCustomizeBoard", -1, L,  120,  720, 5295, 1335, 2},
    {"Rules_Customize", "btnOK",             -1, B, 2160, 2160, 1215,  375, 0},

    {"AboutTessaline", "icnTessaline", -1, P,  240,  240,  720, 720, 4},
    {"AboutTessaline", "icnVantiro",   -1, P,  240,  240,  720, 720, 5},
    {"AboutTessaline", "lblName",      -1, L, 1200,  240, 3135, 255, 0},
    {"AboutTessaline", "lblCopywrite", -1, L, 1200,  480, 3135, 255, 2},
    {"AboutTessaline", "lblAuthor",    -1, L, 1200,  720, 3135, 255, 1},
    {"AboutTessaline", "Label1",       -1, L, 1200, 1080, 3135, 615, 6},
    {"AboutTessaline", "Ok",           -1, B, 4440,  120, 1215, 375, 3},

    {"AboutVantiro", "icnVantiro",    -1, P,  240,  240,  720,  720, 1},
    {"AboutVantiro", "lblWebPage",    -1, L, 1080,  120, 3135,  975, 2},
    {"AboutVantiro", "lblorv",        -1, L, 1080,  960, 3135,  255, 4},
    {"AboutVantiro", "lblGetWebPage", -1, L, 1080, 1200, 3255,  735, 3},
    {"AboutVantiro", "Label3",        -1, L, 1080, 1920, 2535, 1455, 5},
    {"AboutVantiro", "Ok",            -1, B, 4440,  120, 1215,  375, 0},

    {"AboutAuthor", "lblText",    -1, L,  120, 240, 3135, 495, 0},
    {"AboutAuthor", "lblWebSite", -1, L,  120, 720, 3135, 255, 1},
    {"AboutAuthor", "Ok",         -1, B, 3360, 120, 1215, 375, 2},

    {"License", "lblText", -1, L,  120, 240, 3135, 975, 0},
    {"License", "Ok",      -1, B, 3360, 120, 1215, 375, 1},
};
// clang-format on

TEST(Controls, EachHasItsKindPlaceSizeAndFocusPlace) {
    for (const Geometry& row : Controls) {
        SCOPED_TRACE(Describe(row.window, row.name, row.index));
        const ControlDef& control = Control(row.window, row.name, row.index);
        EXPECT_EQ(control.kind, row.kind);
        EXPECT_EQ(control.left, row.left);
        EXPECT_EQ(control.top, row.top);
        EXPECT_EQ(control.width, row.width);
        EXPECT_EQ(control.height, row.height);
        EXPECT_EQ(control.tab, row.tab);
    }
}

TEST(Controls, NoWindowHoldsAControlBeyondItsTable) {
    std::set<std::string> listed;
    for (const Geometry& row : Controls) {
        listed.insert(Describe(row.window, row.name, row.index));
    }
    for (const FormDef* form : AllLayouts()) {
        if (form == &BoardLayout()) {
            continue; // the squares have their own tests
        }
        for (const ControlDef& control : form->controls) {
            EXPECT_TRUE(listed.count(Describe(form->name, control.name, control.index)))
                << "unexpected " << Describe(form->name, control.name, control.index);
        }
    }
}

TEST(Controls, NamesAndIndicesAreUniqueWithinAWindow) {
    for (const FormDef* form : AllLayouts()) {
        std::set<std::pair<std::string_view, int>> seen;
        for (const ControlDef& control : form->controls) {
            EXPECT_TRUE(seen.insert({control.name, control.index}).second)
                << "twice: " << Describe(form->name, control.name, control.index);
        }
    }
}

TEST(Controls, ItemsOfOneArrayShareTheirKind) {
    for (const FormDef* form : AllLayouts()) {
        std::map<std::string_view, ControlKind> kinds;
        for (const ControlDef& control : form->controls) {
            const auto [it, first] = kinds.emplace(control.name, control.kind);
            EXPECT_EQ(it->second, control.kind)
                << Describe(form->name, control.name, control.index);
            if (!first) {
                EXPECT_GE(control.index, 0) << "a plain control shares its name: " << control.name;
            }
        }
    }
}

TEST(Controls, FocusOrderIsAPermutationWithoutGapsOrDuplicates) {
    for (const FormDef* form : AllLayouts()) {
        SCOPED_TRACE(form->name);
        std::vector<int> tabs;
        for (const ControlDef& control : form->controls) {
            if (control.kind == ControlKind::Timer) {
                EXPECT_EQ(control.tab, -1) << "a timer has no place in the focus order";
            } else {
                tabs.push_back(control.tab);
            }
        }
        std::sort(tabs.begin(), tabs.end());
        for (std::size_t i = 0; i < tabs.size(); ++i) {
            ASSERT_EQ(tabs[i], static_cast<int>(i)) << "focus places are not 0 to n-1";
        }
    }
}

struct Text {
    const char* window;
    const char* name;
    int index;
    std::string_view text;
};

// Blanks at either end are part of the text.
// clang-format off
const Text Texts[] = {
    {"Color", "lblScan",      -1, "Colors Scanned"},
    {"Color", "lblRemaining", -1, "Remaining Colors"},
    {"Color", "lblGuess",     -1, "Guess"},
    {"Color", "cbxScan",       1, "Yellow"},
    {"Color", "cbxScan",       2, "Orange"},
    {"Color", "cbxScan",       3, "Red"},
    {"Color", "cbxScan",       4, "Green"},
    {"Color", "cbxScan",       5, "Blue"},
    {"Color", "cbxScan",       6, "Purple"},
    {"Color", "rbtGuess",      1, "Yellow"},
    {"Color", "rbtGuess",      2, "Orange"},
    {"Color", "rbtGuess",      3, "Red"},
    {"Color", "rbtGuess",      4, "Green"},
    {"Color", "rbtGuess",      5, "Blue"},
    {"Color", "rbtGuess",      6, "Purple"},
    {"Color", "lblNumRemaining", 1, ""},
    {"Color", "lblNumRemaining", 6, ""},
    {"Options", "lblPerYellow", 1, "% Of Board As Yellow"},
    {"Options", "lblPerOrange", 2, "% Of Board As Orange"},
    {"Options", "lblPerRed",    3, "% Of Board As Red"},
    {"Options", "lblPerGreen",  4, "% Of Board As Green"},
    {"Options", "lblPerBlue",   5, "% Of Board As Blue"},
    {"Options", "lblPerPurple", 6, "% Of Board As Purple"},
    {"Options", "txtPerColor",  1, ""},
    {"Options", "txtPerColor",  6, ""},
    {"Options", "lblHeight",   -1, "Height"},
    {"Options", "txtHeight",   -1, ""},
    {"Options", "lblWidth",    -1, "Width"},
    {"Options", "txtWidth",    -1, ""},
    {"Options", "btnOK",       -1, "OK"},
    {"Options", "lblCancel",   -1, "Cancel"},
    {"CustomizeBoard", "lblPerBlocks", -1, "% Of Board As Blocks"},
    {"CustomizeBoard", "txtPerBlocks", -1, ""},
    {"CustomizeBoard", "btnSetBlocks", -1, "Set Blocks"},
    {"ErrorAZ", "lblError", -1, "All values must be numbers"},
    {"ErrorAZ", "btnOK",    -1, "OK"},
    {"Time", "lblTime", -1, ""},
    {"PlayerWin", "lblWin", -1, "Congratulations! You Win!"},
    {"PlayerWin", "btnOK",  -1, "OK"},
    {"Rules_Object", "lblText", -1,
     "-The object of the game is to determine the colors of each of the hidden squares (which are "
     "not blocks). "},
    {"Rules_Object", "btnOK", -1, "OK"},
    {"Rules_Play", "lblChooseColor", -1,
     "-First the player chooses a color to guess by selecting the corresponding radio button. "},
    {"Rules_Play", "lblOKChar", -1,
     "-Then the player left clicks on a square which he believes is that color. If his guess is "
     "right, then the square is no longer hidden. If his guess is wrong, then the player loses. "
     "(If the player isn't sure he can right click on the square and it will just turn the color "
     "of the guess with a question mark). "},
    {"Rules_Play", "lblSymbol", -1,
     "-When a square is visible there is a number on it. This is the number of squares "
     "surrounding the visible square which are a color that is checked in the Color Window. "},
    {"Rules_Play", "btnOK", -1, "OK"},
    {"Rules_Customize", "lblOptions", -1,
     "-In the options dialog, the player can customize the percent of each color squares that "
     "are on the board. Also in the dialog, you can customize the height and width of the "
     "board."},
    {"Rules_Customize", "lblCustomizeBoard", -1,
     "-In the Customize Board dialog, the player can change the \"shape\" of the board. He does "
     "this by choosing blocks (by clicking on them once to choose them, and a second time to "
     "unchoose them). A block is a square which isn't part of the board, and isn't taken into "
     "consideration when doing any of the calculations of the game. The player can also choose "
     "to randomly make a percentage of the board into blocks with this dialog. "},
    {"Rules_Customize", "btnOK", -1, "OK"},
    {"AboutTessaline", "lblName", -1, "Tessaline version 1.2"},
    {"AboutTessaline", "Ok",      -1, "Ok"},
    {"AboutVantiro", "lblWebPage", -1,
     "To find out more about Vantiro Software and about other programs made by Vantiro Software "
     "you can visit our web site. Our website can be reached from the web site: "},
    {"AboutVantiro", "lblGetWebPage", -1,
     " Or, we will send you the current URL of Vantiro Software's home pae if you send an e-mail "
     "to:"},
    {"AboutVantiro", "Ok", -1, "Ok"},
    {"AboutAuthor", "lblText", -1, "To find out about the author, you can visit the web site:"},
    {"AboutAuthor", "Ok",      -1, "Ok"},
    {"License", "Ok", -1, "Ok"},
};
// clang-format on

TEST(Controls, TextsAreExactWithTheirBlanks) {
    for (const Text& row : Texts) {
        EXPECT_EQ(Control(row.window, row.name, row.index).caption, row.text)
            << Describe(row.window, row.name, row.index);
    }
}

// The maker's details after their lead-in; a detail holds no blank of its own, so an indent of
// blanks is only as wide as the lead-in makes it.
struct MakerText {
    const char* window;
    const char* name;
    std::string_view prefix;
    std::string_view detail;
};

const MakerText MakerTexts[] = {
    {"AboutTessaline", "lblCopywrite", "", maker::CopyrightLine},
    {"AboutTessaline", "lblAuthor", "by ", maker::AuthorName},
    {"AboutTessaline", "Label1",
     "If you have any comments or thoughts on this program, please send them to ",
     maker::ContactAddress},
    {"AboutVantiro", "lblorv", "      ", maker::WebAddress},
    {"AboutVantiro", "Label3", "      ", maker::HomePageAddress},
    {"AboutAuthor", "lblWebSite", "     ", maker::WebAddress},
};

TEST(Controls, MakerDetailsFollowTheirLeadIn) {
    for (const MakerText& row : MakerTexts) {
        SCOPED_TRACE(Describe(row.window, row.name, -1));
        ASSERT_FALSE(row.detail.empty());
        EXPECT_NE(row.detail.front(), ' ');
        EXPECT_EQ(Control(row.window, row.name).caption,
                  std::string(row.prefix) + std::string(row.detail));
    }
    for (std::string_view address :
         {maker::WebAddress, maker::ContactAddress, maker::HomePageAddress}) {
        EXPECT_EQ(address.find(' '), std::string_view::npos) << address;
    }
}

TEST(Controls, LicenceNoticeNamesTheLicenceAndWhereItsTextIs) {
    const std::string_view text = Control("License", "lblText").caption;
    EXPECT_NE(text.find("Tessaline"), std::string_view::npos);
    EXPECT_NE(text.find("GNU GPL"), std::string_view::npos);
    EXPECT_NE(text.find("/usr/share/common-licenses/GPL-3"), std::string_view::npos);
}

struct Buttons {
    const char* window;
    const char* defaultButton; // nullptr: the window has no button
    const char* cancelButton;  // nullptr: Escape presses nothing
};

// clang-format off
const Buttons WindowButtons[] = {
    {"Color",           nullptr,        nullptr},
    {"Board",           nullptr,        nullptr},
    {"Options",         "btnOK",        "lblCancel"},
    {"CustomizeBoard",  "btnSetBlocks", nullptr},
    {"ErrorAZ",         "btnOK",        nullptr},
    {"Time",            nullptr,        nullptr},
    {"PlayerWin",       "btnOK",        nullptr},
    {"Rules_Object",    "btnOK",        nullptr},
    {"Rules_Play",      "btnOK",        nullptr},
    {"Rules_Customize", "btnOK",        nullptr},
    {"AboutTessaline",  "Ok",           nullptr},
    {"AboutVantiro",    "Ok",           nullptr},
    {"AboutAuthor",     "Ok",           nullptr},
    {"License",         "Ok",           nullptr},
};
// clang-format on

TEST(Controls, EnterAndEscapePressTheRightButtons) {
    ASSERT_EQ(std::size(WindowButtons), AllLayouts().size());
    for (const Buttons& row : WindowButtons) {
        SCOPED_TRACE(row.window);
        const FormDef* form = FindLayout(row.window);
        ASSERT_NE(form, nullptr);
        std::vector<std::string_view> defaults;
        std::vector<std::string_view> cancels;
        bool anyButton = false;
        for (const ControlDef& control : form->controls) {
            if (control.kind == ControlKind::CommandButton) {
                anyButton = true;
            } else {
                EXPECT_FALSE(control.isDefault || control.isCancel) << control.name;
            }
            if (control.isDefault) {
                defaults.push_back(control.name);
            }
            if (control.isCancel) {
                cancels.push_back(control.name);
            }
        }
        EXPECT_EQ(anyButton, row.defaultButton != nullptr);
        if (row.defaultButton) {
            ASSERT_EQ(defaults.size(), 1u);
            EXPECT_EQ(defaults.front(), row.defaultButton);
        } else {
            EXPECT_TRUE(defaults.empty());
        }
        if (row.cancelButton) {
            ASSERT_EQ(cancels.size(), 1u);
            EXPECT_EQ(cancels.front(), row.cancelButton);
        } else {
            EXPECT_TRUE(cancels.empty());
        }
    }
}

TEST(Controls, YellowIsTheGuessAndNoColourIsScannedAtFirst) {
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Control("Color", "rbtGuess", i).value, i == 1) << "rbtGuess " << i;
        EXPECT_FALSE(Control("Color", "cbxScan", i).value) << "cbxScan " << i;
    }
}

TEST(Controls, OnlyTheMakerPicturesStartHidden) {
    const std::set<std::string> hidden{"AboutTessaline.icnVantiro", "AboutVantiro.icnVantiro"};
    for (const FormDef* form : AllLayouts()) {
        for (const ControlDef& control : form->controls) {
            const std::string id = Describe(form->name, control.name, control.index);
            EXPECT_EQ(control.visible, hidden.count(id) == 0) << id;
        }
    }
}

TEST(Controls, PictureBoxesShowTheirPictures) {
    const std::map<std::string, Picture> pictures{
        {"AboutTessaline.icnTessaline", Picture::Product},
        {"AboutTessaline.icnVantiro", Picture::Maker},
        {"AboutVantiro.icnVantiro", Picture::Maker},
    };
    std::size_t boxes = 0;
    for (const FormDef* form : AllLayouts()) {
        for (const ControlDef& control : form->controls) {
            const std::string id = Describe(form->name, control.name, control.index);
            const auto it = pictures.find(id);
            EXPECT_EQ(control.picture, it == pictures.end() ? Picture::None : it->second) << id;
            boxes += control.kind == ControlKind::PictureBox;
        }
    }
    EXPECT_EQ(boxes, pictures.size());
}

TEST(Controls, TheClockTimerIsTheOnlyTimerAndStartsOff) {
    std::size_t timers = 0;
    for (const FormDef* form : AllLayouts()) {
        for (const ControlDef& control : form->controls) {
            timers += control.kind == ControlKind::Timer;
        }
    }
    EXPECT_EQ(timers, 1u);
    const ControlDef& timer = Control("Time", "tmrSecond");
    EXPECT_EQ(timer.kind, ControlKind::Timer);
    EXPECT_EQ(timer.interval, 1000);
    EXPECT_FALSE(timer.enabled);
}

TEST(Controls, OutsideTheBoardOnlyTheClockHasItsOwnFont) {
    for (const FormDef* form : AllLayouts()) {
        if (form == &BoardLayout()) {
            continue;
        }
        for (const ControlDef& control : form->controls) {
            SCOPED_TRACE(Describe(form->name, control.name, control.index));
            const bool clock = form->name == "Time" && control.name == "lblTime";
            EXPECT_DOUBLE_EQ(control.font.points, clock ? 18.0 : 8.0);
            EXPECT_EQ(control.font.bold, clock);
            EXPECT_EQ(control.align, TextAlign::Left);
            EXPECT_FALSE(control.border);
            EXPECT_FALSE(control.backColour.has_value());
            EXPECT_FALSE(control.foreColour.has_value());
            EXPECT_TRUE(control.enabled || control.kind == ControlKind::Timer);
        }
    }
}

} // namespace
} // namespace tessaline::ui
