// The X11 hotkeys against a real X server: the test program starts its own Xvfb, types with
// xdotool and plays "another program" with a second X connection of its own.
//   platform_x11_tests              the X11 cases on a fresh virtual display
//   platform_x11_tests --offscreen  the cases for a session without X11

#include "platform/linux/x11_global_hotkeys.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStringList>
#include <QTest>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <spawn.h>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace nuvra::platform {
namespace {

using enum HotkeyModifier;

// Generous: a key press normally arrives within milliseconds; this only bounds a failure.
constexpr int kArrivalLimitMs = 10000;

void pressKeys(const QStringList& keys)
{
    ASSERT_EQ(QProcess::execute("xdotool", QStringList{"key"} + keys), 0)
        << "xdotool key " << keys.join(' ').toStdString();
}

// A second X client, as another program holding keys would be.
class OtherProgram {
public:
    OtherProgram() : m_connection(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    }
    ~OtherProgram() { xcb_disconnect(m_connection); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;

    bool connected() const { return xcb_connection_has_error(m_connection) == 0; }

    // Grabs the key with exactly this core modifier mask; false when someone else holds it.
    bool grab(xcb_keycode_t keycode, std::uint16_t mask)
    {
        const auto cookie = xcb_grab_key_checked(m_connection, 0, m_root, mask, keycode,
                                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
        std::free(error);
        return error == nullptr;
    }

    void ungrab(xcb_keycode_t keycode, std::uint16_t mask)
    {
        xcb_ungrab_key(m_connection, keycode, m_root, mask);
        xcb_flush(m_connection);
    }

    // The first key that carries the keysym in its first column.
    xcb_keycode_t keycodeOf(xcb_keysym_t keysym)
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto* reply = xcb_get_keyboard_mapping_reply(
            m_connection,
            xcb_get_keyboard_mapping(m_connection, setup->min_keycode,
                                     static_cast<std::uint8_t>(count)),
            nullptr);
        if (reply == nullptr)
            return 0;
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
        xcb_keycode_t found = 0;
        for (int index = 0; index < count && found == 0; ++index) {
            if (keysyms[index * reply->keysyms_per_keycode] == keysym)
                found = static_cast<xcb_keycode_t>(setup->min_keycode + index);
        }
        std::free(reply);
        return found;
    }

    // The modifier and lock bits the server holds right now.
    std::uint16_t modifierState()
    {
        auto* reply =
            xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, m_root), nullptr);
        if (reply == nullptr)
            return 0;
        const std::uint16_t mask = reply->mask & 0xFF;
        std::free(reply);
        return mask;
    }

private:
    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
};

constexpr xcb_keysym_t kKeysymR = 0x72;
constexpr std::uint16_t kAltMask = XCB_MOD_MASK_1;
constexpr std::uint16_t kCtrlShiftMask = XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_SHIFT;
constexpr std::uint16_t kCapsLockMask = XCB_MOD_MASK_LOCK;
constexpr std::uint16_t kNumLockMask = XCB_MOD_MASK_2; // Xvfb's keymap puts Num Lock on Mod2

class X11HotkeysTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
        ASSERT_TRUE(m_other.connected());
        m_keycodeR = m_other.keycodeOf(kKeysymR);
        ASSERT_NE(m_keycodeR, 0);
        m_hotkeys.setActivationHandler(
            [this](int identifier) { m_received.push_back(identifier); });
    }

    // Waits until this many activations have arrived in all.
    bool received(std::size_t count)
    {
        return QTest::qWaitFor([&] { return m_received.size() >= count; }, kArrivalLimitMs);
    }

    X11GlobalHotkeys m_hotkeys;
    OtherProgram m_other;
    xcb_keycode_t m_keycodeR = 0;
    std::vector<int> m_received;
};

TEST_F(X11HotkeysTest, BothCalculatorHotkeysArriveWithTheirIdentifiers)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    EXPECT_EQ(m_hotkeys.count(), 2);

    pressKeys({"alt+r"});
    ASSERT_TRUE(received(1));
    pressKeys({"ctrl+shift+r"});
    ASSERT_TRUE(received(2));
    pressKeys({"alt+r"});
    ASSERT_TRUE(received(3));
    EXPECT_EQ(m_received, (std::vector<int>{1, 2, 1}));
}

