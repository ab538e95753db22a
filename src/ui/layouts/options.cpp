// The Options dialog: the share of each colour, one row per colour from Yellow at the top to
// Purple at the bottom, and the board's height and width.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

#include <array>

namespace tessaline::ui {

namespace {

using namespace layout;

// Each colour label is a control array of its own whose one item carries the colour's index.
constexpr std::array<std::string_view, 7> LabelName{
    "", "lblPerYellow", "lblPerOrange", "lblPerRed", "lblPerGreen", "lblPerBlue", "lblPerPurple"};
constexpr std::array<std::string_view, 7> LabelCaption{"",
                                                       "% Of Board As Yellow",
                                                       "% Of Board As Orange",
                                                       "% Of Board As Red",
                                                       "% Of Board As Green",
                                                       "% Of Board As Blue",
                                                       "% Of Board As Purple"};
constexpr int FirstRow = 240;
constexpr int RowSpacing = 360;

int Row(int index) {
    return FirstRow + RowSpacing * (index - 1);
}

FormDef Build() {
    FormDef form = FixedDialog(options::Window, "Options", 4005, 2550, Placement{6645, 2430});

    auto& controls = form.controls;
    for (int i = 1; i <= 6; ++i) {
        controls.push_back(
            Item(i, Naming(options::txtPerColor, Label(LabelName[i], LabelCaption[i], 240, Row(i),
                                                       1695, 255, 2 * i - 1))));
    }
    // Filled from the settings each time the dialog opens.
    for (int i = 1; i <= 6; ++i) {
        controls.push_back(
            Item(i, TextBox(options::txtPerColor, 1920, Row(i), 495, 285, 2 * (i - 1))));
    }
    controls.push_back(
        Naming(options::txtHeight, Label("lblHeight", "Height", 2520, 1320, 615, 255, 12)));
    controls.push_back(TextBox(options::txtHeight, 3240, 1320, 495, 285, 13));
    controls.push_back(
        Naming(options::txtWidth, Label("lblWidth", "Width", 2520, 1680, 615, 255, 14)));
    controls.push_back(TextBox(options::txtWidth, 3240, 1680, 495, 285, 15));
    controls.push_back(Button(options::btnOK, "OK", 2760, 240, 975, 375, 16, ButtonRole::Default));
    // A command button despite its name: Escape presses it.
    controls.push_back(
        Button(options::lblCancel, "Cancel", 2760, 720, 975, 375, 17, ButtonRole::Cancel));
    return form;
}

} // namespace

const FormDef& OptionsLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
