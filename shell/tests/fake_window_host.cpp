#include "shell/tests/fake_window_host.h"

namespace nuvra::shell {

void FakeToolboxHost::showToolbox(Toolbox toolbox, bool visible)
{
    Window& window = m_windows[toolbox];
    if (!window.loaded) {
        window.loaded = true;
        ++window.loads;
    }
    window.visible = visible;
}

void FakeToolboxHost::setToolboxVisible(Toolbox toolbox, bool visible)
{
    Window& window = m_windows[toolbox];
    if (window.loaded)
        window.visible = visible;
}

void FakeToolboxHost::unloadToolbox(Toolbox toolbox)
{
    Window& window = m_windows[toolbox];
    window.loaded = false;
    window.visible = false;
}

bool FakeToolboxHost::isToolboxLoaded(Toolbox toolbox) const
{
    return window(toolbox).loaded;
}

bool FakeToolboxHost::isVisible(Toolbox toolbox) const
{
    const Window& found = window(toolbox);
    return found.loaded && found.visible;
}

const FakeToolboxHost::Window& FakeToolboxHost::window(Toolbox toolbox) const
{
    static const Window kNeverLoaded;
    const auto found = m_windows.find(toolbox);
    return found == m_windows.end() ? kNeverLoaded : found->second;
}

} // namespace nuvra::shell
