#include "platform/fake_startup_list.h"

namespace nuvra::platform {

core::Result<void, StartupError> FakeStartupList::add(std::string_view name,
                                                      const StartupCommand& command)
{
    ++m_addCount;
    if (m_addFailure) {
        return core::unexpected(*m_addFailure);
    }
    if (name.empty()) {
        return core::unexpected(StartupError::InvalidName);
    }
    if (command.program.empty()) {
        return core::unexpected(StartupError::InvalidCommand);
    }
    m_entries.insert_or_assign(std::string(name), command);
    return {};
}

core::Result<void, StartupError> FakeStartupList::remove(std::string_view name)
{
    ++m_removeCount;
    const auto found = m_entries.find(name);
    if (found != m_entries.end()) {
        m_entries.erase(found);
    }
    return {};
}

std::optional<StartupCommand> FakeStartupList::entry(std::string_view name) const
{
    const auto found = m_entries.find(name);
    if (found == m_entries.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace nuvra::platform
