#include "shell/window_host.h"

namespace nuvra::shell {

ToolboxHost::~ToolboxHost() = default;
FrameHost::~FrameHost() = default;

} // namespace nuvra::shell
