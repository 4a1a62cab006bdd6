#pragma once

#include "platform/startup_list.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace nuvra::platform {

// An in-memory start-up list for tests; it can be told to refuse additions.
class FakeStartupList final : public StartupList {
public:
    core::Result<void, StartupError> add(std::string_view name,
                                         const StartupCommand& command) override;
    core::Result<void, StartupError> remove(std::string_view name) override;
    std::optional<StartupCommand> entry(std::string_view name) const override;

    // While set, every add fails with this error and leaves the list as it was.
    void setAddFailure(std::optional<StartupError> error) { m_addFailure = error; }
    int addCount() const { return m_addCount; }
    int removeCount() const { return m_removeCount; }
    std::size_t size() const { return m_entries.size(); }

private:
    std::map<std::string, StartupCommand, std::less<>> m_entries;
    std::optional<StartupError> m_addFailure;
    int m_addCount = 0;
    int m_removeCount = 0;
};

} // namespace nuvra::platform
