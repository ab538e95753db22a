#include "ui/app/pictures_glue.h"

#include "ui/pictures/pictures.h"
#include "ui/toolkit/toolkit_qt.h"

namespace tessaline::ui {

void InstallPictures(Toolkit& toolkit) {
    SetPicturePainter(toolkit, [](QPainter& painter, Picture picture, const QRectF& target) {
        DrawPicture(painter, picture, target);
    });
    SetPictureDescriber(toolkit, DescribePicture);
    SetProgramIcon(toolkit, ProgramIcon());
}

} // namespace tessaline::ui
