// The rules window on the two settings dialogs.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

const FormDef& RulesCustomizeLayout() {
    static const FormDef form = [] {
        using namespace layout;
        FormDef f = InformationWindow(info::RulesCustomize, "Customize", 5580, 2715,
                                      /*maximizeButton=*/true);
        f.controls = {
            Label("lblOptions",
                  "-In the options dialog, the player can customize the percent of each color "
                  "squares that are on the board. Also in the dialog, you can customize the height "
                  "and width of the board.",
                  120, 120, 5295, 615, 1),
            Label(
                "lblCustomizeBoard",
                "-In the Customize Board dialog, the player can change the \"shape\" of the "
                "board. He does this by choosing blocks (by clicking on them once to choose them, "
                "and a second time to unchoose them). A block is a square which isn't part of the "
                "board, and isn't taken into consideration when doing any of the calculations of "
                "the game. The player can also choose to randomly make a percentage of the board "
                "into blocks with this dialog. ",
                120, 720, 5295, 1335, 2),
            Button(info::btnOK, "OK", 2160, 2160, 1215, 375, 0, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
