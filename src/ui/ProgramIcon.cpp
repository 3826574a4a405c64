#include "ProgramIcon.h"

namespace {
#include "icons/tarnel.xpm"
} // namespace

namespace tarnel::ui {

QPixmap programPixmap()
{
    return QPixmap(tarnel_xpm);
}

QIcon programIcon()
{
    const QPixmap icon = programPixmap();
    QIcon result(icon);
    // Whole multiples keep the hard edges of the drawing.
    for (const int factor : {2, 4, 8}) {
        result.addPixmap(
            icon.scaled(icon.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    return result;
}

} // namespace tarnel::ui
