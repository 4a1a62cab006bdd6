#include "platform/linux/x11_global_hotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QGuiApplication>
#include <QMetaObject>
#include <QObject>
#include <QtGui/qguiapplication_platform.h>

#include <X11/keysym.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace nuvra::platform {

namespace {

// The core modifier bits of a key event's state; the bits above are buttons and the XKB group.
constexpr std::uint16_t kCoreModifierBits = 0xFF;
constexpr std::uint8_t kBadAccess = 10;

std::uint16_t modifierMask(HotkeyModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers.has(HotkeyModifier::Alt))
        mask |= XCB_MOD_MASK_1;
    if (modifiers.has(HotkeyModifier::Control))
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers.has(HotkeyModifier::Shift))
        mask |= XCB_MOD_MASK_SHIFT;
    return mask;
}

// Letters are looked up by their lower-case keysym, the one the unshifted key carries.
xcb_keysym_t keysymOf(char keyName)
{
    if (keyName >= 'A' && keyName <= 'Z')
        return XK_a + static_cast<xcb_keysym_t>(keyName - 'A');
    return XK_0 + static_cast<xcb_keysym_t>(keyName - '0');
}

std::vector<xcb_keycode_t> keycodesOf(xcb_key_symbols_t* symbols, xcb_keysym_t keysym)
{
    std::vector<xcb_keycode_t> keycodes;
    xcb_keycode_t* found = xcb_key_symbols_get_keycode(symbols, keysym);
    if (found == nullptr)
        return keycodes;
    for (xcb_keycode_t* code = found; *code != XCB_NO_SYMBOL; ++code)
        keycodes.push_back(*code);
    std::free(found);
    return keycodes;
}

} // namespace

