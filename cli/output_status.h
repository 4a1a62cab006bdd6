#pragma once

#include <iosfwd>

namespace nuvra::cli {

// The status of a run whose output could not be written (a full disk, a closed pipe).
inline constexpr int kOutputError = 1;

// Flushes out and gives the run's final status: status itself while out took everything,
// otherwise a message on err naming the cause (errno, as the failed write left it) and
// kOutputError, or status when that already reports a failure.
int checkOutput(std::ostream& out, std::ostream& err, int status);

} // namespace nuvra::cli
