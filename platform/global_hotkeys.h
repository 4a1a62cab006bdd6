#pragma once

#include "core/result.h"

#include <functional>

namespace nuvra::platform {

// The values are the classic hotkey modifier values: Alt 1, Control 2, Shift 4.
enum class HotkeyModifier : unsigned {
    Alt = 1,
    Control = 2,
    Shift = 4,
};

// A set of hotkey modifiers; Control | Shift has the value 6.
class HotkeyModifiers {
public:
    constexpr HotkeyModifiers() = default;
    constexpr HotkeyModifiers(HotkeyModifier modifier) : m_bits(static_cast<unsigned>(modifier)) {}

    constexpr bool has(HotkeyModifier modifier) const
    {
        return (m_bits & static_cast<unsigned>(modifier)) != 0;
    }
    constexpr bool isEmpty() const { return m_bits == 0; }
    constexpr unsigned value() const { return m_bits; }

    friend constexpr HotkeyModifiers operator|(HotkeyModifiers a, HotkeyModifiers b)
    {
        HotkeyModifiers both;
        both.m_bits = a.m_bits | b.m_bits;
        return both;
    }
    friend constexpr bool operator==(HotkeyModifiers, HotkeyModifiers) = default;

private:
    unsigned m_bits = 0;
};

constexpr HotkeyModifiers operator|(HotkeyModifier a, HotkeyModifier b)
{
    return HotkeyModifiers(a) | HotkeyModifiers(b);
}

enum class HotkeyError {
    Unavailable, // the session offers no system-wide key grabs (no X11 display)
    UnknownKey,  // not a letter or digit, or the keyboard has no such key
    KeyTaken,    // another program, or an earlier registration here, holds the combination
    GrabFailed,  // the window system refused the grab for another reason
};

// System-wide hotkeys. The identifier of the n-th registration since the start or since the
// last RemoveHotKeys is n, also when that registration fails; activations report it.
class GlobalHotkeys {
public:
    using ActivationHandler = std::function<void(int identifier)>;

    GlobalHotkeys(const GlobalHotkeys&) = delete;
    GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;
    virtual ~GlobalHotkeys() = default;

    // The key is a letter (either case names the same key) or a digit.
    core::Result<void, HotkeyError> AddHotKey(HotkeyModifiers modifiers, char key)
    {
        ++m_count;
        return grab(m_count, modifiers, key);
    }

    void RemoveHotKeys()
    {
        for (int identifier = 1; identifier <= m_count; ++identifier)
            release(identifier);
        m_count = 0;
    }

    int count() const { return m_count; }

    // Activations arrive on the GUI thread, one call per key press.
    void setActivationHandler(ActivationHandler handler) { m_handler = std::move(handler); }

protected:
    GlobalHotkeys() = default;

    virtual core::Result<void, HotkeyError> grab(int identifier, HotkeyModifiers modifiers,
                                                 char key) = 0;
    // Also called for identifiers whose registration failed; those release nothing.
    virtual void release(int identifier) = 0;

    void activate(int identifier) const
    {
        if (m_handler)
            m_handler(identifier);
    }

private:
    ActivationHandler m_handler;
    int m_count = 0;
};

// The letter or digit a hotkey key names, in upper case, or 0 when it names none.
constexpr char hotkeyKeyName(char key)
{
    if (key >= 'a' && key <= 'z')
        return static_cast<char>(key - 'a' + 'A');
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        return key;
    return 0;
}

} // namespace nuvra::platform
