#include "shell/window_host.h"

namespace nuvra::shell {

ToolboxHost::~ToolboxHost() = default;
FrameHost::~FrameHost() = default;
Clipboard::~Clipboard() = default;

} // namespace nuvra::shell
