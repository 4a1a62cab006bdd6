#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace nuvra::cli {

// `setting APPLICATION SECTION KEY [VALUE]`, with args holding the words after "setting".
// Reads print the value and a newline (status 0) or nothing when absent (status 1); writes
// print nothing (status 0, or 1 with a message on err when the store refused). A last word
// "-" reads one key (or value) per line from `in` and prints one line per input line: the
// value, empty when absent, or the value written. Wrong use: a usage message, status 2.
int runSettingCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);

} // namespace nuvra::cli
