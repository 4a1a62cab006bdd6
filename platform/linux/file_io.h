#pragma once

#include "core/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace nuvra::platform {

enum class FileError {
    Missing,
    NotRegularFile,
    CannotRead,
    CannotWrite,
};

// The whole content of a regular file.
core::Result<std::string, FileError> readWholeFile(const std::filesystem::path& file);

// Replaces the file in one step: the content goes to a temporary file in the same folder
// (unique per process), is flushed to the disk, and is renamed over the target. A reader sees
// either the old or the new content, never a part. On failure the temporary file is removed
// and the target is left as it was.
core::Result<void, FileError> replaceFile(const std::filesystem::path& file,
                                          std::string_view content);

// An open file descriptor, closed on destruction.
class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

} // namespace nuvra::platform
