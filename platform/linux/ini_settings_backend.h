#pragma once

#include "platform/settings_backend.h"

#include <chrono>
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
// Files edited by hand read as they were meant: CRLF line ends, a missing final line end and a
// UTF-8 byte order mark are understood, and a write keeps them.
//
// Nothing is cached: every read opens the file. A line that does not parse reads as absent and
// a write keeps it verbatim where it stood. Writes take a lock file beside the settings file
// and replace the file in one step, so that two processes writing different keys at the same
// time keep each other's keys; a write that cannot get the lock within `lockWait` fails.
class IniSettingsBackend final : public SettingsBackend {
public:
    static constexpr std::chrono::milliseconds kLockWait{2000};

    explicit IniSettingsBackend(std::filesystem::path directory,
                                std::chrono::milliseconds lockWait = kLockWait);

    std::optional<std::string> read(std::string_view application, std::string_view section,
                                    std::string_view key) const override;
    core::Result<void, SettingsFailure> write(std::string_view application,
                                              std::string_view section, std::string_view key,
                                              std::string_view value) override;

    const std::filesystem::path& directory() const { return m_directory; }

private:
    std::filesystem::path m_directory;
    std::chrono::milliseconds m_lockWait;
};

} // namespace nuvra::platform
