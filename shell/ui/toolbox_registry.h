#pragma once

#include "platform/twips.h"
#include "shell/menu_model.h"
#include "shell/ui/toolbox_window.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace nuvra::shell::ui {

// Where the frame stands, for a toolbox's first place beside it.
struct FramePlace {
    platform::TwipsPoint frame;
    int screenWidthTwips = 0;
};

// The toolbox windows: each registers a factory; the registry loads, shows, hides and unloads
// them, places them (the first place of a run by the toolbox table, later where they were left)
// and carries out their own close buttons: unload or hide as the table says, then onClosed so
// that the menu clears the mark. A toolbox without a factory (its window comes later) is only a
// loaded and visible state.
class ToolboxRegistry : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<ToolboxWindow*()>;

    explicit ToolboxRegistry(std::function<FramePlace()> framePlace);
    ~ToolboxRegistry() override;

    void add(Toolbox toolbox, Factory factory);
    bool hasFactory(Toolbox toolbox) const;
    std::function<void(Toolbox)> onClosed;
    // A window changed the session; everything shown renders again.
    std::function<void()> onCommandDone;

    void show(Toolbox toolbox, bool visible);
    void setVisible(Toolbox toolbox, bool visible);
    void unload(Toolbox toolbox);
    void unloadAll();
    bool isLoaded(Toolbox toolbox) const;
    bool isVisible(Toolbox toolbox) const;
    ToolboxWindow* window(Toolbox toolbox) const;
    // Where the window stood when it was last hidden or unloaded in this run.
    std::optional<platform::TwipsPoint> rememberedPlace(Toolbox toolbox) const;
    // Every loaded window reads the session and the models again.
    void renderAll();

private:
    struct Entry {
        Factory factory;
        QPointer<ToolboxWindow> window;
        std::optional<platform::TwipsPoint> place;
        bool loaded = false;
        bool visible = false;
    };

    void remember(Entry& entry);
    void closeButtonReleased(Toolbox toolbox);

    std::function<FramePlace()> m_framePlace;
    std::map<Toolbox, Entry> m_entries;
    // Unloaded windows waiting for their deferred deletion; whatever is left goes with the
    // registry.
    std::vector<QPointer<ToolboxWindow>> m_unloaded;
};

} // namespace nuvra::shell::ui
