#include "cli/setting_command.h"

#include "platform/linux/config_paths.h"
#include "platform/linux/ini_settings_backend.h"

#include <istream>
#include <ostream>
#include <string_view>

namespace nuvra::cli {

namespace {

constexpr std::string_view kUsage =
    "usage: nuvra-cli setting APPLICATION SECTION KEY [VALUE]\n"
    "  KEY or VALUE '-' takes one item per line from standard input\n";

constexpr std::string_view kStandardInput = "-";

bool writeOne(platform::SettingsBackend& backend, const std::vector<std::string>& args,
              std::string_view value, std::ostream& err)
{
    const auto written = backend.write(args[0], args[1], args[2], value);
    if (!written) {
        err << "setting: " << platform::describeSettingsFailure(written.error()) << '\n';
        return false;
    }
    return true;
}

} // namespace

int runSettingCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err)
{
    if (args.size() != 3 && args.size() != 4) {
        err << kUsage;
        return 2;
    }
    platform::IniSettingsBackend backend(platform::settingsDirectory());
    const std::string& application = args[0];
    const std::string& section = args[1];

    if (args.size() == 3) {
        if (args[2] == kStandardInput) {
            std::string key;
            while (std::getline(in, key)) {
                out << backend.read(application, section, key).value_or(std::string()) << '\n';
            }
            return 0;
        }
        const auto value = backend.read(application, section, args[2]);
        if (!value) {
            return 1;
        }
        out << *value << '\n';
        return 0;
    }

    if (args[3] == kStandardInput) {
        int status = 0;
        std::string value;
        while (std::getline(in, value)) {
            if (writeOne(backend, args, value, err)) {
                out << value << '\n';
            } else {
                status = 1;
                out << '\n';
            }
        }
        return status;
    }
    return writeOne(backend, args, args[3], err) ? 0 : 1;
}

} // namespace nuvra::cli
