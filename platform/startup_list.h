#pragma once

#include "core/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::platform {

enum class StartupError {
    InvalidName,    // the value name gives no usable entry name
    InvalidCommand, // the program is empty
    CannotWrite,
    CannotRemove,
};

// A program and its arguments, each argument one word however many blanks it holds.
struct StartupCommand {
    std::string program;
    std::vector<std::string> arguments;

    bool operator==(const StartupCommand&) const = default;
};

// The per-user list of programs that start when the user logs on, keyed by value name.
class StartupList {
public:
    virtual ~StartupList();

    // Replaces an entry of the same name.
    virtual core::Result<void, StartupError> add(std::string_view name,
                                                 const StartupCommand& command) = 0;
    // Removing an absent entry succeeds.
    virtual core::Result<void, StartupError> remove(std::string_view name) = 0;
    virtual std::optional<StartupCommand> entry(std::string_view name) const = 0;
};

} // namespace nuvra::platform
