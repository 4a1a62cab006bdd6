#pragma once

#include "shell/menu_model.h"
#include "shell/ui/toolbox_window.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>

namespace nuvra::shell::ui {

// The toolbox windows the menu opens and closes. Each toolbox registers a factory; a toolbox
// without one (its window comes later) is only a loaded and visible state.
class ToolboxRegistry {
public:
    using Factory = std::function<std::unique_ptr<ToolboxWindow>(ToolboxPlacement& placement)>;
    // Where the frame is, for a toolbox's first placement beside it (twips).
    using FrameGeometry = std::function<void(int& left, int& top, int& screenWidth)>;

    explicit ToolboxRegistry(FrameGeometry frameGeometry);
    ~ToolboxRegistry();

    void registerToolbox(Toolbox toolbox, Factory factory);
    // The toolbox's own close button calls this with the toolbox.
    std::function<void(Toolbox)> onCloseButton;

    void show(Toolbox toolbox, bool visible);
    void setVisible(Toolbox toolbox, bool visible);
    void unload(Toolbox toolbox);
    void unloadAll();
    bool isLoaded(Toolbox toolbox) const;
    bool isVisible(Toolbox toolbox) const;
    ToolboxWindow* window(Toolbox toolbox) const;

private:
    struct Entry {
        Factory factory;
        ToolboxPlacement placement;
        std::unique_ptr<ToolboxWindow> window;
        bool loaded = false;
        bool visible = false;
    };

    FrameGeometry m_frameGeometry;
    std::map<Toolbox, Entry> m_entries;
};

} // namespace nuvra::shell::ui
