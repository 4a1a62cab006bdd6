#include "cli/commands.h"

namespace nuvra::cli {

std::vector<CommandEntry> scienceCommands()
{
    return {};
}

} // namespace nuvra::cli
