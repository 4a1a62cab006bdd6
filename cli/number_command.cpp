#include "cli/batch.h"
#include "cli/commands.h"
#include "core/number_text.h"

namespace nuvra::cli {

int runNumberCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                     std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: nuvra-cli number TEXT\n";
        return kUsageError;
    }
    return runEachInput(args[0], in, out, [&out](const std::string& text) {
        out << core::NumberToText(core::ReadLeadingNumber(text)) << '\n';
        return true;
    });
}

} // namespace nuvra::cli
