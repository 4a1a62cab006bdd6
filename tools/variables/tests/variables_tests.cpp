#include "core/feedback.h"
#include "core/session.h"
#include "platform/fake_settings_backend.h"
#include "shell/settings_store.h"
#include "platform/fake_clipboard.h"
#include "tools/variables/variables_list.h"

#include <gtest/gtest.h>

namespace nuvra::tools::variables {

using platform::FakeClipboard;

namespace {

using Texts = std::vector<std::string>;

struct StoredCase {
    const char* name;
    const char* stored;
    Texts hidden;
};

class ReadVariablesTextTest : public testing::TestWithParam<StoredCase> {};

TEST_P(ReadVariablesTextTest, SplitsAtSemicolons)
{
    EXPECT_EQ(ReadVariablesText(GetParam().stored), GetParam().hidden);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTexts, ReadVariablesTextTest,
    testing::Values(StoredCase{"three_texts", "a;b;c;", {"a", "b", "c"}},
                    StoredCase{"empty_marker", "$", {}},
                    StoredCase{"at_sign_reads_nothing", "@", {}},
                    StoredCase{"empty_text_kept", "a;;b;", {"a", "", "b"}},
                    StoredCase{"no_final_semicolon", "a;b", {"a"}},
                    StoredCase{"empty_setting", "", {}},
                    StoredCase{"numbers", "1.5;-2;1E+20;", {"1.5", "-2", "1E+20"}}),
    [](const testing::TestParamInfo<StoredCase>& info) { return info.param.name; });

TEST(VariablesTextTest, WritesEveryNonEmptyText)
{
    EXPECT_EQ(VariablesText({"a", "b", "c"}), "a;b;c;");
    EXPECT_EQ(VariablesText({}), "$");
    EXPECT_EQ(VariablesText({"", ""}), "$");
    EXPECT_EQ(VariablesText({"a", "", "b"}), "a;b;");
}

class VariablesWindowTest : public testing::Test {
protected:
    core::CountingFeedback feedback;
    core::Session session{feedback};
    FakeClipboard clipboard;
    HiddenList hidden;
    platform::FakeSettingsBackend backend;
    shell::SettingsStore store{backend};
};

TEST_F(VariablesWindowTest, StoredListRoundTrips)
{
    store.WriteSetting("Nuvra", "Settings", "Variables", "a;;b");
    LoadVariables(store, hidden);
    EXPECT_EQ(hidden, (Texts{"a", ""}));
    hidden = {"a", "", "b"};
    VariablesWindow window(session, clipboard, hidden);
    EXPECT_EQ(window.items(), (Texts{"a", "b"}));
    SaveVariables(store, hidden, &window);
    EXPECT_EQ(store.ReadSetting("Nuvra", "Settings", "Variables", "?"), "a;b;");
    EXPECT_EQ(hidden, (Texts{"a", "b"}));
}

TEST_F(VariablesWindowTest, SavesTheHiddenListWhenTheWindowIsClosed)
{
    LoadVariables(store, hidden);
    EXPECT_TRUE(hidden.empty());
    hidden = {"1", "", "2"};
    SaveVariables(store, hidden, nullptr);
    EXPECT_EQ(store.ReadSetting("Nuvra", "Settings", "Variables", "?"), "1;2;");
    hidden.clear();
    SaveVariables(store, hidden, nullptr);
    EXPECT_EQ(store.ReadSetting("Nuvra", "Settings", "Variables", "?"), "$");
}

TEST_F(VariablesWindowTest, ClosingAndReopeningKeepsTheList)
{
    {
        VariablesWindow window(session, clipboard, hidden);
        EXPECT_TRUE(window.hintVisible());
        session.display.setEntry("42");
        window.insertValue();
        session.display.setEntry("");
        window.insertValue();
        EXPECT_FALSE(window.hintVisible());
        window.close();
    }
    const VariablesWindow reopened(session, clipboard, hidden);
    EXPECT_EQ(reopened.items(), (Texts{"42", "0"}));
}

TEST_F(VariablesWindowTest, InsertWritesTheNumberText)
{
    VariablesWindow window(session, clipboard, hidden);
    session.display.setEntry("-0.5");
    window.insertValue();
    session.display.setEntry(".");
    window.insertValue();
    EXPECT_EQ(window.items(), (Texts{"-0.5", "0"}));
    EXPECT_EQ(feedback.clicks(), 2);
}

struct PasteCase {
    const char* name;
    const char* clipboard;
    std::optional<std::string> added;
};

class PasteTest : public testing::TestWithParam<PasteCase> {};

TEST_P(PasteTest, AddsNumericClipboardTexts)
{
    core::CountingFeedback feedback;
    core::Session session(feedback);
    FakeClipboard clipboard;
    clipboard.content = GetParam().clipboard;
    HiddenList hidden;
    VariablesWindow window(session, clipboard, hidden);
    window.pasteValue();
    if (GetParam().added) {
        EXPECT_EQ(window.items(), (Texts{*GetParam().added}));
    } else {
        EXPECT_TRUE(window.items().empty());
    }
    EXPECT_EQ(feedback.clicks(), 1);
}

INSTANTIATE_TEST_SUITE_P(ClipboardTexts, PasteTest,
                         testing::Values(PasteCase{"plain_number", "42", "42"},
                                         PasteCase{"two_leading_zeros_removed", "007", "7"},
                                         PasteCase{"only_two_zeros_removed", "0007", "07"},
                                         PasteCase{"point_after_zero_kept", "0.5", "0.5"},
                                         PasteCase{"lone_zero_kept", "0", "0"},
                                         PasteCase{"sign_kept", "-5", "-5"},
                                         PasteCase{"blanks_trimmed", " 42 ", "42"},
                                         PasteCase{"grouping_kept", "1,234", "1,234"},
                                         PasteCase{"letters_refused", "abc", std::nullopt},
                                         PasteCase{"beyond_double_refused", "1e400", std::nullopt},
                                         PasteCase{"semicolon_refused", "1;2", std::nullopt}),
                         [](const testing::TestParamInfo<PasteCase>& info) {
                             return info.param.name;
                         });

TEST_F(VariablesWindowTest, PasteWithAnUnreachableClipboardDoesNothing)
{
    VariablesWindow window(session, clipboard, hidden);
    clipboard.content = "5";
    clipboard.unreachable = true;
    window.pasteValue();
    EXPECT_TRUE(window.items().empty());
}

TEST_F(VariablesWindowTest, ExportWritesTheEntryWithoutMarkingItComplete)
{
    hidden = {"1,234", "abc"};
    VariablesWindow window(session, clipboard, hidden);
    window.exportSelected();
    EXPECT_EQ(session.display.entry(), "0");
    ASSERT_TRUE(window.select(0));
    window.exportSelected();
    EXPECT_EQ(session.display.entry(), "1234");
    EXPECT_FALSE(session.engine.clearOnDigit);
    ASSERT_TRUE(window.select(1));
    window.exportSelected();
    EXPECT_EQ(session.display.entry(), "1234");
    EXPECT_FALSE(window.select(2));
}

TEST_F(VariablesWindowTest, CopyOnlyNumericSelections)
{
    hidden = {"2.5", "abc"};
    VariablesWindow window(session, clipboard, hidden);
    clipboard.content = "before";
    EXPECT_FALSE(window.copySelected());
    ASSERT_TRUE(window.select(1));
    EXPECT_FALSE(window.copySelected());
    EXPECT_EQ(clipboard.text(), "before");
    ASSERT_TRUE(window.select(0));
    EXPECT_TRUE(window.copySelected());
    EXPECT_EQ(clipboard.text(), "2.5");
    EXPECT_EQ(window.items().size(), 2u);
}

TEST_F(VariablesWindowTest, CutRemovesOnlyWhatReachedTheClipboard)
{
    hidden = {"2.5", "3"};
    VariablesWindow window(session, clipboard, hidden);
    ASSERT_TRUE(window.select(0));
    clipboard.unreachable = true;
    window.cutSelected();
    EXPECT_EQ(window.items().size(), 2u);
    clipboard.unreachable = false;
    window.cutSelected();
    EXPECT_EQ(clipboard.text(), "2.5");
    EXPECT_EQ(window.items(), (Texts{"3"}));
    EXPECT_FALSE(window.selection().has_value());
}

TEST_F(VariablesWindowTest, RemoveAndClear)
{
    hidden = {"1", "2", "3"};
    VariablesWindow window(session, clipboard, hidden);
    window.removeSelected();
    EXPECT_EQ(window.items().size(), 3u);
    ASSERT_TRUE(window.select(1));
    window.removeSelected();
    EXPECT_EQ(window.items(), (Texts{"1", "3"}));
    window.clearList();
    EXPECT_TRUE(window.items().empty());
    EXPECT_TRUE(window.hintVisible());
    EXPECT_EQ(feedback.clicks(), 3);
}

} // namespace
} // namespace nuvra::tools::variables
