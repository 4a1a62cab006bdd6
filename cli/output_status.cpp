#include "cli/output_status.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace nuvra::cli {

int checkOutput(std::ostream& out, std::ostream& err, int status)
{
    // Read errno before anything else can change it: the failed write set it.
    out.flush();
    const int cause = errno;
    if (out)
        return status;
    err << "nuvra-cli: cannot write the output";
    if (cause != 0)
        err << ": " << std::strerror(cause);
    err << '\n';
    return status != 0 ? status : kOutputError;
}

} // namespace nuvra::cli
