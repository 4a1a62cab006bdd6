#include "platform/linux/xdg_autostart.h"
#include "platform/temporary_directory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

namespace nuvra::platform {
namespace {

std::string fileText(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

void writeFileText(const std::filesystem::path& file, std::string_view text)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::set<std::string> folderEntries(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

struct FileNameCase {
    const char* name;
    std::string_view valueName;
    std::string_view fileName;
};

class XdgEntryFileName : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(XdgEntryFileName, FollowsTheValueName)
{
    EXPECT_EQ(XdgAutostart::entryFileName(GetParam().valueName), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Names, XdgEntryFileName,
    ::testing::Values(FileNameCase{"calculator", "Nuvra", "nuvra.desktop"},
                      FileNameCase{"updater", "Nuvra Updater", "nuvra-updater.desktop"},
                      FileNameCase{"digits_and_underscore", "Nuvra_Updater 2",
                                   "nuvra_updater-2.desktop"},
                      FileNameCase{"other_characters_dropped", "Nü/vra.!", "nvra.desktop"},
                      FileNameCase{"nothing_left", "Ü!?", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExecCase {
    const char* name;
    StartupCommand command;
    std::string_view exec; // as it stands in the file
};

class XdgExecLine : public ::testing::TestWithParam<ExecCase> {};

TEST_P(XdgExecLine, QuotesOnlyWhatNeedsIt)
{
    EXPECT_EQ(desktopExecLine(GetParam().command), GetParam().exec);
}

TEST_P(XdgExecLine, ParsesBackToTheSameCommand)
{
    EXPECT_EQ(parseDesktopExecLine(GetParam().exec), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, XdgExecLine,
    ::testing::Values(
        ExecCase{
            "bare_path_and_argument", {"/opt/nuvra/bin/Nuvra", {"4"}}, "/opt/nuvra/bin/Nuvra 4"},
        ExecCase{
            "no_arguments", {"/opt/nuvra/bin/Nuvra_Updater", {}}, "/opt/nuvra/bin/Nuvra_Updater"},
        ExecCase{"blank_in_path", {"/home/a b/Nuvra", {"4"}}, "\"/home/a b/Nuvra\" 4"},
        // The quoting backslash is itself doubled by the string escape of the format.
        ExecCase{"dollar_and_quote", {"/x/$HOME\"q", {}}, "\"/x/\\\\$HOME\\\\\"q\""},
        ExecCase{"backtick", {"/x/`cmd`", {}}, "\"/x/\\\\`cmd\\\\`\""},
        // Quoting doubles the backslash and the string escape doubles both again.
        ExecCase{"backslash", {"/x/a\\b", {}}, "\"/x/a\\\\\\\\b\""},
        ExecCase{"single_quote", {"/x/it's", {}}, "\"/x/it's\""},
        ExecCase{"percent_doubled", {"/x/Nuvra", {"50%"}}, "/x/Nuvra 50%%"},
        ExecCase{"empty_argument", {"/x/Nuvra", {""}}, "/x/Nuvra \"\""},
        ExecCase{"newline_in_argument", {"/x/Nuvra", {"a\nb"}}, "/x/Nuvra \"a\\nb\""},
        ExecCase{"non_ascii_path", {"/home/jürgen/Nuvra", {"4"}}, "/home/jürgen/Nuvra 4"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadExecCase {
    const char* name;
    std::string_view exec;
};

class XdgBadExecLine : public ::testing::TestWithParam<BadExecCase> {};

TEST_P(XdgBadExecLine, GivesNoCommand)
{
    EXPECT_EQ(parseDesktopExecLine(GetParam().exec), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Lines, XdgBadExecLine,
                         ::testing::Values(BadExecCase{"empty", ""},
                                           BadExecCase{"blanks_only", "   "},
                                           BadExecCase{"unterminated_quote", "\"/x/Nuvra 4"},
                                           BadExecCase{"unknown_string_escape", "/x/Nu\\qvra"},
                                           BadExecCase{"quote_running_into_text", "\"/x\"/Nuvra"},
                                           BadExecCase{"reserved_character_unquoted", "/x/$HOME"},
                                           BadExecCase{"field_code", "/x/Nuvra %f"},
                                           BadExecCase{"empty_program", "\"\" 4"}),
                         [](const auto& info) { return std::string(info.param.name); });

class XdgAutostartTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.path().empty()); }

    std::filesystem::path folder() const { return m_folder.path() / "autostart"; }

    TemporaryDirectory m_folder;
    XdgAutostart m_list{m_folder.path() / "autostart"};
};

TEST_F(XdgAutostartTest, WritesAFreedesktopAutostartEntry)
{
    ASSERT_TRUE(m_list.add("Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}}));

    EXPECT_EQ(fileText(folder() / "nuvra.desktop"), "[Desktop Entry]\n"
                                                    "Type=Application\n"
                                                    "Name=Nuvra\n"
                                                    "Exec=/opt/nuvra/bin/Nuvra 4\n"
                                                    "X-GNOME-Autostart-enabled=true\n"
                                                    "Terminal=false\n");
    EXPECT_EQ(folderEntries(folder()), std::set<std::string>{"nuvra.desktop"});
}

TEST_F(XdgAutostartTest, EntryReadsBackWhatWasAddedAndAddReplaces)
{
    ASSERT_TRUE(m_list.add("Nuvra Updater", {"/old/Nuvra_Updater", {}}));
    ASSERT_TRUE(m_list.add("Nuvra Updater", {"/opt/my apps/Nuvra_Updater", {"--silent"}}));

    EXPECT_EQ(m_list.entry("Nuvra Updater"),
              (StartupCommand{"/opt/my apps/Nuvra_Updater", {"--silent"}}));
    EXPECT_EQ(m_list.entry("Nuvra"), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder() / "nuvra-updater.desktop"));
}

TEST_F(XdgAutostartTest, RemoveDeletesTheEntryAndSucceedsWhenAbsent)
{
    ASSERT_TRUE(m_list.add("Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}}));
    ASSERT_TRUE(m_list.add("Nuvra Updater", {"/opt/nuvra/bin/Nuvra_Updater", {}}));

    EXPECT_TRUE(m_list.remove("Nuvra"));
    EXPECT_EQ(m_list.entry("Nuvra"), std::nullopt);
    EXPECT_TRUE(m_list.entry("Nuvra Updater").has_value());
    EXPECT_TRUE(m_list.remove("Nuvra"));
    XdgAutostart missingFolder(m_folder.path() / "never-created");
    EXPECT_TRUE(missingFolder.remove("Nuvra"));
}

TEST_F(XdgAutostartTest, HiddenEntryCountsAsAbsent)
{
    std::filesystem::create_directories(folder());
    writeFileText(folder() / "nuvra.desktop",
                  "[Desktop Entry]\nType=Application\nExec=/opt/nuvra/bin/Nuvra 4\nHidden=true\n");

    EXPECT_EQ(m_list.entry("Nuvra"), std::nullopt);
}

TEST_F(XdgAutostartTest, ReadsAnEntryWrittenByAnotherTool)
{
    std::filesystem::create_directories(folder());
    writeFileText(folder() / "nuvra.desktop",
                  "# made by hand\r\n[Other]\r\nExec=/wrong\r\n[Desktop Entry]\r\n"
                  "Name=Nuvra\r\nExec = /usr/bin/Nuvra 4\r\n");

    EXPECT_EQ(m_list.entry("Nuvra"), (StartupCommand{"/usr/bin/Nuvra", {"4"}}));
}

struct RefusedAddCase {
    const char* name;
    std::string_view valueName;
    StartupCommand command;
    StartupError error;
};

class XdgRefusedAdd : public XdgAutostartTest,
                      public ::testing::WithParamInterface<RefusedAddCase> {};

TEST_P(XdgRefusedAdd, ReportsTheReasonAndWritesNothing)
{
    const auto added = m_list.add(GetParam().valueName, GetParam().command);

    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), GetParam().error);
    EXPECT_FALSE(std::filesystem::exists(folder()));
}

INSTANTIATE_TEST_SUITE_P(Inputs, XdgRefusedAdd,
                         ::testing::Values(RefusedAddCase{"name_without_usable_characters",
                                                          "?!",
                                                          {"/opt/nuvra/bin/Nuvra", {}},
                                                          StartupError::InvalidName},
                                           RefusedAddCase{"empty_program",
                                                          "Nuvra",
                                                          {"", {"4"}},
                                                          StartupError::InvalidCommand}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(XdgAutostartTest, FailedWriteLeavesNoEntryBehind)
{
    // A folder with the entry's name cannot be replaced by a file.
    std::filesystem::create_directories(folder() / "nuvra.desktop" / "inside");

    const auto added = m_list.add("Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}});

    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), StartupError::CannotWrite);
    EXPECT_EQ(m_list.entry("Nuvra"), std::nullopt);
    EXPECT_EQ(folderEntries(folder()), std::set<std::string>{"nuvra.desktop"});
}

TEST_F(XdgAutostartTest, FolderThatCannotBeCreatedFailsTheAdd)
{
    writeFileText(m_folder.path() / "autostart", "a file, not a folder\n");

    const auto added = m_list.add("Nuvra", {"/opt/nuvra/bin/Nuvra", {"4"}});

    ASSERT_FALSE(added);
    EXPECT_EQ(added.error(), StartupError::CannotWrite);
    EXPECT_EQ(m_list.entry("Nuvra"), std::nullopt);
}

} // namespace
} // namespace nuvra::platform
