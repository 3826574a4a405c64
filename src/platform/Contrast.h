// Contrast between two colours as the accessibility guidelines measure it
// (WCAG 2): from 1:1 for equal colours to 21:1 for black on white. Text
// wants 4.5:1 against its background, a focus mark 3:1 against its
// surroundings. A colour is measured as it is drawn: one that is partly or
// wholly transparent shows blended with what lies under it.
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

// `colour` as it shows when painted over `under` (taken as it shows):
// blended by its alpha, channel by channel, as QPainter blends them.
inline QColor drawnOver(const QColor& colour, const QColor& under)
{
    const float alpha = colour.alphaF();
    const auto blend = [alpha](float top, float bottom) {
        return alpha * top + (1 - alpha) * bottom;
    };
    return QColor::fromRgbF(blend(colour.redF(), under.redF()),
                            blend(colour.greenF(), under.greenF()),
                            blend(colour.blueF(), under.blueF()));
}

// The contrast of `colour` drawn over `background`.
inline double contrastRatio(const QColor& colour, const QColor& background)
{
    const double la = relativeLuminance(drawnOver(colour, background));
    const double lb = relativeLuminance(background);
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
