#include "shell/ui/toolbox_registry.h"

#include "platform/desktop/twips_geometry.h"

namespace nuvra::shell::ui {

ToolboxRegistry::ToolboxRegistry(std::function<FramePlace()> framePlace)
    : m_framePlace(std::move(framePlace))
{
}

ToolboxRegistry::~ToolboxRegistry()
{
    for (auto& [toolbox, entry] : m_entries)
        delete entry.window;
    for (const QPointer<ToolboxWindow>& window : m_unloaded)
        delete window;
}

void ToolboxRegistry::add(Toolbox toolbox, Factory factory)
{
    m_entries[toolbox].factory = std::move(factory);
}

bool ToolboxRegistry::hasFactory(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found != m_entries.end() && found->second.factory;
}

void ToolboxRegistry::show(Toolbox toolbox, bool visible)
{
    Entry& entry = m_entries[toolbox];
    if (!entry.loaded && entry.factory) {
        ToolboxWindow* window = entry.factory();
        entry.window = window;
        const FramePlace frame = m_framePlace();
        const platform::TwipsPoint place =
            entry.place ? *entry.place : window->firstPlace(frame.frame, frame.screenWidthTwips);
        window->move(platform::twipsPoint(place));
        connect(window, &ToolboxWindow::closeRequested, this,
                [this, toolbox] { closeButtonReleased(toolbox); });
        connect(window, &ToolboxWindow::commandDone, this, [this] {
            if (onCommandDone)
                onCommandDone();
        });
        connect(window, &ToolboxWindow::visibilityRequested, this,
                [this, toolbox](bool shown) { setVisible(toolbox, shown); });
    }
    entry.loaded = true;
    setVisible(toolbox, visible);
}

void ToolboxRegistry::setVisible(Toolbox toolbox, bool visible)
{
    const auto found = m_entries.find(toolbox);
    if (found == m_entries.end() || !found->second.loaded)
        return;
    Entry& entry = found->second;
    if (!visible && entry.visible)
        remember(entry);
    entry.visible = visible;
    if (entry.window)
        entry.window->setVisible(visible);
}

void ToolboxRegistry::remember(Entry& entry)
{
    if (entry.window)
        entry.place = platform::pointTwips(entry.window->pos());
}

void ToolboxRegistry::unload(Toolbox toolbox)
{
    const auto found = m_entries.find(toolbox);
    if (found == m_entries.end())
        return;
    Entry& entry = found->second;
    remember(entry);
    if (entry.window) {
        entry.window->aboutToUnload();
        entry.window->hide();
        // The window may be unloading itself from its own close button.
        entry.window->deleteLater();
        std::erase_if(m_unloaded,
                      [](const QPointer<ToolboxWindow>& gone) { return gone.isNull(); });
        m_unloaded.push_back(entry.window);
        entry.window = nullptr;
    }
    entry.loaded = false;
    entry.visible = false;
}

void ToolboxRegistry::unloadAll()
{
    for (auto& [toolbox, entry] : m_entries)
        unload(toolbox);
}

bool ToolboxRegistry::isLoaded(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found != m_entries.end() && found->second.loaded;
}

bool ToolboxRegistry::isVisible(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found != m_entries.end() && found->second.loaded && found->second.visible;
}

ToolboxWindow* ToolboxRegistry::window(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found == m_entries.end() ? nullptr : found->second.window.data();
}

std::optional<platform::TwipsPoint> ToolboxRegistry::rememberedPlace(Toolbox toolbox) const
{
    const auto found = m_entries.find(toolbox);
    return found == m_entries.end() ? std::nullopt : found->second.place;
}

void ToolboxRegistry::renderAll()
{
    for (auto& [toolbox, entry] : m_entries) {
        if (entry.window)
            entry.window->render();
    }
}

void ToolboxRegistry::closeButtonReleased(Toolbox toolbox)
{
    if (toolboxSpec(toolbox).closing == CloseKind::Hide)
        setVisible(toolbox, false);
    else
        unload(toolbox);
    if (onClosed)
        onClosed(toolbox);
}

} // namespace nuvra::shell::ui
