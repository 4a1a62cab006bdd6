#pragma once

#include "core/result.h"
#include "platform/settings_backend.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::shell {

inline constexpr std::string_view kApplication = "Nuvra";
inline constexpr std::string_view kNumbersApplication = "Numbers";

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kPositionSection = "Position";
inline constexpr std::string_view kVersionSection = "Version";
inline constexpr std::string_view kGraphSection = "Graph";
inline constexpr std::string_view kNumbersValuesSection = "values";

// The plane of the Graph toolbox, in graph units.
struct GraphRange {
    int xMin = -10;
    int xMax = 10;
    int yMin = -10;
    int yMax = 10;
    int xScale = 1;
    int yScale = 1;

    bool operator==(const GraphRange&) const = default;
};

// Every setting of both programs, as texts. Nothing is cached and no operation shows a message:
// a read that finds nothing gives the default, and a failed write is dropped after the failure
// listener has heard of it.
//
// A write that timed out waiting for another process's lock makes the store read-only for the
// rest of its life: a stuck process must not cost a wait for every key of a start or an exit.
class SettingsStore {
public:
    using FailureListener = std::function<void(const platform::SettingsFailure&)>;

    explicit SettingsStore(platform::SettingsBackend& backend) : m_backend(backend) {}

    // Called once, with the first failed write (at once when it has already happened), so
    // that the user learns that the options of this run will not be kept.
    void setFailureListener(FailureListener listener);
    bool isReadOnly() const { return m_lockFailure.has_value(); }

    std::string ReadSetting(std::string_view application, std::string_view section,
                            std::string_view key, std::string_view defaultValue) const;
    void WriteSetting(std::string_view application, std::string_view section, std::string_view key,
                      std::string_view value);
    // WriteSetting for the few callers that report a failure.
    [[nodiscard]] core::Result<void, platform::SettingsFailure> write(std::string_view application,
                                                                      std::string_view section,
                                                                      std::string_view key,
                                                                      std::string_view value);

    // The stored text as a number; an absent or non-numeric text gives the default.
    double readNumber(std::string_view application, std::string_view section, std::string_view key,
                      double defaultValue) const;
    // readNumber in application "Nuvra": 1 is on, 0 off, and the caller decides about the rest.
    double readFlag(std::string_view section, std::string_view key, double defaultValue) const;
    // Section "Graph", each key checked against its range; an axis whose minimum is not below
    // its maximum becomes -10 to 10.
    GraphRange readGraphRange() const;

private:
    void noteFailure(const platform::SettingsFailure& failure);

    platform::SettingsBackend& m_backend;
    FailureListener m_failureListener;
    std::optional<platform::SettingsFailure> m_firstFailure;
    std::optional<platform::SettingsFailure> m_lockFailure;
    bool m_failureTold = false;
};

} // namespace nuvra::shell
