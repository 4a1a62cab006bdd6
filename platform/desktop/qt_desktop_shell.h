#pragma once

#include "platform/desktop_shell.h"

namespace nuvra::platform {

class QtDesktopShell final : public DesktopShell {
public:
    bool startProgram(const std::string& program, const std::vector<std::string>& args) override;
    bool openAddress(const std::string& address) override;
};

} // namespace nuvra::platform
