// The Options dialog: the share of each colour, one row per colour from Yellow at the top to
// Purple at the bottom, and the board's height and width.

#include "ui/layouts/layouts.h"

#include <array>

namespace tessaline::ui {

namespace {

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
    FormDef form{.name = "Options",
                 .caption = "Options",
                 .clientWidth = 4005,
                 .clientHeight = 2550,
                 .placement = Placement{6645, 2430},
                 .border = BorderKind::FixedSingle,
                 .minimizeButton = false,
                 .maximizeButton = false,
                 .programIcon = true,
                 .controls = {},
                 .menus = {}};

    auto& controls = form.controls;
    for (int i = 1; i <= 6; ++i) {
        controls.push_back({.kind = ControlKind::Label,
                            .name = LabelName[i],
                            .index = i,
                            .caption = LabelCaption[i],
                            .left = 240,
                            .top = Row(i),
                            .width = 1695,
                            .height = 255,
                            .tab = 2 * i - 1});
    }
    // Filled from the settings each time the dialog opens.
    for (int i = 1; i <= 6; ++i) {
        controls.push_back({.kind = ControlKind::TextBox,
                            .name = "txtPerColor",
                            .index = i,
                            .left = 1920,
                            .top = Row(i),
                            .width = 495,
                            .height = 285,
                            .tab = 2 * (i - 1)});
    }
    controls.push_back({.kind = ControlKind::Label,
                        .name = "lblHeight",
                        .caption = "Height",
                        .left = 2520,
                        .top = 1320,
                        .width = 615,
                        .height = 255,
                        .tab = 12});
    controls.push_back({.kind = ControlKind::TextBox,
                        .name = "txtHeight",
                        .left = 3240,
                        .top = 1320,
                        .width = 495,
                        .height = 285,
                        .tab = 13});
    controls.push_back({.kind = ControlKind::Label,
                        .name = "lblWidth",
                        .caption = "Width",
                        .left = 2520,
                        .top = 1680,
                        .width = 615,
                        .height = 255,
                        .tab = 14});
    controls.push_back({.kind = ControlKind::TextBox,
                        .name = "txtWidth",
                        .left = 3240,
                        .top = 1680,
                        .width = 495,
                        .height = 285,
                        .tab = 15});
    controls.push_back({.kind = ControlKind::CommandButton,
                        .name = "btnOK",
                        .caption = "OK",
                        .left = 2760,
                        .top = 240,
                        .width = 975,
                        .height = 375,
                        .tab = 16,
                        .isDefault = true});
    // A command button despite its name: Escape presses it.
    controls.push_back({.kind = ControlKind::CommandButton,
                        .name = "lblCancel",
                        .caption = "Cancel",
                        .left = 2760,
                        .top = 720,
                        .width = 975,
                        .height = 375,
                        .tab = 17,
                        .isCancel = true});
    return form;
}

} // namespace

const FormDef& OptionsLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
