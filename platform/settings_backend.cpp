#include "platform/settings_backend.h"

namespace nuvra::platform {

SettingsBackend::~SettingsBackend() = default;

} // namespace nuvra::platform
