// The colours that stand for the owner pictures on screen.
#pragma once

#include "engine/Types.h"

#include <QColor>
#include <QPalette>

namespace tarnel::ui {

inline const QColor kRedColour{0xCC, 0x00, 0x00};
inline const QColor kYellowColour{0xFF, 0xFF, 0x00};
inline const QColor kBlueColour{0x33, 0x00, 0xCC};
// Where the board has a hole, the application workspace shows through: the
// palette's dark role, what a multiple-document area shows, so that it
// follows a dark or high-contrast desktop.
constexpr QPalette::ColorRole kWorkspaceRole = QPalette::Dark;

// The flat colour a picture shows; Gray (the empty picture) has none.
inline QColor pictureColour(Picture picture)
{
    switch (picture) {
    case Picture::red:
        return kRedColour;
    case Picture::yellow:
        return kYellowColour;
    case Picture::Blue:
        return kBlueColour;
    case Picture::Gray:
        break;
    }
    return {};
}

} // namespace tarnel::ui
