#include "shell/settings_store.h"

#include "core/number_text.h"

#include <cmath>
#include <optional>

namespace nuvra::shell {

namespace {

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
    const auto value = core::ReadWholeNumber(text);
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
    return core::ReadWholeNumber(*text).value_or(defaultValue);
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
