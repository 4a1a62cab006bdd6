#include "platform/linux/file_io.h"

#include <cerrno>
#include <charconv>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <system_error>
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

core::Unexpected<FileFailure> failure(FileError kind, int systemError,
                                      const std::filesystem::path& path)
{
    return core::unexpected(FileFailure{kind, systemError, path});
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

std::filesystem::path temporaryFileFor(const std::filesystem::path& file, int pid)
{
    std::string name(".");
    name += file.filename().string();
    name += '.';
    name += std::to_string(pid);
    name += ".tmp";
    return file.parent_path() / name;
}

core::Result<std::string, FileFailure> readWholeFile(const std::filesystem::path& file)
{
    // Non-blocking, so that a FIFO in the file's place does not wait for a writer; a regular
    // file reads the same either way.
    const FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.isOpen()) {
        const int error = errno;
        return failure(error == ENOENT || error == ENOTDIR ? FileError::Missing
                                                           : FileError::CannotRead,
                       error, file);
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        return failure(FileError::CannotRead, errno, file);
    }
    if (!S_ISREG(status.st_mode)) {
        return failure(FileError::NotRegularFile, 0, file);
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
            return failure(FileError::CannotRead, errno, file);
        }
        if (got == 0) {
            break;
        }
        content.append(buffer, static_cast<std::size_t>(got));
    }
    return content;
}

core::Result<void, FileFailure> replaceFile(const std::filesystem::path& file,
                                            std::string_view content)
{
    const auto temporary = temporaryFileFor(file, ::getpid());
    int error = 0;
    {
        const FileDescriptor fd(::open(temporary.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0600));
        if (!fd.isOpen()) {
            return failure(FileError::CannotWrite, errno, temporary);
        }
        if (!writeAll(fd.get(), content) || ::fsync(fd.get()) != 0) {
            error = errno;
        }
    }
    if (error == 0 && ::rename(temporary.c_str(), file.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return failure(FileError::CannotWrite, error, file);
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failure(FileError::CannotWrite, error, temporary);
    }
    syncFolder(file.parent_path());
    return {};
}

core::Result<void, FileFailure> checkReplaceable(const std::filesystem::path& file,
                                                 std::string_view content)
{
    const auto temporary = temporaryFileFor(file, ::getpid());
    const FileDescriptor fd(
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, 0600));
    if (!fd.isOpen()) {
        return failure(FileError::CannotWrite, errno, temporary);
    }
    const int error = writeAll(fd.get(), content) ? 0 : errno;
    ::unlink(temporary.c_str());
    if (error != 0) {
        return failure(FileError::CannotWrite, error, temporary);
    }
    return {};
}

void removeStaleTemporaryFiles(const std::filesystem::path& file)
{
    std::string prefix(".");
    prefix += file.filename().string();
    prefix += '.';
    constexpr std::string_view kSuffix = ".tmp";
    std::error_code error;
    std::filesystem::directory_iterator entries(
        file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path(), error);
    if (error) {
        return;
    }
    for (const auto& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix) || !name.ends_with(kSuffix) ||
            name.size() <= prefix.size() + kSuffix.size()) {
            continue;
        }
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size() - kSuffix.size();
        int pid = 0;
        const auto [end, parsed] = std::from_chars(first, last, pid);
        if (parsed != std::errc() || end != last || pid <= 0 || pid == ::getpid()) {
            continue;
        }
        // A process that still runs may be a writer in another pid namespace; leave its file.
        if (::kill(pid, 0) != 0 && errno == ESRCH) {
            ::unlink(entry.path().c_str());
        }
    }
}

} // namespace nuvra::platform
