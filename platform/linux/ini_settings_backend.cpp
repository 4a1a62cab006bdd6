#include "platform/linux/ini_settings_backend.h"

#include "platform/linux/file_io.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <fcntl.h>
#include <iterator>
#include <memory>
#include <mutex>
#include <sys/file.h>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace nuvra::platform {

namespace {

enum class Field { Section, Key, Value };

bool isControl(unsigned char c)
{
    return c < 0x20 || c == 0x7f;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

void appendEscaped(std::string& out, std::string_view text, Field field)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (isControl(byte)) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
        } else if (field != Field::Value && (c == '=' || c == ']')) {
            out += '\\';
            out += c;
        } else if (field == Field::Key && i == 0 && (c == '[' || c == ';' || c == '#')) {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
}

enum class Decode { Done, BadEscape, Unterminated, Stopped };

// Decodes `line` from `start` up to the first unescaped `stop` (to the end when stop is '\0'),
// handing each character to `sink`, which returns false to stop early. `end` is set to the
// index of the stop character.
template <typename Sink>
Decode decode(std::string_view line, std::size_t start, char stop, std::size_t& end, Sink&& sink)
{
    std::size_t i = start;
    while (i < line.size()) {
        char c = line[i];
        if (stop != '\0' && c == stop) {
            end = i;
            return Decode::Done;
        }
        std::size_t length = 1;
        if (c == '\\') {
            if (i + 1 >= line.size()) {
                return Decode::BadEscape;
            }
            length = 2;
            switch (line[i + 1]) {
            case '\\':
            case '=':
            case ']':
            case '[':
            case ';':
            case '#':
                c = line[i + 1];
                break;
            case 'n':
                c = '\n';
                break;
            case 'r':
                c = '\r';
                break;
            case 't':
                c = '\t';
                break;
            case 'x': {
                const int high = i + 2 < line.size() ? hexDigit(line[i + 2]) : -1;
                const int low = i + 3 < line.size() ? hexDigit(line[i + 3]) : -1;
                if (high < 0 || low < 0) {
                    return Decode::BadEscape;
                }
                c = static_cast<char>(high * 16 + low);
                length = 4;
                break;
            }
            default:
                return Decode::BadEscape;
            }
        }
        if (!sink(c)) {
            return Decode::Stopped;
        }
        i += length;
    }
    end = line.size();
    return stop == '\0' ? Decode::Done : Decode::Unterminated;
}

bool keepAll(char)
{
    return true;
}

enum class LineKind { Kept, Header, Entry, Damaged, DamagedHeader };

LineKind classify(std::string_view line)
{
    for (const char c : line) {
        if (isControl(static_cast<unsigned char>(c))) {
            return line.starts_with('[') ? LineKind::DamagedHeader : LineKind::Damaged;
        }
    }
    if (line.empty() || line.front() == ';' || line.front() == '#') {
        return LineKind::Kept;
    }
    std::size_t end = 0;
    if (line.front() == '[') {
        const bool closed = decode(line, 1, ']', end, keepAll) == Decode::Done;
        return closed && end + 1 == line.size() ? LineKind::Header : LineKind::DamagedHeader;
    }
    if (decode(line, 0, '=', end, keepAll) != Decode::Done) {
        return LineKind::Damaged;
    }
    return decode(line, end + 1, '\0', end, keepAll) == Decode::Done ? LineKind::Entry
                                                                     : LineKind::Damaged;
}

// Whether an entry line (already checked by classify) holds `key`.
bool hasKey(std::string_view line, std::string_view key)
{
    std::size_t matched = 0;
    std::size_t end = 0;
    const auto result = decode(line, 0, '=', end,
                               [&](char c) { return matched < key.size() && key[matched++] == c; });
    return result == Decode::Done && matched == key.size();
}

std::string decodeAll(std::string_view line, std::size_t start, char stop)
{
    std::string text;
    std::size_t end = 0;
    decode(line, start, stop, end, [&](char c) {
        text += c;
        return true;
    });
    return text;
}

struct Line {
    std::string_view raw;          // without its line end
    std::string_view end = "\n";   // "\n", "\r\n", or "" for a last line without one
    bool isEntry = false;
};

struct Section {
    std::string name;
    Line header;
    std::vector<Line> lines;
    // A header that does not parse: its lines cannot be told apart from the previous
    // section's, so none of them is read, but all are written back as they stood.
    bool damaged = false;
};

// The lines of a settings file, as views into its text (or into `added`). Every line is kept,
// whether it parsed or not, so that a write never loses what a person typed.
struct Document {
    std::string_view byteOrderMark;
    std::string_view newline = "\n"; // the file's own line end, used for added lines
    std::vector<Line> preamble;      // lines before the first header belong to no section
    std::vector<Section> sections;
    std::deque<std::string> added; // texts of new lines; a deque keeps the views valid
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

Document parseDocument(std::string_view content)
{
    Document document;
    if (content.starts_with(kByteOrderMark)) {
        document.byteOrderMark = content.substr(0, kByteOrderMark.size());
        content.remove_prefix(kByteOrderMark.size());
    }
    bool newlineKnown = false;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        Line line;
        if (newline == std::string_view::npos) {
            line.raw = content.substr(start);
            line.end = {};
            start = content.size();
            // A CRLF file whose last line lost its line feed: the return is the line's end,
            // and the line end it gets when written must not turn the line into another.
            if (line.raw.ends_with('\r')) {
                line.raw.remove_suffix(1);
                if (!newlineKnown) {
                    document.newline = "\r\n";
                }
            }
        } else {
            line.raw = content.substr(start, newline - start);
            line.end = content.substr(newline, 1);
            if (line.raw.ends_with('\r')) {
                line.raw.remove_suffix(1);
                line.end = content.substr(newline - 1, 2);
            }
            start = newline + 1;
            if (!newlineKnown) {
                document.newline = line.end;
                newlineKnown = true;
            }
        }
        const LineKind kind = classify(line.raw);
        if (kind == LineKind::Header || kind == LineKind::DamagedHeader) {
            const bool damaged = kind == LineKind::DamagedHeader;
            document.sections.push_back(
                {damaged ? std::string() : decodeAll(line.raw, 1, ']'), line, {}, damaged});
            continue;
        }
        line.isEntry = kind == LineKind::Entry;
        auto& lines = document.sections.empty() ? document.preamble : document.sections.back().lines;
        lines.push_back(line);
    }
    return document;
}

bool isReadable(const Section& section, std::string_view name)
{
    return !section.damaged && section.name == name;
}

Line* findEntry(Document& document, std::string_view section, std::string_view key)
{
    for (auto& candidate : document.sections) {
        if (!isReadable(candidate, section)) {
            continue;
        }
        for (auto& line : candidate.lines) {
            if (line.isEntry && hasKey(line.raw, key)) {
                return &line;
            }
        }
    }
    return nullptr;
}

Line addedEntry(Document& document, std::string_view key, std::string_view value)
{
    std::string& text = document.added.emplace_back();
    appendEscaped(text, key, Field::Key);
    text += '=';
    appendEscaped(text, value, Field::Value);
    return {text, document.newline, true};
}

bool isBlank(const Line& line)
{
    return !line.isEntry && line.raw.empty();
}

void setEntry(Document& document, std::string_view section, std::string_view key,
              std::string_view value)
{
    if (Line* existing = findEntry(document, section, key)) {
        const std::string_view end = existing->end;
        *existing = addedEntry(document, key, value);
        existing->end = end;
        return;
    }
    for (auto& candidate : document.sections) {
        if (isReadable(candidate, section)) {
            // Before the blank lines that separate it from the next section.
            auto position = candidate.lines.end();
            while (position != candidate.lines.begin() && isBlank(*std::prev(position))) {
                --position;
            }
            candidate.lines.insert(position, addedEntry(document, key, value));
            return;
        }
    }
    if (!document.sections.empty() || !document.preamble.empty()) {
        auto& lines =
            document.sections.empty() ? document.preamble : document.sections.back().lines;
        if (lines.empty() || !isBlank(lines.back())) {
            lines.push_back({{}, document.newline, false});
        }
    }
    std::string& header = document.added.emplace_back("[");
    appendEscaped(header, section, Field::Section);
    header += ']';
    document.sections.push_back({std::string(section), {header, document.newline}, {}});
    document.sections.back().lines.push_back(addedEntry(document, key, value));
}

void appendLine(std::string& out, const Line& line, std::string_view newline)
{
    out += line.raw;
    // Only the file's last line may lack a line end; one that no longer is last gets one.
    out += line.end.empty() ? newline : line.end;
}

std::string serialise(const Document& document)
{
    std::string out(document.byteOrderMark);
    for (const auto& line : document.preamble) {
        appendLine(out, line, document.newline);
    }
    for (const auto& section : document.sections) {
        appendLine(out, section.header, document.newline);
        for (const auto& line : section.lines) {
            appendLine(out, line, document.newline);
        }
    }
    return out;
}

bool isValidApplication(std::string_view application)
{
    return !application.empty() && application.find('/') == std::string_view::npos &&
           application.find('\0') == std::string_view::npos;
}

std::string fileName(std::string_view application)
{
    std::string name(application);
    name += ".ini";
    return name;
}

// A blocking flock on a duplicate of the lock file's descriptor, in a thread of its own, so
// that the caller can stop waiting. Blocking rather than polling keeps the kernel's queue of
// waiters: a poller loses the lock again and again to a writer that takes it back at once.
// When the caller gives up, the waiter stays blocked until the holder lets go, then closes the
// last descriptor, which releases the lock it got.
class LockWaiter {
public:
    static std::shared_ptr<LockWaiter> start(int fd)
    {
        auto waiter = std::make_shared<LockWaiter>();
        waiter->m_fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        if (waiter->m_fd < 0) {
            return nullptr;
        }
        std::thread([waiter] { waiter->run(); }).detach();
        return waiter;
    }