TEST_F(X11HotkeysTest, TheGrabsAreHeldOnTheServer)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    EXPECT_FALSE(m_other.grab(m_keycodeR, kAltMask));
    EXPECT_FALSE(m_other.grab(m_keycodeR, kAltMask | kCapsLockMask));
    EXPECT_FALSE(m_other.grab(m_keycodeR, kAltMask | kNumLockMask));
    EXPECT_FALSE(m_other.grab(m_keycodeR, kAltMask | kCapsLockMask | kNumLockMask));
    // Another modifier set on the same key stays free.
    EXPECT_TRUE(m_other.grab(m_keycodeR, kCtrlShiftMask));
}

TEST_F(X11HotkeysTest, RemovedHotkeysNoLongerArrive)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    m_hotkeys.RemoveHotKeys();
    EXPECT_EQ(m_hotkeys.count(), 0);
    EXPECT_TRUE(m_other.grab(m_keycodeR, kAltMask | kNumLockMask));
    m_other.ungrab(m_keycodeR, kAltMask | kNumLockMask);

    // Alt+T as the third registration has an identifier neither old key had; the X server
    // delivers key presses in order, so anything from Alt+R or Ctrl+Shift+R would come first.
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'Q'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'W'));
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'T'));
    pressKeys({"alt+r"});
    pressKeys({"ctrl+shift+r"});
    pressKeys({"alt+t"});
    ASSERT_TRUE(received(1));
    EXPECT_EQ(m_received, (std::vector<int>{3}));
}

TEST_F(X11HotkeysTest, AKeyAnotherProgramHoldsFailsAndStillUsesUpItsIdentifier)
{
    ASSERT_TRUE(m_other.grab(m_keycodeR, kAltMask));
    const auto first = m_hotkeys.AddHotKey(Alt, 'R');
    ASSERT_FALSE(first);
    EXPECT_EQ(first.error(), HotkeyError::KeyTaken);
    EXPECT_EQ(m_hotkeys.count(), 1);

    ASSERT_TRUE(m_hotkeys.AddHotKey(Control | Shift, 'R'));
    EXPECT_EQ(m_hotkeys.count(), 2);
    pressKeys({"ctrl+shift+r"});
    ASSERT_TRUE(received(1));
    EXPECT_EQ(m_received, (std::vector<int>{2}));
}

TEST_F(X11HotkeysTest, AFailedRegistrationLeavesNoneOfItsGrabsBehind)
{
    // The other program holds only the Caps Lock variant, so some of ours succeed first.
    ASSERT_TRUE(m_other.grab(m_keycodeR, kAltMask | kCapsLockMask));
    const auto added = m_hotkeys.AddHotKey(Alt, 'R');
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), HotkeyError::KeyTaken);

    OtherProgram third;
    ASSERT_TRUE(third.connected());
    EXPECT_TRUE(third.grab(m_keycodeR, kAltMask));
    EXPECT_TRUE(third.grab(m_keycodeR, kAltMask | kNumLockMask));
}

TEST_F(X11HotkeysTest, AnEarlierRegistrationHereHoldsItsKey)
{
    ASSERT_TRUE(m_hotkeys.AddHotKey(Alt, 'R'));
    const auto again = m_hotkeys.AddHotKey(Alt, 'r');
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error(), HotkeyError::KeyTaken);
    EXPECT_EQ(m_hotkeys.count(), 2);

    pressKeys({"alt+r"});
    ASSERT_TRUE(received(1));
    EXPECT_EQ(m_received, (std::vector<int>{1}));

    // Releasing the failed second registration must not release the first one's grab.
    m_hotkeys.RemoveHotKeys();
    EXPECT_TRUE(m_other.grab(m_keycodeR, kAltMask));
}

TEST_F(X11HotkeysTest, DestroyingTheHotkeysReleasesTheirGrabs)
{
    {
        X11GlobalHotkeys shortLived;
        ASSERT_TRUE(shortLived.AddHotKey(Control | Shift, 'R'));
        ASSERT_FALSE(m_other.grab(m_keycodeR, kCtrlShiftMask));
    }
    EXPECT_TRUE(m_other.grab(m_keycodeR, kCtrlShiftMask));
    EXPECT_TRUE(m_other.grab(m_keycodeR, kCtrlShiftMask | kCapsLockMask | kNumLockMask));
}

TEST_F(X11HotkeysTest, AKeyThatIsNeitherLetterNorDigitIsRefused)
{
    const auto added = m_hotkeys.AddHotKey(Alt, '#');
    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), HotkeyError::UnknownKey);
    EXPECT_EQ(m_hotkeys.count(), 1);
}

struct PressCase {
    std::string name;
    QStringList locks; // lock keys pressed before the hotkey and again after it
    std::uint16_t lockMask;
    HotkeyModifiers modifiers;
    char key;
    QString typed;
};

