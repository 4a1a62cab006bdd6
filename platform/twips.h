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

// A place on the screen or in a window, in twips.
struct TwipsPoint {
    int left = 0;
    int top = 0;

    bool operator==(const TwipsPoint&) const = default;
};

// A rectangle in twips: its top-left corner, then its size.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipsRect&) const = default;
};

} // namespace nuvra::platform
