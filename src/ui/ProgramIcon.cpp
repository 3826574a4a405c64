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
    // Built once: every window shares the one icon and its cached images.
    static const QIcon icon = [] {
        const QPixmap pixmap = programPixmap();
        QIcon result(pixmap);
        // Whole multiples keep the hard edges of the drawing.
        for (const int factor : {2, 4, 8}) {
            result.addPixmap(pixmap.scaled(pixmap.size() * factor, Qt::IgnoreAspectRatio,
                                           Qt::FastTransformation));
        }
        return result;
    }();
    return icon;
}

} // namespace tarnel::ui
