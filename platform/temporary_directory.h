#pragma once

#include <filesystem>

namespace nuvra::platform {

// A fresh folder under the system's temporary folder, removed with everything in it on
// destruction. For tests, so that they never touch the user's real settings.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    // Empty when the folder could not be created.
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace nuvra::platform
