#include "cli/commands.h"

namespace nuvra::cli {

std::vector<CommandEntry> toolCommands()
{
    return {};
}

} // namespace nuvra::cli
