#pragma once
// The fourteen windows of Tessaline as data, one definition per window, every size and position
// in twips. Each definition is built once, on first call, and lives until the program ends.

#include "ui/toolkit/definition.h"

#include <string_view>
#include <vector>

namespace tessaline::ui {

const FormDef& ColorLayout(); // the main window, with the whole menu bar
const FormDef& BoardLayout(); // the 900 squares
const FormDef& OptionsLayout();
const FormDef& CustomizeBoardLayout();
const FormDef& ErrorAZLayout();
const FormDef& TimeLayout();
const FormDef& PlayerWinLayout();
const FormDef& RulesObjectLayout();
const FormDef& RulesPlayLayout();
const FormDef& RulesCustomizeLayout();
const FormDef& AboutTessalineLayout();
const FormDef& AboutVantiroLayout();
const FormDef& AboutAuthorLayout();
const FormDef& LicenseLayout();

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
