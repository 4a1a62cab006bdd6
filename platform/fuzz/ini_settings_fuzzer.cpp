#include "cmake/fuzz_property.h"
#include "platform/linux/ini_settings_backend.h"
#include "platform/temporary_directory.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using nuvra::platform::IniSettingsBackend;

constexpr std::string_view kApplication = "Nuvra";
// Each candidate costs two reads of the whole file.
constexpr std::size_t kMaxCandidates = 64;

using nuvra::fuzz::require;

// One folder for the whole run, removed at exit; every input rewrites the file in it.
const std::filesystem::path& folder()
{
    static const nuvra::platform::TemporaryDirectory directory;
    require(!directory.path().empty(), "a temporary folder");
    return directory.path();
}

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    require(in.good(), "the settings file opens");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileText(const std::filesystem::path& file, std::string_view text)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    require(out.good(), "the settings file is written");
}

// The text of a name as the file's escapes spell it: "\\", "\=", "\]", "\[", "\;", "\#", "\n",
// "\r", "\t" and "\xHH". A broken escape is kept as it stands, which just makes the name one
// that does not read back.
std::string unescaped(std::string_view raw)
{
    const auto hex = [](char c) {
        return c >= '0' && c <= '9'   ? c - '0'
               : c >= 'a' && c <= 'f' ? c - 'a' + 10
               : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                      : -1;
    };
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
        if (raw[i] != '\\' || next == '\0') {
            text += raw[i];
        } else if (std::string_view("\\=][;#").find(next) != std::string_view::npos) {
            text += next;
            ++i;
        } else if (next == 'n' || next == 'r' || next == 't') {
            text += next == 'n' ? '\n' : next == 'r' ? '\r' : '\t';
            ++i;
        } else if (next == 'x' && i + 3 < raw.size() && hex(raw[i + 2]) >= 0 &&
                   hex(raw[i + 3]) >= 0) {
            text += static_cast<char>(hex(raw[i + 2]) * 16 + hex(raw[i + 3]));
            i += 3;
        } else {
            text += raw[i];
        }
    }
    return text;
}

struct Candidate {
    std::string section;
    std::string key;
    std::optional<std::string> value; // as read before the write
};

void addCandidate(std::vector<Candidate>& candidates, std::string section, std::string key)
{
    if (candidates.size() >= kMaxCandidates)
        return;
    for (const auto& candidate : candidates) {
        if (candidate.section == section && candidate.key == key)
            return;
    }
    candidates.push_back({std::move(section), std::move(key), std::nullopt});
}

struct Scan {
    std::vector<Candidate> candidates;
    std::optional<std::string> firstSection;
};

// Section headers and keys as the lines of the file spell them, each paired with the section
// it follows and with a few fixed sections; the escapes both as written and as decoded.
Scan scan(std::string_view content)
{
    Scan result;
    auto& candidates = result.candidates;
    const std::string fixedSections[] = {"Settings", "Fault", ""};
    for (const auto& section : fixedSections)
        addCandidate(candidates, section, "Splash");
    std::vector<std::string> sections;
    std::string current;
    std::size_t start = 0;
    while (start < content.size() && candidates.size() < kMaxCandidates) {
        const std::size_t newline = std::min(content.find('\n', start), content.size());
        const std::string_view line = content.substr(start, newline - start);
        start = newline + 1;
        if (line.starts_with('[')) {
            // Without its "]" the header runs to the end of the line (npos - 1 is still npos).
            const std::string_view raw = line.substr(1, line.rfind(']') - 1);
            current = unescaped(raw);
            if (!result.firstSection)
                result.firstSection = current;
            sections.push_back(current);
            sections.emplace_back(raw);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view raw = line.substr(0, equals);
        for (const std::string& key : {unescaped(raw), std::string(raw)}) {
            addCandidate(candidates, current, key);
            for (const auto& section : fixedSections)
                addCandidate(candidates, section, key);
        }
    }
    for (const auto& section : sections)
        addCandidate(candidates, section, "Splash");
    return result;
}

} // namespace

// The bytes are the whole settings file. Whatever reads from it must read the same after a
// write of another key, which must itself read back; a key that did not read stays absent, and
// writing the same value again leaves the file as it is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path file = folder() / "Nuvra.ini";
    writeFileText(file, content);
    IniSettingsBackend backend(folder());

    Scan found = scan(content);
    for (auto& candidate : found.candidates)
        candidate.value = backend.read(kApplication, candidate.section, candidate.key);

    // Into the first section that the input names, else a new one; the value takes the
    // input's last bytes, so that it meets every escape.
    const std::string section = found.firstSection.value_or("Fuzz");
    std::string key = "fuzz_written";
    while (backend.read(kApplication, section, key))
        key += '_';
    const std::string value(content.substr(size > 24 ? size - 24 : 0));

    if (!backend.write(kApplication, section, key, value))
        require(false, "the write succeeds");
    require(backend.read(kApplication, section, key) == value, "the written value reads back");
    for (const auto& candidate : found.candidates) {
        if (candidate.section == section && candidate.key == key)
            continue;
        require(backend.read(kApplication, candidate.section, candidate.key) == candidate.value,
                "every other key reads as before");
    }

    const std::string written = fileText(file);
    if (!backend.write(kApplication, section, key, value))
        require(false, "the same write succeeds again");
    require(fileText(file) == written, "the same write again leaves the file as it is");
    return 0;
}
