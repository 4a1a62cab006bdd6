#include "platform/settings_backend.h"

#include <cstring>

namespace nuvra::platform {

SettingsBackend::~SettingsBackend() = default;

std::string describeSettingsFailure(const SettingsFailure& failure)
{
    std::string text;
    switch (failure.kind) {
    case SettingsError::InvalidName:
        return "invalid application name";
    case SettingsError::CannotCreateFolder:
        text = "cannot create the settings folder ";
        break;
    case SettingsError::CannotLock:
        text = "cannot lock the settings file with ";
        break;
    case SettingsError::LockTimedOut:
        text = "another program keeps the settings locked: ";
        break;
    case SettingsError::CannotRead:
        text = "cannot read the settings file ";
        break;
    case SettingsError::NotRegularFile:
        text = "the settings file ";
        text += failure.path;
        text += " is not a regular file";
        return text;
    case SettingsError::CannotWrite:
        text = "cannot write the settings file ";
        break;
    }
    text += failure.path;
    if (failure.systemError != 0) {
        text += ": ";
        text += std::strerror(failure.systemError);
    }
    return text;
}

} // namespace nuvra::platform