    // 0 once locked, the error number of a failed flock, or nullopt after `wait`.
    std::optional<int> wait(std::chrono::milliseconds wait)
    {
        std::unique_lock guard(m_mutex);
        m_done.wait_for(guard, wait, [this] { return m_result.has_value(); });
        return m_result;
    }

private:
    void run()
    {
        int result = 0;
        while (::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                result = errno;
                break;
            }
        }
        std::lock_guard guard(m_mutex);
        m_result = result;
        // Closing a duplicate keeps the lock while the caller's descriptor is open; after an
        // abandoned wait it was the last one, and the lock goes with it.
        ::close(m_fd);
        m_done.notify_all();
    }

    int m_fd = -1;
    std::mutex m_mutex;
    std::condition_variable m_done;
    std::optional<int> m_result;
};

// Takes an exclusive lock on the lock file, waiting at most `wait`; the lock is held until the
// descriptor closes. A writer holds it for milliseconds, so a longer wait means a stuck
// process, and the caller is better off failing than hanging.
core::Result<FileDescriptor, SettingsFailure> lockExclusively(const std::filesystem::path& lockFile,
                                                              std::chrono::milliseconds wait)
{
    FileDescriptor fd(
        ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0600));
    if (!fd.isOpen()) {
        return core::unexpected(SettingsFailure{SettingsError::CannotLock, errno, lockFile});
    }
    int result = 0;
    do {
        result = ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
    } while (result == EINTR);
    if (result == EWOULDBLOCK) {
        const auto waiter = LockWaiter::start(fd.get());
        if (!waiter) {
            return core::unexpected(SettingsFailure{SettingsError::CannotLock, errno, lockFile});
        }
        const auto waited = waiter->wait(wait);
        if (!waited) {
            return core::unexpected(SettingsFailure{SettingsError::LockTimedOut, 0, lockFile});
        }
        result = *waited;
    }
    if (result != 0) {
        return core::unexpected(SettingsFailure{SettingsError::CannotLock, result, lockFile});
    }
    return fd;
}

