// The about window of the author.

#include "ui/layouts/information.h"
#include "ui/layouts/maker.h"

#include <string>

namespace tessaline::ui {

const FormDef& AboutAuthorLayout() {
    static const std::string webAddress = std::string(5, ' ') + std::string(maker::WebAddress);
    static const FormDef form = [] {
        using namespace information;
        FormDef f = Window("AboutAuthor", "About Author", 4695, 1155, false);
        f.controls = {
            Text("lblText", "To find out about the author, you can visit the web site:", 120, 240,
                 3135, 495, 0),
            Text("lblWebSite", webAddress, 120, 720, 3135, 255, 1),
            Button("Ok", "Ok", 3360, 120, 1215, 375, 2),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
