#pragma once

#include "platform/settings_backend.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::platform {

// Keeps each application's settings in "<directory>/<application>.ini", one "[section]" line
// per section and one "key=value" line per key. Texts are stored exactly: a backslash, a
// control character, and '=' or ']' in a key or section are written as backslash escapes, as
// are '[', ';' and '#' at the start of a key.
//
// Nothing is cached: every read opens the file. A line that does not parse reads as absent and
// is dropped by the next write, which keeps every line that did parse. Writes take a lock file
// beside the settings file and replace the file in one step, so that two processes writing
// different keys at the same time keep each other's keys.
class IniSettingsBackend final : public SettingsBackend {
public:
    explicit IniSettingsBackend(std::filesystem::path directory);

    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) const override;
    core::Result<void, SettingsError> write(std::string_view application, std::string_view section,
                                            std::string_view key, std::string_view value) override;

    const std::filesystem::path& directory() const { return m_directory; }

private:
    std::filesystem::path m_directory;
};

} // namespace nuvra::platform
