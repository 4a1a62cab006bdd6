#include "platform/temporary_directory.h"

#include <stdlib.h>
#include <string>
#include <system_error>

namespace nuvra::platform {

TemporaryDirectory::TemporaryDirectory()
{
    std::error_code error;
    const auto base = std::filesystem::temp_directory_path(error);
    std::string pattern = (error ? std::filesystem::path("/tmp") : base) / "nuvra-test-XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) {
        m_path = pattern;
    }
}

TemporaryDirectory::~TemporaryDirectory()
{
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

} // namespace nuvra::platform
