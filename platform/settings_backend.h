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
    LockTimedOut,   // another process held the lock for longer than a write waits
    CannotRead,     // the stored texts could not be read, so they are not overwritten
    NotRegularFile, // a FIFO, device or folder stands where the settings file belongs
    CannotWrite,
};

// Why a write failed: the kind, the system's error number of the failing call (0 when there
// is none) and the file or folder it concerned.
struct SettingsFailure {
    SettingsError kind = SettingsError::CannotWrite;
    int systemError = 0;
    std::string path;
};

// One line for a person: what failed, where, and the system's reason, e.g.
// "cannot create the settings folder /a/b: Permission denied".
std::string describeSettingsFailure(const SettingsFailure& failure);

// A per-user key-value store of texts, addressed by application, section and key.
class SettingsBackend {
public:
    virtual ~SettingsBackend();

    // nullopt when the key is absent or its stored form is damaged. Never waits for a writer.
    virtual std::optional<std::string> read(std::string_view application, std::string_view section,
                                            std::string_view key) const = 0;
    // Creates the application, section and key as needed.
    virtual core::Result<void, SettingsFailure> write(std::string_view application,
                                                      std::string_view section,
                                                      std::string_view key,
                                                      std::string_view value) = 0;
};

} // namespace nuvra::platform
