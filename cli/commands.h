#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace nuvra::cli {

using CommandFunction = int (*)(const std::vector<std::string>& args, std::istream& in,
                                std::ostream& out, std::ostream& err);

struct CommandEntry {
    std::string_view name;
    CommandFunction run;
    std::string_view usage; // one or more lines for the program's usage text
};

// The commands over the formula evaluator and the scientific models.
std::vector<CommandEntry> scienceCommands();
// The commands over the tool models.
std::vector<CommandEntry> toolCommands();

// Each command takes the words after its name and returns the exit status.
int runNumberCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);
int runKeysCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
// Paints the equations on one plane into a PNG or SVG file; reads no standard input.
int runPlotCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace nuvra::cli
