// The windows as one list, and look-ups by name.

#include "ui/layouts/layouts.h"

namespace tessaline::ui {

const std::vector<const FormDef*>& AllLayouts() {
    static const std::vector<const FormDef*> all{
        &ColorLayout(),          &BoardLayout(),          &OptionsLayout(),
        &CustomizeBoardLayout(), &ErrorAZLayout(),        &TimeLayout(),
        &PlayerWinLayout(),      &RulesObjectLayout(),    &RulesPlayLayout(),
        &RulesCustomizeLayout(), &AboutTessalineLayout(), &AboutVantiroLayout(),
        &AboutAuthorLayout(),    &LicenseLayout()};
    return all;
}

const FormDef* FindLayout(std::string_view name) {
    for (const FormDef* form : AllLayouts()) {
        if (form->name == name) {
            return form;
        }
    }
    return nullptr;
}

const ControlDef* FindControl(const FormDef& form, std::string_view name, int index) {
    for (const ControlDef& control : form.controls) {
        if (control.name == name && control.index == index) {
            return &control;
        }
    }
    return nullptr;
}

} // namespace tessaline::ui
