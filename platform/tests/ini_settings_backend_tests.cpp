#include "platform/linux/ini_settings_backend.h"
#include "platform/temporary_directory.h"

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace nuvra::platform {
namespace {

using namespace std::string_view_literals;

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

class IniSettingsBackendTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.path().empty()); }

    TemporaryDirectory m_folder;
    IniSettingsBackend m_backend{m_folder.path()};
};

// --- Round trip of awkward texts ------------------------------------------------------------

struct RoundTripCase {
    const char* name;
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

class IniRoundTrip : public IniSettingsBackendTest,
                     public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(IniRoundTrip, ReadsBackExactlyWhatWasWritten)
{
    const auto& row = GetParam();
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Before", "b"));
    ASSERT_TRUE(m_backend.write("Nuvra", row.section, row.key, row.value));
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "After", "a"));

    const auto value = m_backend.read("Nuvra", row.section, row.key);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, row.value);
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "Before"), "b");
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "After"), "a");
}

INSTANTIATE_TEST_SUITE_P(
    AwkwardTexts, IniRoundTrip,
    ::testing::Values(
        RoundTripCase{"plain_flag", "Settings", "Splash", "1"},
        RoundTripCase{"blanks_in_key", "Settings", "Launch at Startup", "1"},
        RoundTripCase{"blanks_around_value", "Settings", " padded key ", "  padded  "},
        RoundTripCase{"equals_in_key_and_value", "Settings", "a=b", "x=y=z"},
        RoundTripCase{"brackets_in_key_and_value", "Settings", "[Graph]", "[Graph]"},
        RoundTripCase{"brackets_in_section", "Odd]Sec[tion]", "Key", "v"},
        RoundTripCase{"equals_in_section", "a=b", "Key", "v"},
        RoundTripCase{"key_starting_with_semicolon", "Settings", ";not a comment", "1"},
        RoundTripCase{"key_starting_with_hash", "Settings", "#not a comment", "2"},
        RoundTripCase{"value_starting_with_comment_marks", "Settings", "Key", ";#[x]"},
        RoundTripCase{"newlines_in_value", "Settings", "Variables", "x=1\ny=2\n"},
        RoundTripCase{"carriage_return_line_feed", "Settings", "Variables", "a\r\nb"},
        RoundTripCase{"newline_in_key", "Settings", "two\nlines", "v"},
        RoundTripCase{"backslashes", "Settings", "Path\\Key", "C:\\Program Files\\Nuvra\\"},
        RoundTripCase{"escape_lookalikes", "Settings", "Key", "\\n \\x41 \\="},
        RoundTripCase{"control_characters", "Settings", "Key", "\t\x01\x1f\x7f"},
        RoundTripCase{"nul_byte_in_value", "Settings", "Key", "a\0b"sv},
        RoundTripCase{"empty_value", "Settings", "Key", ""},
        RoundTripCase{"empty_key", "Settings", "", "v"},
        RoundTripCase{"empty_section", "", "Key", "v"},
        RoundTripCase{"non_ascii_utf8", "Größe", "Überschrift €", "Zürich → 東京"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniSettingsBackendTest, WritesTheEscapedFormOnDisk)
{
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Launch at Startup", "1"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "a=b", "1\n2\\"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Odd]", ";key", "\x01"));

    EXPECT_EQ(fileText(m_folder.path() / "Nuvra.ini"), "[Settings]\n"
                                                       "Launch at Startup=1\n"
                                                       "a\\=b=1\\n2\\\\\n"
                                                       "\n"
                                                       "[Odd\\]]\n"
                                                       "\\;key=\\x01\n");
}

TEST_F(IniSettingsBackendTest, KeepsSectionsAndApplicationsApart)
{
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Top", "1"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Position", "Top", "2"));
    ASSERT_TRUE(m_backend.write("Numbers", "Settings", "Top", "3"));

    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "Top"), "1");
    EXPECT_EQ(m_backend.read("Nuvra", "Position", "Top"), "2");
    EXPECT_EQ(m_backend.read("Numbers", "Settings", "Top"), "3");
    EXPECT_EQ(m_backend.read("Numbers", "Position", "Top"), std::nullopt);
    EXPECT_EQ(m_backend.read("Nuvra", "settings", "Top"), std::nullopt);
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "top"), std::nullopt);
    EXPECT_EQ(folderEntries(m_folder.path()),
              (std::set<std::string>{"Nuvra.ini", ".Nuvra.ini.lock", "Numbers.ini",
                                     ".Numbers.ini.lock"}));
}

