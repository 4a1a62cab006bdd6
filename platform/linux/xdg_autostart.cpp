#include "platform/linux/xdg_autostart.h"

#include "platform/linux/file_io.h"

#include <cerrno>
#include <system_error>
#include <unistd.h>
#include <utility>
#include <vector>

namespace nuvra::platform {

namespace {

constexpr std::string_view kGroupHeader = "[Desktop Entry]";

// Characters that make a word of an Exec line need double quotes.
bool isReserved(char c)
{
    static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    return kReserved.find(c) != std::string_view::npos;
}

// Inside double quotes these four are written with a backslash in front.
bool needsQuotedEscape(char c)
{
    return c == '"' || c == '`' || c == '$' || c == '\\';
}

std::string quoteWord(std::string_view word)
{
    std::string doubled;
    for (const char c : word) {
        doubled += c;
        if (c == '%') {
            doubled += '%'; // a literal percent, not a field code
        }
    }
    bool reserved = word.empty();
    for (const char c : word) {
        reserved = reserved || isReserved(c);
    }
    if (!reserved) {
        return doubled;
    }
    std::string quoted = "\"";
    for (const char c : doubled) {
        if (needsQuotedEscape(c)) {
            quoted += '\\';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

// The escapes of a desktop entry string value.
std::string escapeString(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescapeString(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 's':
            out += ' ';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

// Splits an unescaped Exec value into words, undoing the quoting and the doubled '%'.
std::optional<std::vector<std::string>> splitWords(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size()) {
                    return std::nullopt; // unterminated quote
                }
                const char c = line[i++];
                if (c == '"') {
                    break;
                }
                if (c == '\\') {
                    if (i >= line.size() || !needsQuotedEscape(line[i])) {
                        return std::nullopt;
                    }
                    word += line[i++];
                } else {
                    word += c;
                }
            }
            if (i < line.size() && line[i] != ' ') {
                return std::nullopt; // a quoted word runs on into more text
            }
        } else {
            while (i < line.size() && line[i] != ' ') {
                if (isReserved(line[i])) {
                    return std::nullopt;
                }
                word += line[i++];
            }
        }
        std::string plain;
        for (std::size_t k = 0; k < word.size(); ++k) {
            if (word[k] == '%') {
                if (k + 1 >= word.size() || word[k + 1] != '%') {
                    return std::nullopt; // a field code: not a command this list wrote
                }
                ++k;
            }
            plain += word[k];
        }
        words.push_back(std::move(plain));
    }
    return words;
}

// The value of `key` in the "[Desktop Entry]" group, still escaped.
std::optional<std::string_view> groupValue(std::string_view content, std::string_view key)
{
    bool inGroup = false;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos) {
            end = content.size();
        }
        std::string_view line = content.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.starts_with('[')) {
            inGroup = line == kGroupHeader;
            continue;
        }
        if (!inGroup || line.empty() || line.front() == '#') {
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        std::string_view name = line.substr(0, equals);
        while (name.ends_with(' ')) {
            name.remove_suffix(1);
        }
        if (name != key) {
            continue;
        }
        std::string_view value = line.substr(equals + 1);
        while (value.starts_with(' ')) {
            value.remove_prefix(1);
        }
        return value;
    }
    return std::nullopt;
}

} // namespace

std::string desktopExecLine(const StartupCommand& command)
{
    std::string line = quoteWord(command.program);
    for (const auto& argument : command.arguments) {
        line += ' ';
        line += quoteWord(argument);
    }
    return escapeString(line);
}

std::optional<StartupCommand> parseDesktopExecLine(std::string_view line)
{
    const auto unescaped = unescapeString(line);
    if (!unescaped) {
        return std::nullopt;
    }
    auto words = splitWords(*unescaped);
    if (!words || words->empty() || words->front().empty()) {
        return std::nullopt;
    }
    StartupCommand command;
    command.program = std::move(words->front());
    command.arguments.assign(std::make_move_iterator(words->begin() + 1),
                             std::make_move_iterator(words->end()));
    return command;
}

XdgAutostart::XdgAutostart(std::filesystem::path directory) : m_directory(std::move(directory)) {}

std::string XdgAutostart::entryFileName(std::string_view name)
{
    std::string stem;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            stem += '-';
        } else if (c >= 'A' && c <= 'Z') {
            stem += static_cast<char>(c - 'A' + 'a');
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
            stem += c;
        }
    }
    return stem.empty() ? stem : stem + ".desktop";
}

core::Result<void, StartupError> XdgAutostart::add(std::string_view name,
                                                   const StartupCommand& command)
{
    const std::string fileName = entryFileName(name);
    if (fileName.empty()) {
        return core::unexpected(StartupError::InvalidName);
    }
    if (m_directory.empty()) {
        return core::unexpected(StartupError::CannotWrite);
    }
    if (command.program.empty()) {
        return core::unexpected(StartupError::InvalidCommand);
    }
    const auto file = m_directory / fileName;
    std::string content(kGroupHeader);
    content += "\nType=Application\nName=";
    content += escapeString(name);
    content += "\nExec=";
    content += desktopExecLine(command);
    content += "\nX-GNOME-Autostart-enabled=true\nTerminal=false\n";

    std::error_code error;
    std::filesystem::create_directories(m_directory, error);
    if (error || !replaceFile(file, content)) {
        // An entry that could not be stored must not start anything, not even an older one.
        ::unlink(file.c_str());
        return core::unexpected(StartupError::CannotWrite);
    }
    return {};
}

core::Result<void, StartupError> XdgAutostart::remove(std::string_view name)
{
    const std::string fileName = entryFileName(name);
    if (fileName.empty()) {
        return core::unexpected(StartupError::InvalidName);
    }
    if (m_directory.empty()) {
        return {}; // no folder, so no entry
    }
    const auto file = m_directory / fileName;
    if (::unlink(file.c_str()) != 0 && errno != ENOENT && errno != ENOTDIR) {
        return core::unexpected(StartupError::CannotRemove);
    }
    return {};
}

std::optional<StartupCommand> XdgAutostart::entry(std::string_view name) const
{
    const std::string fileName = entryFileName(name);
    if (fileName.empty() || m_directory.empty()) {
        return std::nullopt;
    }
    const auto content = readWholeFile(m_directory / fileName);
    if (!content) {
        return std::nullopt;
    }
    if (groupValue(*content, "Hidden") == std::optional<std::string_view>("true")) {
        return std::nullopt; // the desktop's way of saying the entry was deleted
    }
    const auto exec = groupValue(*content, "Exec");
    if (!exec) {
        return std::nullopt;
    }
    return parseDesktopExecLine(*exec);
}

} // namespace nuvra::platform
