#pragma once

class QWidget;

namespace nuvra::platform {

// The window helpers every skinned window shares.

// Per-pixel transparency for the skin's rounded shapes, and the given opacity (0..255) for the
// whole window when alpha is in use without a colour key; with the colour key the window stays
// fully opaque outside its transparent pixels.
void MakeTransparent(QWidget& window, bool useAlpha, bool useColourKey, int alpha);
// Lets the user move a borderless window by its skin: the window system takes over the drag.
void DragWindow(QWidget& window);
// Lets the user stretch a borderless window by its right edge: the window system takes over.
void ResizeFromRightEdge(QWidget& window);
// Removes the caption, the sizing frame and the edges.
void MakeBorderless(QWidget& window);
// The narrowest the Equation toolbox may be dragged to.
inline constexpr int kMinimumRestrictedWidth = 200;
void StartSizeRestrict(QWidget& window);
void StopSizeRestrict(QWidget& window);

} // namespace nuvra::platform
