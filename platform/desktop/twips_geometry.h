#pragma once

#include "platform/twips.h"

#include <QRect>

namespace nuvra::platform {

// A rectangle given in twips, in logical pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace nuvra::platform
