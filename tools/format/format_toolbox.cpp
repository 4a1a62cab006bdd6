#include "tools/format/format_toolbox.h"

#include "core/session.h"

#include <string>

namespace nuvra::tools::format {

FormatToolbox::FormatToolbox(core::Session& session)
    : m_session(session), m_allDecimalsChosen(settings().decimalsMode == core::DecimalsMode::All)
{
}

core::DisplaySettings& FormatToolbox::settings()
{
    return m_session.display.settings();
}

const core::DisplaySettings& FormatToolbox::settings() const
{
    return m_session.display.settings();
}

core::DecimalsMode FormatToolbox::decimalsMode() const
{
    return settings().decimalsMode;
}

bool FormatToolbox::digitGrouping() const
{
    return settings().digitGrouping;
}

void FormatToolbox::chooseDecimals(core::DecimalsMode mode)
{
    if (mode == core::DecimalsMode::All) {
        chooseAllDecimals();
        return;
    }
    settings().decimalsMode = mode;
    m_allDecimalsChosen = false;
    core::SetFormatPatterns(settings());
    m_session.feedback.playClick();
}

void FormatToolbox::chooseAllDecimals()
{
    settings().decimalsMode = core::DecimalsMode::All;
    settings().digitGrouping = false;
    m_session.display.setEntry(std::string(m_session.display.entry()));
    m_allDecimalsChosen = true;
    core::SetFormatPatterns(settings());
    m_session.feedback.playClick();
}

void FormatToolbox::toggleGrouping()
{
    if (!m_allDecimalsChosen)
        settings().digitGrouping = !settings().digitGrouping;
    core::SetFormatPatterns(settings());
    m_session.feedback.playClick();
}

} // namespace nuvra::tools::format
