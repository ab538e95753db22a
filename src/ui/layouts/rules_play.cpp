// The rules window on how a turn goes and what the numbers mean.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

const FormDef& RulesPlayLayout() {
    static const FormDef form = [] {
        using namespace layout;
        FormDef f = InformationWindow(info::RulesPlay, "Play", 4905, 3060, /*maximizeButton=*/true);
        f.controls = {
            Label("lblChooseColor",
                  "-First the player chooses a color to guess by selecting the corresponding radio "
                  "button. ",
                  120, 120, 4575, 495, 0),
            Label(
                "lblOKChar",
                "-Then the player left clicks on a square which he believes is that color. If his "
                "guess is right, then the square is no longer hidden. If his guess is wrong, then "
                "the player loses. (If the player isn't sure he can right click on the square and "
                "it will just turn the color of the guess with a question mark). ",
                120, 600, 4575, 1455, 1),
            Label(
                "lblSymbol",
                "-When a square is visible there is a number on it. This is the number of squares "
                "surrounding the visible square which are a color that is checked in the Color "
                "Window. ",
                120, 1680, 4575, 975, 3),
            Button(info::btnOK, "OK", 1800, 2520, 1215, 375, 2, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
