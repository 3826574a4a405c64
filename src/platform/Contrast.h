// Contrast between two colours as the accessibility guidelines measure it
// (WCAG 2): from 1:1 for equal colours to 21:1 for black on white. Text
// wants 4.5:1 against its background, a focus mark 3:1 against its
// surroundings.
#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace tarnel::platform {

inline double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

inline double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kTextContrast = 4.5;
constexpr double kMarkContrast = 3.0;

// Black or white, whichever stands more from `background`: at least 4.58:1
// from any colour.
inline QColor blackOrWhiteOn(const QColor& background)
{
    return contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
               ? QColor(Qt::black)
               : QColor(Qt::white);
}

// A mark drawn on `background`: `preferred` where it stands out from it
// (3:1), otherwise `fallback` (a palette's text colour) where that does,
// otherwise black or white: 3:1 whatever the palette.
inline QColor markColour(const QColor& preferred, const QColor& background, const QColor& fallback)
{
    for (const QColor& colour : {preferred, fallback}) {
        if (contrastRatio(colour, background) >= kMarkContrast) {
            return colour;
        }
    }
    return blackOrWhiteOn(background);
}

} // namespace tarnel::platform