void PrintTo(const PressCase& row, std::ostream* out)
{
    *out << row.name;
}

class X11HotkeyPressTest : public X11HotkeysTest, public testing::WithParamInterface<PressCase> {
protected:
    void TearDown() override
    {
        if (!GetParam().locks.isEmpty())
            pressKeys(GetParam().locks);
        EXPECT_EQ(m_other.modifierState(), 0);
    }
};

TEST_P(X11HotkeyPressTest, ArrivesWhateverTheLocks)
{
    const PressCase& row = GetParam();
    if (!row.locks.isEmpty())
        pressKeys(row.locks);
    ASSERT_EQ(m_other.modifierState(), row.lockMask);

    ASSERT_TRUE(m_hotkeys.AddHotKey(row.modifiers, row.key));
    pressKeys({row.typed});
    ASSERT_TRUE(received(1));
    EXPECT_EQ(m_received, (std::vector<int>{1}));
}

INSTANTIATE_TEST_SUITE_P(
    Presses, X11HotkeyPressTest,
    testing::Values(PressCase{"alt_r_without_locks", {}, 0, Alt, 'R', "alt+r"},
                    PressCase{
                        "alt_r_with_caps_lock", {"Caps_Lock"}, kCapsLockMask, Alt, 'R', "alt+r"},
                    PressCase{"alt_r_with_num_lock", {"Num_Lock"}, kNumLockMask, Alt, 'R', "alt+r"},
                    PressCase{"ctrl_shift_r_with_both_locks",
                              {"Caps_Lock", "Num_Lock"},
                              kCapsLockMask | kNumLockMask,
                              Control | Shift,
                              'R',
                              "ctrl+shift+r"},
                    PressCase{"lower_case_key_names_the_same_key", {}, 0, Alt, 'r', "alt+r"},
                    PressCase{"digit_key", {}, 0, Control | Alt, '7', "ctrl+alt+7"}),
    [](const testing::TestParamInfo<PressCase>& info) { return info.param.name; });

TEST(OffscreenHotkeysTest, EveryRegistrationFailsCleanlyAndIsCounted)
{
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    X11GlobalHotkeys hotkeys;
    int activations = 0;
    hotkeys.setActivationHandler([&](int) { ++activations; });

    const auto first = hotkeys.AddHotKey(Alt, 'R');
    const auto second = hotkeys.AddHotKey(Control | Shift, 'R');
    ASSERT_FALSE(first);
    ASSERT_FALSE(second);
    EXPECT_EQ(first.error(), HotkeyError::Unavailable);
    EXPECT_EQ(second.error(), HotkeyError::Unavailable);
    EXPECT_EQ(hotkeys.count(), 2);

    hotkeys.RemoveHotKeys();
    EXPECT_EQ(hotkeys.count(), 0);
    EXPECT_FALSE(hotkeys.AddHotKey(Alt, 'R'));
    EXPECT_EQ(hotkeys.count(), 1);
    EXPECT_EQ(activations, 0);
}

// A virtual X display of this process, on a display number the server picks itself.
class VirtualDisplay {
public:
    bool start()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return false;
        const std::string fd = std::to_string(ready[1]);
        std::vector<std::string> words{"Xvfb",    "-displayfd", fd,           "-nolisten", "tcp",
                                       "-screen", "0",          "640x480x24", "-noreset"};
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, ready[0]);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", 0, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", 0, 0);
        const int spawned = posix_spawnp(&m_pid, "Xvfb", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(ready[1]);
        if (spawned != 0) {
            close(ready[0]);
            m_pid = 0;
            return false;
        }
        std::string number;
        char c = 0;
        while (read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        if (number.empty())
            return false;
        m_name = ":" + number;
        return true;
    }

    ~VirtualDisplay()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }

    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = 0;
    std::string m_name;
};

} // namespace
} // namespace nuvra::platform

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const bool offscreen = argc > 1 && std::string_view(argv[1]) == "--offscreen";
    nuvra::platform::VirtualDisplay display;
    if (offscreen) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        GTEST_FLAG_SET(filter, "OffscreenHotkeysTest.*");
    } else {
        if (!display.start()) {
            std::fprintf(stderr, "cannot start Xvfb\n");
            return 1;
        }
        setenv("DISPLAY", display.name().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (GTEST_FLAG_GET(filter) == "*")
            GTEST_FLAG_SET(filter, "-OffscreenHotkeysTest.*");
    }
    int result = 0;
    {
        QGuiApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
