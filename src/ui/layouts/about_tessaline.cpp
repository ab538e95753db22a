// The about window of the product: its picture (which a click swaps for the maker's), name,
// copyright, author and where to send comments.

#include "ui/layouts/information.h"
#include "ui/layouts/maker.h"

#include <string>

namespace tessaline::ui {

const FormDef& AboutTessalineLayout() {
    static const std::string author = "by " + std::string(maker::AuthorName);
    static const std::string comments =
        "If you have any comments or thoughts on this program, please send them to " +
        std::string(maker::ContactAddress);
    static const FormDef form = [] {
        using namespace information;
        FormDef f = Window("AboutTessaline", "About Tessaline", 5820, 1815, false);
        f.controls = {
            // The two pictures share one spot; the maker's waits hidden under the product's.
            PictureBox("icnTessaline", Picture::Product, true, 240, 240, 720, 720, 4),
            PictureBox("icnVantiro", Picture::Maker, false, 240, 240, 720, 720, 5),
            Text("lblName", maker::ProductVersion, 1200, 240, 3135, 255, 0),
            Text("lblCopywrite", maker::CopyrightLine, 1200, 480, 3135, 255, 2),
            Text("lblAuthor", author, 1200, 720, 3135, 255, 1),
            Text("Label1", comments, 1200, 1080, 3135, 615, 6),
            Button("Ok", "Ok", 4440, 120, 1215, 375, 3),
        };
        return f;
    }();
    return form;
}

} // namespace tessaline::ui
