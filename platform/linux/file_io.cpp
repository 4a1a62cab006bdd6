#include "platform/linux/file_io.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace nuvra::platform {

namespace {

bool writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& file)
{
    std::string name(".");
    name += file.filename().string();
    name += '.';
    name += std::to_string(::getpid());
    name += ".tmp";
    return file.parent_path() / name;
}

// Makes the rename itself survive a crash; a folder that cannot be opened is not an error.
void syncFolder(const std::filesystem::path& folder)
{
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.isOpen()) {
        ::fsync(fd.get());
    }
}

} // namespace

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

core::Result<std::string, FileError> readWholeFile(const std::filesystem::path& file)
{
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen()) {
        return core::unexpected(errno == ENOENT || errno == ENOTDIR ? FileError::Missing
                                                                    : FileError::CannotRead);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return core::unexpected(FileError::CannotRead);
    }
    if (!S_ISREG(status.st_mode)) {
        return core::unexpected(FileError::NotRegularFile);
    }
    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return core::unexpected(FileError::CannotRead);
        }
        if (got == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

core::Result<void, FileError> replaceFile(const std::filesystem::path& file,
                                          std::string_view content)
{
    const auto temporary = temporaryFileFor(file);
    bool written = false;
    {
        const FileDescriptor fd(
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0600));
        if (!fd.isOpen()) {
            return core::unexpected(FileError::CannotWrite);
        }
        written = writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    }
    if (!written || ::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return core::unexpected(FileError::CannotWrite);
    }
    syncFolder(file.parent_path());
    return {};
}

} // namespace nuvra::platform
