// The about window of the author.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/maker.h"

#include <string>

namespace tessaline::ui {

const FormDef& AboutAuthorLayout() {
    static const std::string webAddress = std::string(5, ' ') + std::string(maker::WebAddress);
    static const FormDef form = [] {
        using namespace layout;
        FormDef f = InformationWindow(info::AboutAuthor, "About Author", 4695, 1155,
                                      /*maximizeButton=*/false);
        f.controls = {
            Label("lblText", "To find out about the author, you can visit the web site:", 120, 240,
                  3135, 495, 0),
            Label("lblWebSite", webAddress, 120, 720, 3135, 255, 1),
            Button(info::Ok, "Ok", 3360, 120, 1215, 375, 2, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
