// The about window of the maker: its picture, web site and where to ask for its home page.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/maker.h"

#include <string>

namespace tessaline::ui {

const FormDef& AboutVantiroLayout() {
    static const std::string webAddress = std::string(6, ' ') + std::string(maker::WebAddress);
    static const std::string homePageAddress =
        std::string(6, ' ') + std::string(maker::HomePageAddress);
    static const FormDef form = [] {
        using namespace layout;
        FormDef f = InformationWindow(info::AboutVantiro, "About Vantiro Software", 6300, 2235,
                                      /*maximizeButton=*/false);
        f.controls = {
            // Hidden here; the window's load step shows it.
            PictureBox(info::icnVantiro, Picture::Maker, false, 240, 240, 720, 720, 1),
            Label(
                "lblWebPage",
                "To find out more about Vantiro Software and about other programs made by Vantiro "
                "Software you can visit our web site. Our website can be reached from the web "
                "site: ",
                1080, 120, 3135, 975, 2),
            Label("lblorv", webAddress, 1080, 960, 3135, 255, 4),
            Label(
                "lblGetWebPage",
                " Or, we will send you the current URL of Vantiro Software's home pae if you send "
                "an e-mail to:",
                1080, 1200, 3255, 735, 3),
            // Reaches below the client area; the address takes one line.
            Label("Label3", homePageAddress, 1080, 1920, 2535, 1455, 5),
            Button(info::Ok, "Ok", 4440, 120, 1215, 375, 0, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
