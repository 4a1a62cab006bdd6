#include "shell/settings_store.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <system_error>

namespace nuvra::shell {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The whole text as a decimal number: optional blanks, an optional sign, digits with at most
// one '.', an optional exponent, optional blanks, and nothing else. "." is the decimal point
// whatever the user's locale. A magnitude beyond a double counts as not numeric.
std::optional<double> parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::size_t i = 0;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

struct GraphKey {
    std::string_view key;
    int defaultValue;
    int lowest;
    int highest;
};

int readGraphValue(const SettingsStore& store, const GraphKey& rule)
{
    const std::string text = store.ReadSetting(kApplication, kGraphSection, rule.key, {});
    // A bracketed number would be a negative amount in some notations; it is refused outright.
    if (text.find_first_of("()") != std::string::npos) {
        return rule.defaultValue;
    }
    const auto value = parseNumber(text);
    if (!value || *value < rule.lowest || *value > rule.highest) {
        return rule.defaultValue;
    }
    return static_cast<int>(std::trunc(*value));
}

} // namespace

std::string SettingsStore::ReadSetting(std::string_view application, std::string_view section,
                                       std::string_view key, std::string_view defaultValue) const
{
    auto value = m_backend.read(application, section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

void SettingsStore::WriteSetting(std::string_view application, std::string_view section,
                                 std::string_view key, std::string_view value)
{
    static_cast<void>(write(application, section, key, value));
}

core::Result<void, platform::SettingsError> SettingsStore::write(std::string_view application,
                                                                 std::string_view section,
                                                                 std::string_view key,
                                                                 std::string_view value)
{
    return m_backend.write(application, section, key, value);
}

double SettingsStore::readNumber(std::string_view application, std::string_view section,
                                 std::string_view key, double defaultValue) const
{
    const auto text = m_backend.read(application, section, key);
    if (!text) {
        return defaultValue;
    }
    return parseNumber(*text).value_or(defaultValue);
}

double SettingsStore::readFlag(std::string_view section, std::string_view key,
                               double defaultValue) const
{
    return readNumber(kApplication, section, key, defaultValue);
}

GraphRange SettingsStore::readGraphRange() const
{
    static constexpr GraphKey kXMin{"XMin", -10, -1000, 1000};
    static constexpr GraphKey kXMax{"XMax", 10, -1000, 1000};
    static constexpr GraphKey kYMin{"YMin", -10, -1000, 1000};
    static constexpr GraphKey kYMax{"YMax", 10, -1000, 1000};
    static constexpr GraphKey kXScale{"XScale", 1, 1, 1000};
    static constexpr GraphKey kYScale{"YScale", 1, 1, 1000};

    GraphRange range;
    range.xMin = readGraphValue(*this, kXMin);
    range.xMax = readGraphValue(*this, kXMax);
    range.yMin = readGraphValue(*this, kYMin);
    range.yMax = readGraphValue(*this, kYMax);
    range.xScale = readGraphValue(*this, kXScale);
    range.yScale = readGraphValue(*this, kYScale);
    if (range.xMin >= range.xMax) {
        range.xMin = -10;
        range.xMax = 10;
    }
    if (range.yMin >= range.yMax) {
        range.yMin = -10;
        range.yMax = 10;
    }
    return range;
}

} // namespace nuvra::shell
