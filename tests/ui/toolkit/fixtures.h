#pragma once
// Small window definitions and an event recorder shared by the toolkit tests.

#include "model/describe.h"
#include "qt_test_support.h"
#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"
#include "ui/toolkit/state.h"
#include "ui/toolkit/toolkit.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tessaline::ui::test {

// Every event a window raises, as one readable line each.
class Recorder {
  public:
    // Binds handlers that record every event of the window `def` defines: each
    // of its controls and menu commands.
    void Bind(Toolkit& toolkit, const FormDef& def) {
        Form& window = toolkit[def.name];
        const std::string form(def.name);
        window.OnLoad([this, form] { Record(form + " load"); });
        for (const ControlDef& control : def.controls) {
            Control& handle = window(control.name, control.index);
            const std::string name = Name(control.name, control.index);
            switch (control.kind) {
            case ControlKind::Label:
                BindMouse(handle, form, name);
                break;
            case ControlKind::Timer:
                handle.OnTick([this, form, name] { Record(form + " timer " + name); });
                break;
            case ControlKind::TextBox:
                break;
            default:
                handle.OnClick([this, form, name] { Record(form + " click " + name); });
            }
        }
        if (def.board) {
            for (int index = 0; index < def.board->columns * def.board->rows; ++index) {
                BindMouse(window(def.board->name, index), form, Name(def.board->name, index));
            }
        }
        BindMenus(window, form, def.menus);
    }
    // Defines the window `def` with handlers that record its events.
    void Define(Toolkit& toolkit, const FormDef& def) {
        toolkit.Define(def);
        Bind(toolkit, def);
    }
    void Record(const std::string& event) { events_.push_back(event); }

    const std::vector<std::string>& Events() const { return events_; }
    std::string Last() const { return events_.empty() ? std::string() : events_.back(); }
    int Count(const std::string& event) const {
        int count = 0;
        for (const std::string& seen : events_) {
            count += seen == event ? 1 : 0;
        }
        return count;
    }
    int Size() const { return static_cast<int>(events_.size()); }
    void Clear() { events_.clear(); }

  private:
    void BindMouse(Control& label, const std::string& form, const std::string& name) {
        label.OnMouse([this, form, name](bool down, int button, int shift, float x, float y) {
            Record(form + (down ? " down " : " up ") + name + Mouse(button, shift, x, y));
        });
    }
    void BindMenus(Form& window, const std::string& form, const std::vector<MenuDef>& menus) {
        for (const MenuDef& menu : menus) {
            if (!menu.items.empty()) {
                BindMenus(window, form, menu.items);
                continue;
            }
            const std::string item(menu.name);
            window.Menu(item).OnClick([this, form, item] { Record(form + " menu " + item); });
        }
    }
    static std::string Name(std::string_view control, int index) {
        return detail::Describe(control, index);
    }
    static std::string Mouse(int button, int shift, float x, float y) {
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, " button %d shift %d at %g,%g", button, shift,
                      static_cast<double>(x), static_cast<double>(y));
        return numbers;
    }

    std::vector<std::string> events_;
};

// A control of a test window, through the builders the program's layouts use.
inline ControlDef Make(ControlKind kind, std::string_view name, int index, std::string_view caption,
                       int left, int top, int width, int height, int tab = -1) {
    return layout::Item(index, layout::Placed(kind, name, caption, left, top, width, height, tab));
}

// The main window's colour controls: check boxes, radio buttons (the first
// selected) and a label, with a menu bar.
inline FormDef ColourDef() {
    FormDef def;
    def.name = "Color";
    def.caption = "Tessaline";
    def.clientWidth = 7530;
    def.clientHeight = 1275;
    for (int i = 1; i <= 6; ++i) {
        const int left = 1680 + 960 * (i - 1);
        def.controls.push_back(Make(ControlKind::CheckBox, "cbxScan", i,
                                    ColourName(static_cast<Int16>(i)), left, 120, 1335, 255,
                                    2 * (i - 1)));
        ControlDef radio = Make(ControlKind::RadioButton, "rbtGuess", i,
                                ColourName(static_cast<Int16>(i)), left, 960, 855, 195, 2 * i - 1);
        radio.value = i == 1;
        def.controls.push_back(radio);
    }
    def.controls.push_back(
        Make(ControlKind::Label, "lblScan", -1, "Colors Scanned", 120, 120, 1335, 255, 8));
    def.menus = {
        MenuDef{"M_Game", "&Game", {{"G_NewGame", "&New Game", {}}, {"G_Exit", "&Exit", {}}}},
        MenuDef{"M_Options", " &Options", {{"O_Options", "&Options...", {}}}},
        MenuDef{"M_Info",
                "&Info",
                {{"I_About", "&About", {{"I_A_Tessaline", "&Tessaline", {}}}},
                 {"I_License", "&License", {}}}},
    };
    return def;
}

// A dialog with a default button and, if asked, a cancel button.
inline FormDef KeysDef(bool withCancel) {
    FormDef def;
    def.name = "Keys";
    def.caption = "Keys";
    def.clientWidth = 4005;
    def.clientHeight = 2550;
    def.border = BorderKind::FixedSingle;
    ControlDef ok = Make(ControlKind::CommandButton, "btnOK", -1, "OK", 2760, 240, 975, 375, 2);
    ok.isDefault = true;
    ControlDef cancel =
        Make(ControlKind::CommandButton, "lblCancel", -1, "Cancel", 2760, 720, 975, 375, 4);
    cancel.isCancel = withCancel;
    def.controls = {
        Make(ControlKind::Label, "lblText", -1, "Height", 240, 1320, 615, 255, 5),
        Make(ControlKind::TextBox, "txtText", -1, "", 240, 240, 495, 285, 0),
        Make(ControlKind::CheckBox, "cbxBox", -1, "Box", 240, 720, 1335, 255, 1),
        ok,
        Make(ControlKind::CommandButton, "btnOther", -1, "Other", 2760, 1200, 975, 375, 3),
        cancel,
    };
    return def;
}

} // namespace tessaline::ui::test
