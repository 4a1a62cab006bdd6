#include "platform/startup_list.h"

namespace nuvra::platform {

StartupList::~StartupList() = default;

} // namespace nuvra::platform
