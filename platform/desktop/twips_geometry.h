#pragma once

#include "platform/twips.h"

#include <QPoint>
#include <QRect>

namespace nuvra::platform {

// A rectangle given in twips, in logical pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QRect twipsRect(const TwipsRect& rect)
{
    return twipsRect(rect.left, rect.top, rect.width, rect.height);
}

inline QPoint twipsPoint(const TwipsPoint& point)
{
    return {twipsToPixels(point.left), twipsToPixels(point.top)};
}

inline TwipsPoint pointTwips(const QPoint& pixels)
{
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y())};
}

inline TwipsRect rectTwips(const QRect& pixels)
{
    return {pixelsToTwips(pixels.x()), pixelsToTwips(pixels.y()), pixelsToTwips(pixels.width()),
            pixelsToTwips(pixels.height())};
}

} // namespace nuvra::platform
