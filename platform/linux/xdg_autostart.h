#pragma once

#include "platform/startup_list.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::platform {

// The start-up list as freedesktop autostart entries: one "<file name>.desktop" file per value
// name in the given folder (usually ~/.config/autostart).
class XdgAutostart final : public StartupList {
public:
    explicit XdgAutostart(std::filesystem::path directory);

    core::Result<void, StartupError> add(std::string_view name,
                                         const StartupCommand& command) override;
    core::Result<void, StartupError> remove(std::string_view name) override;
    // nullopt when the entry is missing, hidden, or carries no usable Exec line.
    std::optional<StartupCommand> entry(std::string_view name) const override;

    // "Nuvra Updater" → "nuvra-updater.desktop": lower case, blanks to '-', only a-z, 0-9, '-'
    // and '_' kept. Empty when nothing is left.
    static std::string entryFileName(std::string_view name);

    const std::filesystem::path& directory() const { return m_directory; }

private:
    std::filesystem::path m_directory;
};

// The Exec value of a desktop entry: words joined by blanks, a word with a reserved character
// double-quoted, '%' doubled, and then the string escapes of the format applied.
std::string desktopExecLine(const StartupCommand& command);
// The inverse; nullopt for a line that breaks the quoting rules or names no program.
std::optional<StartupCommand> parseDesktopExecLine(std::string_view line);

} // namespace nuvra::platform
