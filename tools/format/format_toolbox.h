#pragma once

#include "core/display_settings.h"

namespace nuvra::core {
struct Session;
}

namespace nuvra::tools::format {

// The Format toolbox without its window. The display settings it changes belong to the main
// display and outlive the window; the toolbox keeps only whether "all decimals" is chosen,
// recomputed from the settings whenever it is created.
class FormatToolbox {
public:
    explicit FormatToolbox(core::Session& session);

    // The indicator pictures: the chosen mode and the grouping toggle.
    core::DecimalsMode decimalsMode() const;
    bool digitGrouping() const;
    bool allDecimalsChosen() const { return m_allDecimalsChosen; }

    // The buttons for 0, 2 and 4 decimals (DecimalsMode::All is chooseAllDecimals()).
    void chooseDecimals(core::DecimalsMode mode);
    // All decimals: grouping off, and the entry set to itself so that it shows unformatted.
    void chooseAllDecimals();
    // Does nothing to the grouping while all decimals are chosen.
    void toggleGrouping();

private:
    core::DisplaySettings& settings();
    const core::DisplaySettings& settings() const;

    core::Session& m_session;
    bool m_allDecimalsChosen;
};

} // namespace nuvra::tools::format
