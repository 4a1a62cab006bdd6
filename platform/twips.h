#pragma once

namespace nuvra::platform {

// Positions and sizes of the skinned windows are kept in twips, as the layout tables give them;
// this is the one place where they become logical pixels (Qt scales those to the screen).
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace nuvra::platform
