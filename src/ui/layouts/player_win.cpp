// The win window.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    using namespace layout;
    FormDef form =
        InformationWindow(info::PlayerWin, "You Win!", 2220, 1650, /*maximizeButton=*/true);
    form.controls = {
        Label("lblWin", "Congratulations! You Win!", 120, 240, 1935, 375, 0),
        Button(info::btnOK, "OK", 600, 960, 1095, 375, 1, ButtonRole::Default),
    };
    return form;
}

} // namespace

const FormDef& PlayerWinLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
