#include "platform/fake_settings_backend.h"

namespace nuvra::platform {

std::optional<std::string> FakeSettingsBackend::read(std::string_view application,
                                                     std::string_view section,
                                                     std::string_view key) const
{
    const auto found =
        m_values.find(Address{std::string(application), std::string(section), std::string(key)});
    if (found == m_values.end()) {
        return std::nullopt;
    }
    return found->second;
}

core::Result<void, SettingsFailure> FakeSettingsBackend::write(std::string_view application,
                                                             std::string_view section,
                                                             std::string_view key,
                                                             std::string_view value)
{
    ++m_writeCount;
    if (m_writeFailure) {
        return core::unexpected(SettingsFailure{*m_writeFailure, 0, {}});
    }
    if (application.empty()) {
        return core::unexpected(SettingsFailure{SettingsError::InvalidName, 0, {}});
    }
    m_values[Address{std::string(application), std::string(section), std::string(key)}] =
        std::string(value);
    return {};
}

} // namespace nuvra::platform
