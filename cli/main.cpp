#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/output_status.h"
#include "cli/setting_command.h"

#include <cerrno>
#include <iostream>
#include <string_view>

namespace {

using nuvra::cli::CommandEntry;

std::vector<CommandEntry> allCommands()
{
    std::vector<CommandEntry> commands{
        {"number", nuvra::cli::runNumberCommand,
         "  number TEXT                 the number text of TEXT's leading number\n"},
        {"keys", nuvra::cli::runKeysCommand,
         "  keys [--rpn] [--decimals 0|2|4|9] [--grouping] [--json] KEYS\n"
         "                              the display after typing KEYS into a fresh calculator\n"},
        {"setting", nuvra::cli::runSettingCommand,
         "  setting APPLICATION SECTION KEY [VALUE]\n"
         "                              read or write one setting\n"},
        {"plot", nuvra::cli::runPlotCommand,
         "  plot [--xmin A --xmax B --ymin C --ymax D --xscale E --yscale F] [--size N]\n"
         "       EQUATION... OUT.png|OUT.svg\n"
         "                              the equations y = f(x) on one plane, written to OUT\n"},
    };
    for (auto group : {nuvra::cli::scienceCommands(), nuvra::cli::toolCommands()})
        commands.insert(commands.end(), group.begin(), group.end());
    return commands;
}

void printUsage(std::ostream& out, const std::vector<CommandEntry>& commands)
{
    out << "usage: nuvra-cli COMMAND ARGUMENTS\ncommands:\n";
    for (const CommandEntry& command : commands)
        out << command.usage;
    out << "Give - as the last argument to take one input per line from standard input\n"
           "(all but plot).\n";
}

int runCommandLine(int argc, char** argv)
{
    const std::vector<CommandEntry> commands = allCommands();
    if (argc < 2) {
        printUsage(std::cerr, commands);
        return nuvra::cli::kUsageError;
    }
    const std::string_view name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const CommandEntry& command : commands) {
        if (command.name == name)
            return command.run(args, std::cin, std::cout, std::cerr);
    }
    if (name == "--help" || name == "help") {
        printUsage(std::cout, commands);
        return 0;
    }
    printUsage(std::cerr, commands);
    return nuvra::cli::kUsageError;
}

} // namespace

int main(int argc, char** argv)
{
    errno = 0;
    const int status = runCommandLine(argc, argv);
    return nuvra::cli::checkOutput(std::cout, std::cerr, status);
}
