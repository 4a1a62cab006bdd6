#include "shell/ui/toolbox_registry.h"

namespace nuvra::shell::ui {

ToolboxRegistry::ToolboxRegistry(FrameGeometry frameGeometry)
    : m_frameGeometry(std::move(frameGeometry))
{
}

ToolboxRegistry::~ToolboxRegistry() = default;

void ToolboxRegistry::registerToolbox(Toolbox toolbox, Factory factory)
{
    m_entries[toolbox].factory = std::move(factory);
}

void ToolboxRegistry::show(Toolbox toolbox, bool visible)
{
    Entry& entry = m_entries[toolbox];
    if (!entry.loaded && entry.factory) {
        entry.window = entry.factory(entry.placement);
        int left = 0;
        int top = 0;
        int screenWidth = 0;
        m_frameGeometry(left, top, screenWidth);
        entry.window->placeBeside(left, top, screenWidth);
        entry.window->onClose = [this, toolbox] {
            if (onCloseButton)
                onCloseButton(toolbox);
        };
    }
    entry.loaded = true;
    setVisible(toolbox, visible);
}

void ToolboxRegistry::setVisible(Toolbox toolbox, bool visible)
{
    const auto found = m_entries.find(toolbox);
    if (found == m_entries.end() || !found->second.loaded)
        return;
    found->second.visible = visible;
    if (ToolboxWindow* window = found->second.window.get())
        window->setVisible(visible);
}

void ToolboxRegistry::unload(Toolbox toolbox)
{
    const auto found = m_entries.find(toolbox);
    if (found == m_entries.end())
        return;
    // The window saves its place in the entry's placement when it goes.
    found->second.window.reset();
    found->second.loaded = false;
    found->second.visible = false;
}

void ToolboxRegistry::unloadAll()
{
    for (auto& [toolbox, entry] : m_entries) {
        entry.window.reset();
        entry.loaded = false;
        entry.visible = false;
    }
}

bool ToolboxRegistry::isLoaded(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found != m_entries.end() && found->second.loaded;
}

bool ToolboxRegistry::isVisible(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found != m_entries.end() && found->second.visible;
}

ToolboxWindow* ToolboxRegistry::window(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found == m_entries.end() ? nullptr : found->second.window.get();
}

} // namespace nuvra::shell::ui
