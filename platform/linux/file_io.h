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

// What went wrong, with the system's error number of the failing call (0 when there is none,
// as for a file that is not a regular file) and the file it concerned.
struct FileFailure {
    FileError kind = FileError::CannotRead;
    int systemError = 0;
    std::filesystem::path path;
};

// The whole content of a regular file. Anything else (a FIFO, a device, a folder) is refused
// without reading from it: opening a FIFO for reading would wait for a writer forever.
core::Result<std::string, FileFailure> readWholeFile(const std::filesystem::path& file);

// Replaces the file in one step: the content goes to a temporary file in the same folder
// (unique per process, see temporaryFileFor), is flushed to the disk, and is renamed over the
// target. A reader sees either the old or the new content, never a part. On failure the
// temporary file is removed and the target is left as it was.
core::Result<void, FileFailure> replaceFile(const std::filesystem::path& file,
                                            std::string_view content);

// Whether replaceFile could store `content` now: writes the temporary file without flushing it
// to the disk and removes it again. A write that changes nothing uses this to tell a folder
// that cannot take the file (read-only, full) before a later write loses something.
core::Result<void, FileFailure> checkReplaceable(const std::filesystem::path& file,
                                                 std::string_view content);

// "<folder>/.<name>.<pid>.tmp", the temporary file that replaceFile uses for `file`.
std::filesystem::path temporaryFileFor(const std::filesystem::path& file, int pid);

// Removes the temporary files that replaceFile left for `file` in processes that no longer run
// (killed between writing and renaming). Only safe while holding the lock that guards `file`.
void removeStaleTemporaryFiles(const std::filesystem::path& file);

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
