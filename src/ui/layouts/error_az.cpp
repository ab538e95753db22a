// The error window: the one message for an entry that is not a number.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"

namespace tessaline::ui {

namespace {

FormDef Build() {
    using namespace layout;
    FormDef form = FixedDialog(error_az::Window, "Error AZ", 2625, 1380,
                               std::nullopt); // where the window system puts new windows
    form.controls = {
        Label("lblError", "All values must be numbers", 240, 240, 2055, 375, 1),
        Button(error_az::btnOK, "OK", 720, 720, 1095, 375, 0, ButtonRole::Default),
    };
    return form;
}

} // namespace

const FormDef& ErrorAZLayout() {
    static const FormDef form = Build();
    return form;
}

} // namespace tessaline::ui
