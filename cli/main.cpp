#include "cli/batch.h"
#include "cli/commands.h"
#include "cli/setting_command.h"

#include <iostream>
#include <string_view>

namespace {

constexpr std::string_view kUsage =
    "usage: nuvra-cli COMMAND ARGUMENTS\n"
    "commands:\n"
    "  number TEXT                 the number text of TEXT's leading number\n"
    "  keys [--rpn] [--decimals 0|2|4|9] [--grouping] [--json] KEYS\n"
    "                              the display after typing KEYS into a fresh calculator\n"
    "  setting APPLICATION SECTION KEY [VALUE]\n"
    "                              read or write one setting\n"
    "Give - as the last argument to take one input per line from standard input.\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << kUsage;
        return nuvra::cli::kUsageError;
    }
    const std::string_view command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "number")
        return nuvra::cli::runNumberCommand(args, std::cin, std::cout, std::cerr);
    if (command == "keys")
        return nuvra::cli::runKeysCommand(args, std::cin, std::cout, std::cerr);
    if (command == "setting")
        return nuvra::cli::runSettingCommand(args, std::cin, std::cout, std::cerr);
    if (command == "--help" || command == "help") {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << kUsage;
    return nuvra::cli::kUsageError;
}
