// The about window of the product: its picture (which a click swaps for the maker's), name,
// copyright, author and where to send comments.

#include "ui/layouts/builders.h"
#include "ui/layouts/layouts.h"
#include "ui/layouts/maker.h"

#include <string>

namespace tessaline::ui {

const FormDef& AboutTessalineLayout() {
    static const std::string author = "by " + std::string(maker::AuthorName);
    static const std::string comments =
        "If you have any comments or thoughts on this program, please send them to " +
        std::string(maker::ContactAddress);
    static const FormDef form = [] {
        using namespace layout;
        FormDef f = InformationWindow(info::AboutTessaline, "About Tessaline", 5820, 1815,
                                      /*maximizeButton=*/false);
        f.controls = {
            // The two pictures share one spot; the maker's waits hidden under the product's.
            PictureBox(info::icnTessaline, Picture::Product, true, 240, 240, 720, 720, 4),
            PictureBox(info::icnVantiro, Picture::Maker, false, 240, 240, 720, 720, 5),
            Label("lblName", maker::ProductVersion, 1200, 240, 3135, 255, 0),
            Label("lblCopywrite", maker::CopyrightLine, 1200, 480, 3135, 255, 2),
            Label("lblAuthor", author, 1200, 720, 3135, 255, 1),
            Label("Label1", comments, 1200, 1080, 3135, 615, 6),
            Button(info::Ok, "Ok", 4440, 120, 1215, 375, 3, ButtonRole::Default),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