class X11GlobalHotkeys::Connection final : public QAbstractNativeEventFilter {
public:
    Connection(X11GlobalHotkeys& owner, xcb_connection_t* connection)
        : m_owner(owner), m_connection(connection)
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        for (auto screens = xcb_setup_roots_iterator(setup); screens.rem > 0;
             xcb_screen_next(&screens))
            m_roots.push_back(screens.data->root);
        qGuiApp->installNativeEventFilter(this);
    }

    ~Connection() override
    {
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    core::Result<void, HotkeyError> grab(int identifier, HotkeyModifiers modifiers, char key)
    {
        const char keyName = hotkeyKeyName(key);
        if (keyName == 0)
            return core::unexpected(HotkeyError::UnknownKey);
        xcb_key_symbols_t* symbols = xcb_key_symbols_alloc(m_connection);
        if (symbols == nullptr)
            return core::unexpected(HotkeyError::GrabFailed);
        m_numLockMask = findNumLockMask(symbols);
        Grab wanted{modifierMask(modifiers), keycodesOf(symbols, keysymOf(keyName))};
        xcb_key_symbols_free(symbols);
        if (wanted.keycodes.empty())
            return core::unexpected(HotkeyError::UnknownKey);
        if (heldHere(wanted))
            return core::unexpected(HotkeyError::KeyTaken);

        std::vector<xcb_void_cookie_t> cookies;
        forEachGrab(wanted, [&](xcb_window_t root, xcb_keycode_t keycode, std::uint16_t mask) {
            cookies.push_back(xcb_grab_key_checked(m_connection, 0, root, mask, keycode,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        });
        bool taken = false;
        bool failed = false;
        for (const xcb_void_cookie_t& cookie : cookies) {
            if (xcb_generic_error_t* error = xcb_request_check(m_connection, cookie)) {
                (error->error_code == kBadAccess ? taken : failed) = true;
                std::free(error);
            }
        }
        if (taken || failed) {
            // Ungrabbing releases only this client's grabs, and no other registration here
            // holds these combinations, so the grabs that did succeed are the ones undone.
            ungrab(wanted);
            return core::unexpected(taken ? HotkeyError::KeyTaken : HotkeyError::GrabFailed);
        }
        m_grabs.emplace(identifier, std::move(wanted));
        return {};
    }

    void release(int identifier)
    {
        const auto found = m_grabs.find(identifier);
        if (found == m_grabs.end())
            return;
        ungrab(found->second);
        m_grabs.erase(found);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
            return false;
        const auto* press = static_cast<const xcb_key_press_event_t*>(message);
        const std::uint16_t held = press->state & kCoreModifierBits &
                                   static_cast<std::uint16_t>(~(XCB_MOD_MASK_LOCK | m_numLockMask));
        for (const auto& [identifier, grabbed] : m_grabs) {
            if (grabbed.mask == held && std::ranges::count(grabbed.keycodes, press->detail) > 0) {
                deliver(identifier);
                return true;
            }
        }
        return false;
    }

private:
    struct Grab {
        std::uint16_t mask = 0;
        std::vector<xcb_keycode_t> keycodes;
    };

    // The handler runs from the event loop rather than inside the filter, so that it may
    // remove the hotkeys or destroy their owner; a press whose grab is gone by then is dropped.
    void deliver(int identifier)
    {
        const Grab pressed = m_grabs.at(identifier);
        QMetaObject::invokeMethod(
            &m_context,
            [this, identifier, pressed] {
                const auto still = m_grabs.find(identifier);
                if (still != m_grabs.end() && still->second.mask == pressed.mask &&
                    still->second.keycodes == pressed.keycodes)
                    m_owner.activate(identifier);
            },
            Qt::QueuedConnection);
    }

    bool heldHere(const Grab& wanted) const
    {
        for (const auto& [identifier, grabbed] : m_grabs) {
            if (grabbed.mask != wanted.mask)
                continue;
            for (xcb_keycode_t keycode : wanted.keycodes) {
                if (std::ranges::count(grabbed.keycodes, keycode) > 0)
                    return true;
            }
        }
        return false;
    }

    template <typename Action> void forEachGrab(const Grab& grab, Action action) const
    {
        const std::set<std::uint16_t> locks{
            0, XCB_MOD_MASK_LOCK, m_numLockMask,
            static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | m_numLockMask)};
        for (xcb_window_t root : m_roots) {
            for (xcb_keycode_t keycode : grab.keycodes) {
                for (std::uint16_t lock : locks)
                    action(root, keycode, static_cast<std::uint16_t>(grab.mask | lock));
            }
        }
    }

    void ungrab(const Grab& grab)
    {
        forEachGrab(grab, [&](xcb_window_t root, xcb_keycode_t keycode, std::uint16_t mask) {
            xcb_ungrab_key(m_connection, keycode, root, mask);
        });
        xcb_flush(m_connection);
    }

    // The modifier bit that Num Lock sets, looked up in the server's modifier map; Mod2 when
    // the map has no Num Lock.
    std::uint16_t findNumLockMask(xcb_key_symbols_t* symbols) const
    {
        const std::vector<xcb_keycode_t> numLock = keycodesOf(symbols, XK_Num_Lock);
        xcb_get_modifier_mapping_reply_t* mapping = xcb_get_modifier_mapping_reply(
            m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
        if (mapping == nullptr)
            return XCB_MOD_MASK_2;
        std::uint16_t mask = 0;
        const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(mapping);
        const int perModifier = mapping->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8 && mask == 0; ++modifier) {
            for (int slot = 0; slot < perModifier; ++slot) {
                const xcb_keycode_t keycode = keycodes[modifier * perModifier + slot];
                if (keycode != 0 && std::ranges::count(numLock, keycode) > 0) {
                    mask = static_cast<std::uint16_t>(1U << modifier);
                    break;
                }
            }
        }
        std::free(mapping);
        return mask != 0 ? mask : static_cast<std::uint16_t>(XCB_MOD_MASK_2);
    }

    X11GlobalHotkeys& m_owner;
    xcb_connection_t* m_connection;
    std::vector<xcb_window_t> m_roots;
    std::map<int, Grab> m_grabs;
    std::uint16_t m_numLockMask = XCB_MOD_MASK_2;
    QObject m_context; // queued activations die with it
};

X11GlobalHotkeys::X11GlobalHotkeys()
{
    if (qGuiApp == nullptr)
        return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr)
        return;
    m_connection = std::make_unique<Connection>(*this, x11->connection());
}

X11GlobalHotkeys::~X11GlobalHotkeys()
{
    RemoveHotKeys();
}

core::Result<void, HotkeyError> X11GlobalHotkeys::grab(int identifier, HotkeyModifiers modifiers,
                                                       char key)
{
    if (m_connection == nullptr)
        return core::unexpected(HotkeyError::Unavailable);
    return m_connection->grab(identifier, modifiers, key);
}

void X11GlobalHotkeys::release(int identifier)
{
    if (m_connection != nullptr)
        m_connection->release(identifier);
}

} // namespace nuvra::platform
