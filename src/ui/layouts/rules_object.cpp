// The rules window on the aim of the game.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

const FormDef& RulesObjectLayout() {
    static const FormDef form = [] {
        using namespace layout;
        FormDef f =
            InformationWindow(info::RulesObject, "Object", 3735, 1605, /*maximizeButton=*/true);
        f.controls = {
            Label(
                "lblText",
                "-The object of the game is to determine the colors of each of the hidden squares "
                "(which are not blocks). ",
                120, 120, 3495, 735, 1),
            Button(info::btnOK, "OK", 1200, 1080, 1215, 375, 0, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
