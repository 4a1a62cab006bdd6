#pragma once

#include <string>
#include <vector>

namespace nuvra::platform {

// Opening things with the desktop: programs, web pages, mail addresses. Failures are reported
// as false and otherwise ignored by the callers.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Starts a program that lives on after this one; false when it is missing or cannot start.
    virtual bool startProgram(const std::string& program, const std::vector<std::string>& args) = 0;
    // Opens a web page or a "mailto:" address with the desktop's default program.
    virtual bool openAddress(const std::string& address) = 0;
};

} // namespace nuvra::platform
