#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

namespace nuvra::cli {

inline constexpr int kUsageError = 2;

// Runs one input, or one per line of standard input when the input is "-". The handler prints
// one line for each input and returns false for an input it cannot take (its message already on
// the error stream); that still prints an empty line, so output lines stay in step with input
// lines, and the run ends with the usage status.
inline int runEachInput(const std::string& input, std::istream& in, std::ostream& out,
                        const std::function<bool(const std::string&)>& handle)
{
    if (input != "-")
        return handle(input) ? 0 : kUsageError;
    int status = 0;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!handle(line)) {
            out << '\n';
            status = kUsageError;
        }
    }
    out.flush();
    return status;
}

} // namespace nuvra::cli
