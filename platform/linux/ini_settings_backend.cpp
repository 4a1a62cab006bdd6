#include "platform/linux/ini_settings_backend.h"

#include "platform/linux/file_io.h"

#include <cerrno>
#include <deque>
#include <fcntl.h>
#include <iterator>
#include <sys/file.h>
#include <system_error>
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
    std::string_view raw;
    bool isEntry = false;
};

struct Section {
    std::string name;
    std::string_view header;
    std::vector<Line> lines;
};

// The lines of a settings file that parsed, as views into its text (or into `added`).
struct Document {
    std::vector<Line> preamble; // lines before the first header belong to no section
    std::vector<Section> sections;
    std::deque<std::string> added; // texts of new lines; a deque keeps the views valid
};

Document parseDocument(std::string_view content)
{
    Document document;
    // Where the next line goes: the preamble, a section, or nowhere after a damaged header
    // (its keys cannot be told apart from the previous section's).
    enum class Target { Preamble, Section, Lost } target = Target::Preamble;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        if (newline == std::string_view::npos) {
            break; // an unterminated last line is a truncated write: it reads as absent
        }
        const std::string_view raw = content.substr(start, newline - start);
        start = newline + 1;
        const LineKind kind = classify(raw);
        switch (kind) {
        case LineKind::Header:
            document.sections.push_back({decodeAll(raw, 1, ']'), raw, {}});
            target = Target::Section;
            break;
        case LineKind::DamagedHeader:
            target = Target::Lost;
            break;
        case LineKind::Damaged:
            break;
        case LineKind::Kept:
        case LineKind::Entry:
            if (target == Target::Preamble) {
                document.preamble.push_back({raw, false});
            } else if (target == Target::Section) {
                document.sections.back().lines.push_back({raw, kind == LineKind::Entry});
            }
            break;
        }
    }
    return document;
}

Line* findEntry(Document& document, std::string_view section, std::string_view key)
{
    for (auto& candidate : document.sections) {
        if (candidate.name != section) {
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
    return {text, true};
}

bool isBlank(const Line& line)
{
    return !line.isEntry && line.raw.empty();
}

void setEntry(Document& document, std::string_view section, std::string_view key,
              std::string_view value)
{
    if (Line* existing = findEntry(document, section, key)) {
        *existing = addedEntry(document, key, value);
        return;
    }
    for (auto& candidate : document.sections) {
        if (candidate.name == section) {
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
            lines.push_back({});
        }
    }
    std::string& header = document.added.emplace_back("[");
    appendEscaped(header, section, Field::Section);
    header += ']';
    document.sections.push_back({std::string(section), header, {}});
    document.sections.back().lines.push_back(addedEntry(document, key, value));
}

std::string serialise(const Document& document)
{
    std::string out;
    for (const auto& line : document.preamble) {
        out += line.raw;
        out += '\n';
    }
    for (const auto& section : document.sections) {
        out += section.header;
        out += '\n';
        for (const auto& line : section.lines) {
            out += line.raw;
            out += '\n';
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

// Holds an exclusive lock on the open lock file until destruction (closing releases it).
std::optional<FileDescriptor> lockExclusively(const std::filesystem::path& lockFile)
{
    FileDescriptor fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600));
    if (!fd.isOpen()) {
        return std::nullopt;
    }
    while (::flock(fd.get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            return std::nullopt;
        }
    }
    return fd;
}

} // namespace

IniSettingsBackend::IniSettingsBackend(std::filesystem::path directory)
    : m_directory(std::move(directory))
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

core::Result<void, SettingsError> IniSettingsBackend::write(std::string_view application,
                                                            std::string_view section,
                                                            std::string_view key,
                                                            std::string_view value)
{
    if (!isValidApplication(application)) {
        return core::unexpected(SettingsError::InvalidName);
    }
    if (m_directory.empty()) {
        return core::unexpected(SettingsError::CannotCreateFolder);
    }
    std::error_code error;
    std::filesystem::create_directories(m_directory, error);
    if (error) {
        return core::unexpected(SettingsError::CannotCreateFolder);
    }
    const std::string name = fileName(application);
    std::string lockName(".");
    lockName += name;
    lockName += ".lock";
    const auto lock = lockExclusively(m_directory / lockName);
    if (!lock) {
        return core::unexpected(SettingsError::CannotLock);
    }
    // Read again under the lock: another process may have written since any earlier read.
    const auto file = m_directory / name;
    auto current = readWholeFile(file);
    if (!current && current.error() != FileError::Missing) {
        return core::unexpected(SettingsError::CannotRead);
    }
    const std::string previous = current ? std::move(current.value()) : std::string();
    Document document = parseDocument(previous);
    setEntry(document, section, key, value);
    const std::string next = serialise(document);
    if (next == previous) {
        return {};
    }
    if (!replaceFile(file, next)) {
        return core::unexpected(SettingsError::CannotWrite);
    }
    return {};
}

} // namespace nuvra::platform
