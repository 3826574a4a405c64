// Window layouts are given in twips: 1440 to the inch, 15 to the pixel at
// 96 dots per inch. Positions are rounded to the nearest pixel.
#pragma once

#include <QRect>
#include <qnamespace.h>

namespace tarnel::ui {

constexpr int twips(int value)
{
    return (value >= 0 ? value + 7 : value - 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return {twips(left), twips(top), twips(width), twips(height)};
}

// A dialog with a fixed border: title bar, system menu and close box, no
// minimise or maximise box.
constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                              Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                              Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint;

} // namespace tarnel::ui
