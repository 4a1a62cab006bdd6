#pragma once

#include "core/result.h"

#include <optional>
#include <string>
#include <string_view>

namespace nuvra::platform {

enum class SettingsError {
    InvalidName, // the application name cannot name a store (empty, '/' or NUL)
    CannotCreateFolder,
    CannotLock,
    CannotRead, // the stored texts could not be read, so they are not overwritten
    CannotWrite,
};

// A per-user key-value store of texts, addressed by application, section and key.
class SettingsBackend {
public:
    virtual ~SettingsBackend();

    // nullopt when the key is absent or its stored form is damaged.
    virtual std::optional<std::string> read(std::string_view application, std::string_view section,
                                            std::string_view key) const = 0;
    // Creates the application, section and key as needed.
    virtual core::Result<void, SettingsError> write(std::string_view application,
                                                    std::string_view section, std::string_view key,
                                                    std::string_view value) = 0;
};

} // namespace nuvra::platform
