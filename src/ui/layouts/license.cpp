// The licence-information window: under which terms Tessaline is given and where they are found.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

const FormDef& LicenseLayout() {
    static const FormDef form = [] {
        using namespace layout;
        FormDef f =
            InformationWindow(info::License, "License", 4695, 1215, /*maximizeButton=*/false);
        f.controls = {
            Label("lblText",
                  "Tessaline is free software under the GNU GPL, version 3 or later, with no "
                  "warranty. See COPYING or /usr/share/common-licenses/GPL-3.",
                  120, 240, 3135, 975, 0),
            Button(info::Ok, "Ok", 3360, 120, 1215, 375, 1, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
