#pragma once

#include "art/kit/control_table.h"
#include "sci/memory_tax.h"
#include "sci/statistics_page.h"
#include "shell/ui/toolbox_window.h"

#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace nuvra::shell::ui {
struct ToolboxContext;
}

namespace nuvra::sci::ui {

// The scientific and statistics toolbox "sci": two pages behind the tabs, the page shown being
// the one whose menu item is checked. The scientific keys, the statistics list and the
// memory and tax bar are the models of this module; the window binds its keys to them.
class SciWindow : public shell::ui::ToolboxWindow {
    Q_OBJECT
public:
    explicit SciWindow(shell::ui::ToolboxContext& context);
    ~SciWindow() override;

    void render() override;
    void aboutToUnload() override;

    const MemoryTaxBar& bar() const { return m_bar; }
    const StatisticsPage& statistics() const { return *m_statistics; }
    // The lit ring of the key under the pointer ("cmd1" on the scientific page, "cmd2" on the
    // statistics page), or nullptr while none is shown.
    QWidget* shownHighlight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void connectScientificKeys();
    void connectBarKeys();
    void connectStatisticsKeys();
    // After a key: the keypad takes the keyboard again and the other windows render.
    void keyDone();
    void highlight(QWidget& key, QWidget& frame);
    void hideHighlights();
    void showPage(bool statistics);
    void renderStatistics();

    shell::ui::ToolboxContext& m_context;
    MemoryTaxBar m_bar;
    std::unique_ptr<StatisticsPage> m_statistics;
    kit::Controls m_window;
    kit::Controls m_keys;
    kit::Controls m_barKeys;
    kit::Controls m_statisticsControls;
    QListWidget* m_list = nullptr;
    std::vector<std::string> m_listed; // the items the list shows
    QLabel* m_result = nullptr;
};

} // namespace nuvra::sci::ui
