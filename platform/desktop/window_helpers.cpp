#include "platform/desktop/window_helpers.h"

#include <QWidget>
#include <QWindow>

namespace nuvra::platform {

void MakeTransparent(QWidget& window, bool useAlpha, bool useColourKey, int alpha)
{
    window.setAttribute(Qt::WA_TranslucentBackground);
    const int applied = useAlpha && !useColourKey ? alpha : 255;
    window.setWindowOpacity(qBound(0, applied, 255) / 255.0);
}

void DragWindow(QWidget& window)
{
    if (QWindow* handle = window.windowHandle())
        handle->startSystemMove();
}

void ResizeFromRightEdge(QWidget& window)
{
    if (QWindow* handle = window.windowHandle())
        handle->startSystemResize(Qt::RightEdge);
}

void MakeBorderless(QWidget& window)
{
    window.setWindowFlag(Qt::FramelessWindowHint, true);
}

void StartSizeRestrict(QWidget& window)
{
    window.setMinimumWidth(kMinimumRestrictedWidth);
}

void StopSizeRestrict(QWidget& window)
{
    window.setMinimumWidth(0);
}

} // namespace nuvra::platform
