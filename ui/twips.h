#pragma once

#include <QPoint>
#include <QRect>
#include <QtMath>

#include <cmath>

namespace vexo {

// Window layouts are measured in twips; at 96 DPI a logical pixel is 15 twips.
// Qt's high-DPI scaling takes it from logical to device pixels.
inline constexpr double TwipsPerPixel = 15.0;

inline int twipsToPixels(double twips)
{
    return qRound(twips / TwipsPerPixel);
}

inline double pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// Each edge is converted on its own so that adjacent controls stay adjacent.
inline QRect twipsRect(double left, double top, double width, double height)
{
    const int l = twipsToPixels(left);
    const int t = twipsToPixels(top);
    return QRect(l, t, twipsToPixels(left + width) - l, twipsToPixels(top + height) - t);
}

inline QPoint twipsPoint(double left, double top)
{
    return QPoint(twipsToPixels(left), twipsToPixels(top));
}

// The whole number of pixels nearest to a distance, in twips: rows and columns
// this far apart are evenly spaced on the screen, where a fractional pitch
// would step by one pixel more now and then.
inline double wholePixels(double twips)
{
    return twipsToPixels(twips) * TwipsPerPixel;
}

// Halves go to the even neighbour, as the layouts' own arithmetic does.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace vexo
