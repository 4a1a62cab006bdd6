#pragma once

#include "cli/commands.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::cli {

// What one in-process run of a command printed and returned.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCommandFunction(CommandFunction run, const std::vector<std::string>& args,
                                 const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run(args, in, out, err);
    return {status, out.str(), err.str()};
}

// Runs the named command of a command table; status -1 when the table has no such command.
inline CliRun runCommandOf(const std::vector<CommandEntry>& commands, std::string_view name,
                           const std::vector<std::string>& args, const std::string& input = "")
{
    for (const CommandEntry& command : commands) {
        if (command.name == name)
            return runCommandFunction(command.run, args, input);
    }
    return {-1, "", "no such command"};
}

} // namespace nuvra::cli
