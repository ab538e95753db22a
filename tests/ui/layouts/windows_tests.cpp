// Window properties, the set of windows and the main window's menu bar.

#include "ui/layouts/layouts.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace tessaline::ui {
namespace {

struct WindowRow {
    const char* name;
    std::function<const FormDef&()> layout;
    const char* caption;
    int clientWidth;
    int clientHeight;
    std::optional<Placement> placement;
    BorderKind border;
    bool minimizeButton;
    bool maximizeButton;
    bool programIcon;
    std::size_t controls;
};

constexpr auto Sizable = BorderKind::Sizable;
constexpr auto Fixed = BorderKind::FixedSingle;
const auto BySystem = std::nullopt;

// clang-format off
const WindowRow Windows[] = {
    // name              layout                caption                   width height placement                border  min    max    icon   controls
    {"Color",           ColorLayout,          "Tessaline",              7530, 1275, Placement{2055, 675},  Sizable, true,  false, true,  21},
    {"Board",           BoardLayout,          "Board",                  3615, 3615, Placement{2850, 2430}, Fixed,   false, false, true,  0},
    {"Options",         OptionsLayout,        "Options",                4005, 2550, Placement{6645, 2430}, Fixed,   false, false, true,  18},
    {"CustomizeBoard",  CustomizeBoardLayout, "Customize Board",        2610, 1080, Placement{90, 2835},   Fixed,   false, false, true,  3},
    {"ErrorAZ",         ErrorAZLayout,        "Error AZ",               2625, 1380, BySystem,              Fixed,   false, false, true,  2},
    {"Time",            TimeLayout,           "Time",                   1635, 630,  Placement{60, 345},    Sizable, true,  true,  true,  2},
    {"PlayerWin",       PlayerWinLayout,      "You Win!",               2220, 1650, BySystem,              Sizable, true,  true,  false, 2},
    {"Rules_Object",    RulesObjectLayout,    "Object",                 3735, 1605, BySystem,              Sizable, true,  true,  false, 2},
    {"Rules_Play",      RulesPlayLayout,      "Play",                   4905, 3060, BySystem,              Sizable, true,  true,  false, 4},
    {"Rules_Customize", RulesCustomizeLayout, "Customize",              5580, 2715, BySystem,              Sizable, true,  true,  false, 3},
    {"AboutTessaline",  AboutTessalineLayout, "About Tessaline",        5820, 1815, BySystem,              Sizable, true,  false, false, 7},
    {"AboutVantiro",    AboutVantiroLayout,   "About Vantiro Software", 6300, 2235, BySystem,              Sizable, true,  false, false, 6},
    {"AboutAuthor",     AboutAuthorLayout,    "About Author",           4695, 1155, BySystem,              Sizable, true,  false, false, 3},
    {"License",         LicenseLayout,        "License",                4695, 1215, BySystem,              Sizable, true,  false, false, 2},
};
// clang-format on

TEST(Windows, EachHasItsCaptionSizePlacementBorderAndIcon) {
    for (const WindowRow& row : Windows) {
        SCOPED_TRACE(row.name);
        const FormDef& form = row.layout();
        EXPECT_EQ(form.name, row.name);
        EXPECT_EQ(form.caption, row.caption);
        EXPECT_EQ(form.clientWidth, row.clientWidth);
        EXPECT_EQ(form.clientHeight, row.clientHeight);
        ASSERT_EQ(form.placement.has_value(), row.placement.has_value());
        if (row.placement) {
            EXPECT_EQ(form.placement->x, row.placement->x);
            EXPECT_EQ(form.placement->y, row.placement->y);
        }
        EXPECT_EQ(form.border, row.border);
        EXPECT_EQ(form.minimizeButton, row.minimizeButton);
        EXPECT_EQ(form.maximizeButton, row.maximizeButton);
        EXPECT_EQ(form.programIcon, row.programIcon);
        EXPECT_EQ(form.controls.size(), row.controls);
    }
}

TEST(Windows, AllListsEveryWindowOnceMainWindowFirst) {
    const auto& all = AllLayouts();
    ASSERT_EQ(all.size(), std::size(Windows));
    EXPECT_EQ(all.front(), &ColorLayout());
    std::set<std::string> names;
    for (std::size_t i = 0; i < all.size(); ++i) {
        ASSERT_NE(all[i], nullptr);
        EXPECT_EQ(all[i], &Windows[i].layout()) << Windows[i].name;
        EXPECT_TRUE(names.insert(std::string(all[i]->name)).second)
            << "two windows called " << all[i]->name;
    }
}

TEST(Windows, FoundByName) {
    for (const WindowRow& row : Windows) {
        EXPECT_EQ(FindLayout(row.name), &row.layout()) << row.name;
    }
    EXPECT_EQ(FindLayout("Rules"), nullptr);
    EXPECT_EQ(FindLayout("color"), nullptr);
    EXPECT_EQ(FindLayout(""), nullptr);
}

TEST(Windows, OnlyTheMainWindowHasMenus) {
    for (const FormDef* form : AllLayouts()) {
        EXPECT_EQ(form->menus.empty(), form != &ColorLayout()) << form->name;
    }
}

// The menu bar flattened depth first: level 0 is the bar itself.
struct MenuRow {
    int level;
    const char* name;
    const char* caption;
    std::size_t items;
};

// clang-format off
const MenuRow MenuBar[] = {
    {0, "M_Game",           "&Game",               3},
    {1, "G_NewGame",        "&New Game",           0},
    {1, "G_Quit",           "&Quit",               0},
    {1, "G_Exit",           "&Exit",               0},
    {0, "M_Redraw",         "&Redraw",             2},
    {1, "R_Board",          "&Board",              0},
    {1, "R_Time",           "&Time",               0},
    {0, "M_Options",        " &Options",           2},
    {1, "O_Options",        "&Options...",         0},
    {1, "O_CustomizeBoard", "&Customize Board...", 0},
    {0, "M_Info",           "&Info",               3},
    {1, "I_About",          "&About",              3},
    {2, "I_A_Tessaline",    "&Tessaline",          0},
    {2, "I_A_Vantiro",      "&Vantiro",            0},
    {2, "I_A_Author",       "&Author",             0},
    {1, "I_Rules",          "&Rules",              3},
    {2, "I_R_Object",       "&Object",             0},
    {2, "I_R_Play",         "&Play",               0},
    {2, "I_R_Customize",    "&Customize",          0},
    {1, "I_License",        "&License",            0},
};
// clang-format on

struct Item {
    int level;
    std::string name;
    std::string caption;
    std::size_t items;
};

void Flatten(const std::vector<MenuDef>& menus, int level, std::vector<Item>& out) {
    for (const MenuDef& menu : menus) {
        out.push_back(
            {level, std::string(menu.name), std::string(menu.caption), menu.items.size()});
        Flatten(menu.items, level + 1, out);
    }
}

TEST(Windows, MainMenuTreeHasEveryItemInOrder) {
    std::vector<Item> actual;
    Flatten(ColorLayout().menus, 0, actual);
    ASSERT_EQ(actual.size(), std::size(MenuBar));
    for (std::size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE(MenuBar[i].name);
        EXPECT_EQ(actual[i].level, MenuBar[i].level);
        EXPECT_EQ(actual[i].name, MenuBar[i].name);
        EXPECT_EQ(actual[i].caption, MenuBar[i].caption);
        EXPECT_EQ(actual[i].items, MenuBar[i].items);
    }
}

TEST(Windows, MenuNamesAreUnique) {
    std::vector<Item> actual;
    Flatten(ColorLayout().menus, 0, actual);
    std::set<std::string> names;
    for (const Item& row : actual) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
}

} // namespace
} // namespace tessaline::ui
