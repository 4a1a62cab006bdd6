#pragma once

#include "platform/global_hotkeys.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace nuvra::platform {

// In-memory hotkeys for tests: registrations are recorded, and trigger() plays the user
// pressing a registered combination.
class FakeGlobalHotkeys final : public GlobalHotkeys {
public:
    struct Registration {
        HotkeyModifiers modifiers;
        char key = 0; // upper case

        bool operator==(const Registration&) const = default;
    };

    ~FakeGlobalHotkeys() override { RemoveHotKeys(); }

    // Marks a combination as held by another program: registering it fails with KeyTaken.
    void holdElsewhere(HotkeyModifiers modifiers, char key)
    {
        m_heldElsewhere.push_back({modifiers, hotkeyKeyName(key)});
    }
    // While set, every registration fails with this error.
    void setFailure(std::optional<HotkeyError> error) { m_failure = error; }

    // Delivers an activation as the system would; false when the identifier is not registered.
    bool trigger(int identifier) const
    {
        if (!m_registered.contains(identifier))
            return false;
        activate(identifier);
        return true;
    }

    std::optional<Registration> registration(int identifier) const
    {
        const auto found = m_registered.find(identifier);
        if (found == m_registered.end())
            return std::nullopt;
        return found->second;
    }
    std::size_t registeredCount() const { return m_registered.size(); }

protected:
    core::Result<void, HotkeyError> grab(int identifier, HotkeyModifiers modifiers,
                                         char key) override
    {
        if (m_failure)
            return core::unexpected(*m_failure);
        const Registration wanted{modifiers, hotkeyKeyName(key)};
        if (wanted.key == 0)
            return core::unexpected(HotkeyError::UnknownKey);
        for (const Registration& held : m_heldElsewhere) {
            if (held == wanted)
                return core::unexpected(HotkeyError::KeyTaken);
        }
        for (const auto& [otherIdentifier, registered] : m_registered) {
            if (registered == wanted)
                return core::unexpected(HotkeyError::KeyTaken);
        }
        m_registered.emplace(identifier, wanted);
        return {};
    }

    void release(int identifier) override { m_registered.erase(identifier); }

private:
    std::map<int, Registration> m_registered;
    std::vector<Registration> m_heldElsewhere;
    std::optional<HotkeyError> m_failure;
};

} // namespace nuvra::platform