SettingsFailure fromFile(const FileFailure& failure)
{
    const SettingsError kind = failure.kind == FileError::NotRegularFile ? SettingsError::NotRegularFile
                               : failure.kind == FileError::CannotWrite  ? SettingsError::CannotWrite
                                                                         : SettingsError::CannotRead;
    return {kind, failure.systemError, failure.path};
}

} // namespace

IniSettingsBackend::IniSettingsBackend(std::filesystem::path directory,
                                       std::chrono::milliseconds lockWait)
    : m_directory(std::move(directory))
    , m_lockWait(lockWait)
{
}

std::optional<std::string> IniSettingsBackend::read(std::string_view application,
                                                    std::string_view section,
                                                    std::string_view key) const
{
    if (!isValidApplication(application) || m_directory.empty()) {
        return std::nullopt;
    }
    const auto content = readWholeFile(m_directory / fileName(application));
    if (!content) {
        return std::nullopt;
    }
    Document document = parseDocument(*content);
    const Line* line = findEntry(document, section, key);
    if (line == nullptr) {
        return std::nullopt;
    }
    std::size_t equals = 0;
    decode(line->raw, 0, '=', equals, keepAll);
    return decodeAll(line->raw, equals + 1, '\0');
}

core::Result<void, SettingsFailure> IniSettingsBackend::write(std::string_view application,
                                                              std::string_view section,
                                                              std::string_view key,
                                                              std::string_view value)
{
    if (!isValidApplication(application)) {
        return core::unexpected(SettingsFailure{SettingsError::InvalidName, 0, {}});
    }
    if (m_directory.empty()) {
        return core::unexpected(SettingsFailure{SettingsError::CannotCreateFolder, ENOENT, {}});
    }
    std::error_code error;
    std::filesystem::create_directories(m_directory, error);
    if (error) {
        return core::unexpected(
            SettingsFailure{SettingsError::CannotCreateFolder, error.value(), m_directory});
    }
    const std::string name = fileName(application);
    std::string lockName(".");
    lockName += name;
    lockName += ".lock";
    const auto lock = lockExclusively(m_directory / lockName, m_lockWait);
    if (!lock) {
        return core::unexpected(lock.error());
    }
    const auto file = m_directory / name;
    removeStaleTemporaryFiles(file);
    // Read again under the lock: another process may have written since any earlier read.
    auto current = readWholeFile(file);
    if (!current && current.error().kind != FileError::Missing) {
        return core::unexpected(fromFile(current.error()));
    }
    const std::string previous = current ? std::move(current.value()) : std::string();
    Document document = parseDocument(previous);
    setEntry(document, section, key, value);
    const std::string next = serialise(document);
    if (next == previous) {
        if (const auto checked = checkReplaceable(file, next); !checked) {
            return core::unexpected(fromFile(checked.error()));
        }
        return {};
    }
    if (const auto replaced = replaceFile(file, next); !replaced) {
        return core::unexpected(fromFile(replaced.error()));
    }
    return {};
}

} // namespace nuvra::platform
