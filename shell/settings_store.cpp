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

core::Result<void, platform::SettingsFailure> SettingsStore::write(std::string_view application,
                                                                   std::string_view section,
                                                                   std::string_view key,
                                                                   std::string_view value)
{
    if (m_lockFailure) {
        return core::unexpected(*m_lockFailure);
    }
    auto written = m_backend.write(application, section, key, value);
    if (!written) {
        noteFailure(written.error());
    }
    return written;
}

void SettingsStore::setFailureListener(FailureListener listener)
{
    m_failureListener = std::move(listener);
    if (m_firstFailure && !m_failureTold && m_failureListener) {
        m_failureTold = true;
        m_failureListener(*m_firstFailure);
    }
}

void SettingsStore::noteFailure(const platform::SettingsFailure& failure)
{
    if (failure.kind == platform::SettingsError::LockTimedOut) {
        m_lockFailure = failure;
    }
    if (m_firstFailure) {
        return;
    }
    m_firstFailure = failure;
    if (m_failureListener) {
        m_failureTold = true;
        m_failureListener(failure);
    }
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
