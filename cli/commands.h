#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nuvra::cli {

// Each command takes the words after its name and returns the exit status.
int runNumberCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err);
int runKeysCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

} // namespace nuvra::cli
