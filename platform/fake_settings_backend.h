#pragma once

#include "platform/settings_backend.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace nuvra::platform {

// An in-memory store for tests; it can be told to refuse writes.
class FakeSettingsBackend final : public SettingsBackend {
public:
    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) const override;
    core::Result<void, SettingsFailure> write(std::string_view application,
                                              std::string_view section, std::string_view key,
                                              std::string_view value) override;

    // While set, every write fails with this error and changes nothing.
    void setWriteFailure(std::optional<SettingsError> error) { m_writeFailure = error; }
    int writeCount() const { return m_writeCount; }

private:
    using Address = std::tuple<std::string, std::string, std::string>;

    std::map<Address, std::string, std::less<>> m_values;
    std::optional<SettingsError> m_writeFailure;
    int m_writeCount = 0;
};

} // namespace nuvra::platform