TEST_F(IniSettingsBackendTest, OverwritingKeepsTheOtherKeysInTheirOrder)
{
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "A", "1"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Position", "Top", "100"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "B", "2"));
    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "A", "changed"));

    EXPECT_EQ(fileText(m_folder.path() / "Nuvra.ini"),
              "[Settings]\nA=changed\nB=2\n\n[Position]\nTop=100\n");
}

TEST_F(IniSettingsBackendTest, KeepsCommentsAndUnknownLinesOfAHandEditedFile)
{
    writeFileText(m_folder.path() / "Nuvra.ini",
                  "; written by hand\n[Extra]\n# note\nX=1\n\n[Settings]\nSplash=0\n");

    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Sonus", "1"));

    EXPECT_EQ(fileText(m_folder.path() / "Nuvra.ini"),
              "; written by hand\n[Extra]\n# note\nX=1\n\n[Settings]\nSplash=0\nSonus=1\n");
}

TEST_F(IniSettingsBackendTest, MissingFolderReadsAsAbsentAndWriteCreatesIt)
{
    IniSettingsBackend nested(m_folder.path() / "one" / "two");

    EXPECT_EQ(nested.read("Nuvra", "Settings", "Splash"), std::nullopt);
    ASSERT_TRUE(nested.write("Nuvra", "Settings", "Splash", "1"));
    EXPECT_EQ(nested.read("Nuvra", "Settings", "Splash"), "1");
    EXPECT_TRUE(std::filesystem::is_regular_file(m_folder.path() / "one" / "two" / "Nuvra.ini"));
}

TEST_F(IniSettingsBackendTest, LeavesNoTemporaryFileBehind)
{
    for (const char* key : {"K0", "K1", "K2", "K3", "K4"}) {
        ASSERT_TRUE(m_backend.write("Nuvra", "Settings", key, "v"));
    }
    EXPECT_EQ(folderEntries(m_folder.path()),
              (std::set<std::string>{"Nuvra.ini", ".Nuvra.ini.lock"}));
}

TEST_F(IniSettingsBackendTest, FolderThatCannotBeCreatedFailsTheWrite)
{
    writeFileText(m_folder.path() / "blocker", "a file, not a folder\n");
    IniSettingsBackend blocked(m_folder.path() / "blocker" / "nuvra");

    const auto written = blocked.write("Nuvra", "Settings", "Splash", "1");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, SettingsError::CannotCreateFolder);
    EXPECT_EQ(blocked.read("Nuvra", "Settings", "Splash"), std::nullopt);
}

struct InvalidNameCase {
    const char* name;
    std::string_view application;
};

class IniInvalidApplication : public IniSettingsBackendTest,
                              public ::testing::WithParamInterface<InvalidNameCase> {};

TEST_P(IniInvalidApplication, IsRefusedAndReadsAsAbsent)
{
    const auto written = m_backend.write(GetParam().application, "Settings", "Key", "v");
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, SettingsError::InvalidName);
    EXPECT_EQ(m_backend.read(GetParam().application, "Settings", "Key"), std::nullopt);
    EXPECT_TRUE(folderEntries(m_folder.path()).empty());
}

INSTANTIATE_TEST_SUITE_P(Names, IniInvalidApplication,
                         ::testing::Values(InvalidNameCase{"empty", ""},
                                           InvalidNameCase{"slash", "../Nuvra"},
                                           InvalidNameCase{"nul_byte", "Nu\0vra"sv}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Damaged files -------------------------------------------------------------------------

struct CorruptionCase {
    const char* name;
    std::string_view content;
    std::vector<std::string> damagedKeys;                        // in section "Settings"
    std::vector<std::pair<std::string, std::string>> intactKeys; // in section "Settings"
    bool folderInPlaceOfFile = false;
};

class IniCorruption : public IniSettingsBackendTest,
                      public ::testing::WithParamInterface<CorruptionCase> {
protected:
    void SetUp() override
    {
        IniSettingsBackendTest::SetUp();
        const auto file = m_folder.path() / "Nuvra.ini";
        if (GetParam().folderInPlaceOfFile) {
            std::filesystem::create_directories(file / "inside");
        } else {
            writeFileText(file, GetParam().content);
        }
    }

    void expectDamagedAbsentAndIntactRead()
    {
        for (const auto& key : GetParam().damagedKeys) {
            EXPECT_EQ(m_backend.read("Nuvra", "Settings", key), std::nullopt) << key;
        }
        for (const auto& [key, value] : GetParam().intactKeys) {
            EXPECT_EQ(m_backend.read("Nuvra", "Settings", key), value) << key;
        }
    }
};

TEST_P(IniCorruption, DamagedKeysReadAsAbsentAndIntactKeysStillRead)
{
    expectDamagedAbsentAndIntactRead();
}

TEST_P(IniCorruption, NextWriteKeepsTheIntactKeys)
{
    const auto written = m_backend.write("Nuvra", "Settings", "Fresh", "new");

    if (GetParam().folderInPlaceOfFile) {
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().kind, SettingsError::NotRegularFile);
        EXPECT_EQ(m_backend.read("Nuvra", "Settings", "Fresh"), std::nullopt);
        EXPECT_TRUE(std::filesystem::is_directory(m_folder.path() / "Nuvra.ini" / "inside"));
        return;
    }
    ASSERT_TRUE(written);
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "Fresh"), "new");
    expectDamagedAbsentAndIntactRead();
    // The rewritten file is clean: a damaged key can be stored again.
    for (const auto& key : GetParam().damagedKeys) {
        ASSERT_TRUE(m_backend.write("Nuvra", "Settings", key, "repaired"));
        EXPECT_EQ(m_backend.read("Nuvra", "Settings", key), "repaired") << key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    DamagedFiles, IniCorruption,
    ::testing::Values(
        CorruptionCase{"truncated_mid_line",
                       "[Settings]\nSplash=1\nSonus=0\nVariab",
                       {"Variab", "Variables"},
                       {{"Splash", "1"}, {"Sonus", "0"}}},
        CorruptionCase{"truncated_inside_an_escape",
                       "[Settings]\nSplash=1\nVariables=a\\",
                       {"Variables"},
                       {{"Splash", "1"}}},
        CorruptionCase{"binary_garbage",
                       "[Settings]\nSplash=1\nVariables=\x89PNG\x1a\r\n\x1a\n\xff\xfe\x00\x01=\x02\n"
                       "Sonus=0\n"sv,
                       {"Variables"},
                       {{"Splash", "1"}, {"Sonus", "0"}}},
        CorruptionCase{"nul_byte_in_a_line",
                       "[Settings]\nSplash=1\nSonus=0\x00\nMinNotif=1\n"sv,
                       {"Sonus"},
                       {{"Splash", "1"}, {"MinNotif", "1"}}},
        CorruptionCase{"unknown_escape",
                       "[Settings]\nSplash=1\nSonus=\\q\nMinNotif=0\n",
                       {"Sonus"},
                       {{"Splash", "1"}, {"MinNotif", "0"}}},
        CorruptionCase{
            "line_without_equals", "[Settings]\nSplash\nSonus=0\n", {"Splash"}, {{"Sonus", "0"}}},
        CorruptionCase{"missing_section_header",
                       "Splash=1\nSonus=0\n[Settings]\nMinNotif=1\n",
                       {"Splash", "Sonus"},
                       {{"MinNotif", "1"}}},
        CorruptionCase{"unclosed_section_header", "[Settings\nSplash=1\n", {"Splash"}, {}},
        CorruptionCase{"damaged_header_hides_its_keys",
                       "[Settings]\nSplash=1\n[Posi\x01tion]\nTop=5\n",
                       {"Top"},
                       {{"Splash", "1"}}},
        CorruptionCase{"empty_file", "", {"Splash"}, {}},
        CorruptionCase{"folder_in_place_of_file", "", {"Splash"}, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Files edited by hand -------------------------------------------------------------------

struct HandEditCase {
    const char* name;
    std::string_view content;
    std::vector<std::pair<std::string, std::string>> readable; // "section/key" -> value
    std::string_view section;                                 // written afterwards
    std::string_view key;
    std::string_view expected; // the whole file after the write
};

class IniHandEdited : public IniSettingsBackendTest,
                      public ::testing::WithParamInterface<HandEditCase> {
protected:
    void expectReadable()
    {
        for (const auto& [address, value] : GetParam().readable) {
            const auto slash = address.find('/');
            EXPECT_EQ(m_backend.read("Nuvra", address.substr(0, slash), address.substr(slash + 1)),
                      value)
                << address;
        }
    }
};

TEST_P(IniHandEdited, ReadsWhatAPersonMeantAndKeepsEveryLineOnWrite)
{
    const auto& row = GetParam();
    writeFileText(m_folder.path() / "Nuvra.ini", row.content);
    expectReadable();

    ASSERT_TRUE(m_backend.write("Nuvra", row.section, row.key, "new"));

    EXPECT_EQ(fileText(m_folder.path() / "Nuvra.ini"), row.expected);
    EXPECT_EQ(m_backend.read("Nuvra", row.section, row.key), "new");
    expectReadable();
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniHandEdited,
    ::testing::Values(
        HandEditCase{"crlf_line_ends",
                     "[Settings]\r\nSplash=0\r\nSonus=1\r\n",
                     {{"Settings/Splash", "0"}, {"Settings/Sonus", "1"}},
                     "Settings", "MinNotif",
                     "[Settings]\r\nSplash=0\r\nSonus=1\r\nMinNotif=new\r\n"},
        HandEditCase{"crlf_line_ends_new_section",
                     "[Settings]\r\nSplash=0\r\n",
                     {{"Settings/Splash", "0"}},
                     "Position", "Top",
                     "[Settings]\r\nSplash=0\r\n\r\n[Position]\r\nTop=new\r\n"},
        HandEditCase{"crlf_key_overwritten_in_place",
                     "[Settings]\r\nSplash=0\r\nSonus=1\r\n",
                     {{"Settings/Sonus", "1"}},
                     "Settings", "Splash",
                     "[Settings]\r\nSplash=new\r\nSonus=1\r\n"},
        HandEditCase{"missing_final_newline",
                     "[Settings]\nSplash=0\nSonus=1",
                     {{"Settings/Splash", "0"}, {"Settings/Sonus", "1"}},
                     "Settings", "MinNotif",
                     "[Settings]\nSplash=0\nSonus=1\nMinNotif=new\n"},
        HandEditCase{"missing_final_newline_last_key_overwritten",
                     "[Settings]\nSplash=0\nSonus=1",
                     {{"Settings/Splash", "0"}},
                     "Settings", "Sonus",
                     "[Settings]\nSplash=0\nSonus=new\n"},
        HandEditCase{"byte_order_mark",
                     "\xEF\xBB\xBF[Settings]\nSplash=0\n",
                     {{"Settings/Splash", "0"}},
                     "Settings", "Sonus",
                     "\xEF\xBB\xBF[Settings]\nSplash=0\nSonus=new\n"},
        HandEditCase{"byte_order_mark_crlf_and_no_final_newline",
                     "\xEF\xBB\xBF[Settings]\r\nSplash=0\r\nSonus=1",
                     {{"Settings/Splash", "0"}, {"Settings/Sonus", "1"}},
                     "Settings", "MinNotif",
                     "\xEF\xBB\xBF[Settings]\r\nSplash=0\r\nSonus=1\r\nMinNotif=new\r\n"},
        HandEditCase{"crlf_last_line_without_its_line_feed",
                     "[Settings]\r\nSplash=0\r\nSonus=1\r",
                     {{"Settings/Splash", "0"}, {"Settings/Sonus", "1"}},
                     "Settings", "MinNotif",
                     "[Settings]\r\nSplash=0\r\nSonus=1\r\nMinNotif=new\r\n"},
        HandEditCase{"unparsed_lines_stay_where_they_stood",
                     "[Settings]\nSplash=0\nthis line means nothing\nSonus=\\q\nMinNotif=1\n",
                     {{"Settings/Splash", "0"}, {"Settings/MinNotif", "1"}},
                     "Settings", "Sonus",
                     "[Settings]\nSplash=0\nthis line means nothing\nSonus=\\q\nMinNotif=1\n"
                     "Sonus=new\n"},
        HandEditCase{"lines_before_any_section_stay",
                     "Splash=1\n[Settings]\nSonus=0\n",
                     {{"Settings/Sonus", "0"}},
                     "Settings", "Splash",
                     "Splash=1\n[Settings]\nSonus=0\nSplash=new\n"},
        HandEditCase{"damaged_header_keeps_its_lines_and_the_key_goes_to_its_section",
                     "[Settings]\nSplash=1\n\n[Posi\x01tion]\nTop=5\n",
                     {{"Settings/Splash", "1"}},
                     "Settings", "Sonus",
                     "[Settings]\nSplash=1\nSonus=new\n\n[Posi\x01tion]\nTop=5\n"},
        HandEditCase{"damaged_header_lines_are_not_the_sections_keys",
                     "[Settings]\nSplash=1\n[Posi\x01tion]\nTop=5\n",
                     {{"Settings/Splash", "1"}},
                     "Position", "Top",
                     "[Settings]\nSplash=1\n[Posi\x01tion]\nTop=5\n\n[Position]\nTop=new\n"},
        HandEditCase{"nul_bytes_kept",
                     "[Settings]\nSonus=0\x00\nSplash=1\n"sv,
                     {{"Settings/Splash", "1"}},
                     "Settings", "Sonus",
                     "[Settings]\nSonus=0\x00\nSplash=1\nSonus=new\n"sv}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Faults around the file ----------------------------------------------------------------

TEST_F(IniSettingsBackendTest, FifoInPlaceOfTheFileReadsAsAbsentAndFailsTheWrite)
{
    const auto file = m_folder.path() / "Nuvra.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);

    // Opening a FIFO for reading waits for a writer; neither call may do that.
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "Splash"), std::nullopt);
    const auto written = m_backend.write("Nuvra", "Settings", "Splash", "0");

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, SettingsError::NotRegularFile);
    EXPECT_EQ(describeSettingsFailure(written.error()),
              "the settings file " + file.string() + " is not a regular file");
    EXPECT_TRUE(std::filesystem::is_fifo(file));
}

// Holds the lock file's lock through a descriptor of its own, as another process would.
class HeldLock {
public:
    explicit HeldLock(const std::filesystem::path& lockFile)
        : m_fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
    {
        m_held = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldLock() { ::close(m_fd); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool held() const { return m_held; }

private:
    int m_fd;
    bool m_held = false;
};

TEST_F(IniSettingsBackendTest, HeldLockFailsTheWriteAfterTheWaitAndNeverBlocksReads)
{
    IniSettingsBackend backend(m_folder.path(), std::chrono::milliseconds(150));
    ASSERT_TRUE(backend.write("Nuvra", "Settings", "Splash", "1"));
    const auto lockFile = m_folder.path() / ".Nuvra.ini.lock";
    std::optional<HeldLock> other(std::in_place, lockFile);
    ASSERT_TRUE(other->held());

    EXPECT_EQ(backend.read("Nuvra", "Settings", "Splash"), "1");
    const auto started = std::chrono::steady_clock::now();
    const auto written = backend.write("Nuvra", "Settings", "Splash", "0");
    const auto waited = std::chrono::steady_clock::now() - started;

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, SettingsError::LockTimedOut);
    EXPECT_GE(waited, std::chrono::milliseconds(150));
    EXPECT_EQ(describeSettingsFailure(written.error()),
              "another program keeps the settings locked: " + lockFile.string());
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Splash"), "1");

    other.reset();
    EXPECT_TRUE(backend.write("Nuvra", "Settings", "Splash", "0"));
    EXPECT_EQ(backend.read("Nuvra", "Settings", "Splash"), "0");
}

pid_t deadProcess()
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST_F(IniSettingsBackendTest, WriteRemovesTemporaryFilesOfDeadWriters)
{
    const std::string dead = std::to_string(deadProcess());
    const std::string alive = std::to_string(::getppid());
    for (const std::string& name :
         std::vector<std::string>{".Nuvra.ini." + dead + ".tmp", ".Nuvra.ini." + alive + ".tmp",
                                  ".Numbers.ini." + dead + ".tmp", ".Nuvra.ini.x1.tmp"}) {
        writeFileText(m_folder.path() / name, "[Settings]\nhalf");
    }

    ASSERT_TRUE(m_backend.write("Nuvra", "Settings", "Splash", "1"));

    // A live process may be a writer that cannot be seen from here; other files are not ours.
    EXPECT_EQ(folderEntries(m_folder.path()),
              (std::set<std::string>{"Nuvra.ini", ".Nuvra.ini.lock",
                                     ".Nuvra.ini." + alive + ".tmp",
                                     ".Numbers.ini." + dead + ".tmp", ".Nuvra.ini.x1.tmp"}));
}

struct FailureTextCase {
    const char* name;
    // Prepares the fault in the folder; gives the backend's folder and the path named.
    std::pair<std::filesystem::path, std::filesystem::path> (*prepare)(
        const std::filesystem::path& folder);
    std::string_view application;
    SettingsError kind;
    std::string_view start; // of the text, before the path
    std::string_view reason;
};

class IniFailureText : public IniSettingsBackendTest,
                       public ::testing::WithParamInterface<FailureTextCase> {};

TEST_P(IniFailureText, NamesTheFailingStepThePathAndTheSystemsReason)
{
    const auto& row = GetParam();
    const auto [directory, named] = row.prepare(m_folder.path());
    IniSettingsBackend backend(directory);

    const auto written = backend.write(row.application, "Settings", "Splash", "1");

    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().kind, row.kind);
    std::string expected(row.start);
    expected += named.string();
    expected += ": ";
    expected += row.reason;
    EXPECT_EQ(describeSettingsFailure(written.error()), expected);
}

const std::string kLongName(300, 'n');

INSTANTIATE_TEST_SUITE_P(
    Faults, IniFailureText,
    ::testing::Values(
        FailureTextCase{"folder_below_a_file",
                        [](const std::filesystem::path& folder) {
                            writeFileText(folder / "file", "x");
                            return std::pair{folder / "file" / "nuvra", folder / "file" / "nuvra"};
                        },
                        "Nuvra", SettingsError::CannotCreateFolder,
                        "cannot create the settings folder ", "Not a directory"},
        FailureTextCase{"file_name_too_long",
                        [](const std::filesystem::path& folder) {
                            return std::pair{folder, folder / ("." + kLongName + ".ini.lock")};
                        },
                        kLongName, SettingsError::CannotLock,
                        "cannot lock the settings file with ", "File name too long"},
        FailureTextCase{"folder_in_place_of_the_lock_file",
                        [](const std::filesystem::path& folder) {
                            std::filesystem::create_directory(folder / ".Nuvra.ini.lock");
                            return std::pair{folder, folder / ".Nuvra.ini.lock"};
                        },
                        "Nuvra", SettingsError::CannotLock,
                        "cannot lock the settings file with ", "Is a directory"},
        FailureTextCase{"folder_in_place_of_the_temporary_file",
                        [](const std::filesystem::path& folder) {
                            const auto temporary =
                                folder / (".Nuvra.ini." + std::to_string(::getpid()) + ".tmp");
                            std::filesystem::create_directory(temporary);
                            return std::pair{folder, temporary};
                        },
                        "Nuvra", SettingsError::CannotWrite,
                        "cannot write the settings file ", "Is a directory"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Two processes writing at once ---------------------------------------------------------

// Writes `count` keys "<prefix>0", "<prefix>1"... once the gate opens; the exit status tells
// how it went (0 all written, 1 a write failed, 2 the gate broke).
[[noreturn]] void writeKeysInChild(const std::filesystem::path& folder, int gate,
                                   const std::string& prefix, int count)
{
    char ignored = 0;
    if (::read(gate, &ignored, 1) != 0) { // blocks until the parent closes its end
        ::_exit(2);
    }
    IniSettingsBackend backend(folder);
    for (int i = 0; i < count; ++i) {
        const std::string index = std::to_string(i);
        if (!backend.write("Nuvra", "Settings", prefix + index, prefix + " value " + index)) {
            ::_exit(1);
        }
    }
    ::_exit(0);
}

TEST_F(IniSettingsBackendTest, TwoProcessesWritingAtOnceKeepEachOthersKeys)
{
    constexpr int kCount = 1000;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);

    const auto started = std::chrono::steady_clock::now();
    std::vector<pid_t> children;
    for (const std::string prefix : {"A", "B"}) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::close(gate[1]);
            writeKeysInChild(m_folder.path(), gate[0], prefix, kCount);
        }
        children.push_back(child);
    }
    ::close(gate[0]);
    ::close(gate[1]); // both children start writing now

    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    const auto elapsed = std::chrono::steady_clock::now() - started;
    RecordProperty(
        "write_milliseconds",
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));

    int missing = 0;
    for (const std::string prefix : {"A", "B"}) {
        for (int i = 0; i < kCount; ++i) {
            const std::string index = std::to_string(i);
            const auto value = m_backend.read("Nuvra", "Settings", prefix + index);
            if (value != prefix + " value " + index) {
                ++missing;
            }
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "A999"), "A value 999");
    EXPECT_EQ(m_backend.read("Nuvra", "Settings", "B0"), "B value 0");
    EXPECT_EQ(folderEntries(m_folder.path()),
              (std::set<std::string>{"Nuvra.ini", ".Nuvra.ini.lock"}));
}

} // namespace
} // namespace nuvra::platform
