// The reader on small configuration files, one folder per case under
// fixtures/, each holding a lanterra.cfg.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "launcher_table.h"
#include "reader.h"
#include "test_seam.h"

namespace {

const std::string FIXTURES = LANTERRA_FIXTURES;
const char SUFFIX[] = " - Quillarn (TM) Lanterra";

struct Entry {
    std::string iconName, iconFile, appPath, parameters, buttonLabel;
    int appType;
};

struct Failure {
    const char *reason;  // the caption is "Lanterra Error: " and this
    const char *detail;  // the last line of the message text
    int line;
};

struct ReaderCase {
    const char *dir;
    bool wow64;
    int entryCount;
    std::string title;
    Failure failure;            // reason null: no message, result 0
    std::vector<Entry> entries; // checked when not empty: the entries in use
};

const Failure NONE = {nullptr, nullptr, 0};
const Failure NO_COMMENT = {"No comment line", "Comment line expected", 0};

Failure At(Failure f, int line)
{
    f.line = line;
    return f;
}

std::string Titled(const std::string &label)
{
    return label + SUFFIX;
}

const ReaderCase READER_CASES[] = {
    // Main paths.
    {"example", false, 2, Titled("Service Tools"), NONE,
     {{"COMMAND", "", "C:\\TOOLS\\DISKINFO.EXE", "", "Disk Info", 0},
      {"EXTRACT", "", "C:\\TOOLS\\NETCHECK.EXE", "-quick", "Network Check", 1}}},
    {"example", true, 3, Titled("Service Tools"), NONE,
     {{"COMMAND", "", "C:\\TOOLS\\DISKINFO.EXE", "", "Disk Info", 0},
      {"EXTRACT", "", "C:\\TOOLS\\NETCHECK.EXE", "-quick", "Network Check", 1},
      {"EXTRACT", "C:\\TOOLS\\ICONS\\VIEW.ICO", "C:\\TOOLS\\VIEWER64.EXE", "", "Viewer", 2}}},
    {"example-lf", true, 3, Titled("Service Tools"), NONE,
     {{"COMMAND", "", "C:\\TOOLS\\DISKINFO.EXE", "", "Disk Info", 0},
      {"EXTRACT", "", "C:\\TOOLS\\NETCHECK.EXE", "-quick", "Network Check", 1},
      {"EXTRACT", "C:\\TOOLS\\ICONS\\VIEW.ICO", "C:\\TOOLS\\VIEWER64.EXE", "", "Viewer", 2}}},
    {"empty", false, 0, "", NONE, {}},
    {"wow64-drop", false, 2, "", NONE,
     {{"I1", "", "A.EXE", "", "First", 0}, {"I3", "", "C.EXE", "", "Third", 0}}},
    {"wow64-drop", true, 4, "", NONE,
     {{"I1", "", "A.EXE", "", "First", 0}, {"I2", "", "B.EXE", "p2", "Second", 2},
      {"I3", "", "C.EXE", "", "Third", 0}, {"I4", "", "D.EXE", "", "Fourth", 2}}},
    {"fifty-one", false, 50, "", NONE, {}},

    // How the data ends.
    {"caption-without-lf", false, 1, "", NONE, {{"A", "", "B.EXE", "c", "Last caption", 0}}},
    {"header-at-end", false, 1, "", {"No Icon name", "Icon name not found", 7}, {}},
    {"header-at-end-without-lf", false, 1, "", NONE, {}},
    {"title-without-lf", false, 1, "", NONE, {}},
    {"control-z", false, 1, "", NONE, {{"I", "", "A.EXE", "", "L", 0}}},
    {"lone-cr", false, 1, "", NONE, {{"A.EXE", "", "", "L", "", 0}}},
    {"nul-line", false, 1, "", NONE, {{"I", "", "A.EXE", "", "L", 0}}},

    // Title lines.
    {"title-30", false, 0, Titled(std::string(30, 'T')), NONE, {}},
    {"title-31", false, 0, "", {"WINLABEL too long", "WINLABEL too long", 2}, {}},
    {"title-empty", false, 1, "", {"WINLABEL format incorrect", "WINLABEL format incorrect", 6}, {}},
    {"title-single-quote", false, 0, "", {"WINLABEL format incorrect", "WINLABEL format incorrect", 1}, {}},
    {"title-quillarn", false, 0, "Quillarn Desk", NONE, {}},
    {"title-twice", false, 0, Titled("my \"quillarn\""), NONE, {}},
    {"title-on-semicolon", false, 0, Titled("Tools"), NONE, {}},
    {"title-escapes", false, 1, Titled("Tab\there \\ back"), NONE, {{"I", "", "A.EXE", "x \"q\" \x7f", "L", 0}}},
    {"long-title", false, 0, Titled("Tools"), At(NO_COMMENT, 2), {}},
    {"winlabel-tab", false, 0, "", At(NO_COMMENT, 1), {}},
    {"winlabel-lower-case", false, 1, "", At(NO_COMMENT, 6), {}},

    // Top-level errors.
    {"blank-line", false, 1, "", At(NO_COMMENT, 6), {}},
    {"byte-order-mark", false, 0, "", At(NO_COMMENT, 1), {}},
    {"caption-50", false, 1, "", At(NO_COMMENT, 6), {{"I", "", "A.EXE", "", std::string(49, 'c'), 0}}},
    {"caption-49", false, 1, "", NONE, {{"I", "", "A.EXE", "", std::string(49, 'c'), 0}}},
    // A header of 400 bytes: its first 299 bytes open the block, the rest
    // fills the icon line (99 bytes) and the application line; the lines
    // after it shift by two, and the old parameters line comes at top level.
    {"long-header", false, 1, "", At(NO_COMMENT, 6), {{std::string(99, 'H'), "", "HH", "A", "B", 0}}},

    // Missing field lines.
    {"missing-application", false, 0, "", {"No application", "Application path not found", 3}, {}},
    {"missing-parameters", false, 0, "", {"No parameter line", "Paramters not found", 4}, {}},
    {"missing-caption", false, 0, "", {"No Button label", "Button label not found", 5}, {}},
    {"error-in-third-block", false, 2, "", {"No parameter line", "Paramters not found", 14},
     {{"I", "", "A.EXE", "", "L1", 0}, {"I", "", "B.EXE", "", "L2", 0}}},

    // Field forms.
    {"empty-fields", false, 2, "", NONE, {{"A", "", "", "", "", 0}, {"", "", "B", "", "L2", 0}}},
    {"extract-forms", false, 6, "", NONE,
     {{"EXTRACT", " C:\\ICONS\\A.ICO", "A.EXE", "", "Two", 0},
      {"EXTRACT", "", "B.EXE", "", "Alone", 0},
      {"EXTRACT", "", "C.EXE", "", "Tab", 0},
      {"C:\\EXTRACTOR\\D.EXE", "", "D.EXE", "", "Word", 0},
      {"COMMEXTRACT", "E.DLL", "E.EXE", "", "After", 0},
      {"COMMAND", "", "F.EXE", "", "Name", 0}}},
    {"app-widths", true, 5, "", NONE,
     {{"I", "", "C:\\64BIT\\TOOL.EXE", "", "Folder", 0},
      {"I", "", "C:\\T.EXE", "", "Both", 1},
      {"I", "", "C:\\OLD.EXE", "", "Named", 2},
      {"I", "", "C:\\TOOLS\\RUN.EXE -QUICK", "", "Plain", 0},
      {"I", "", "C:\\32BIT\\X.EXE", "", "Mixed", 2}}},
    {"no-parameters", false, 2, "", NONE,
     {{"I", "", "A.EXE", "", "L", 0}, {"I", "", "B.EXE", "  Keep Case ", "L", 0}}},
    {"caption-cut", false, 3, "", NONE,
     {{"I", "", "A.EXE", "", "Disk", 0}, {"I", "", "B.EXE", "", "Caf", 0}, {"I", "", "C.EXE", "", "Ab", 0}}},
};

std::string ConfigPathOf(const std::string &dir)
{
    return dir + "\\lanterra.cfg";
}

bool IsZero(const void *bytes, size_t size)
{
    const unsigned char *p = static_cast<const unsigned char *>(bytes);
    for (size_t i = 0; i < size; i++) {
        if (p[i])
            return false;
    }
    return true;
}

class Reader : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Reader, ReadsTheFixture)
{
    const ReaderCase &c = GetParam();
    std::string dir = FIXTURES + "/" + c.dir;
    int result = RunReader(dir, c.wow64);

    EXPECT_EQ(configPath, ConfigPathOf(dir));
    EXPECT_EQ(launcherTable.entryCount, c.entryCount);
    EXPECT_EQ(windowTitle, c.title);
    if (c.failure.reason) {
        EXPECT_EQ(result, 1);
        EXPECT_EQ(seam.messagesShown, 1);
        EXPECT_EQ(seam.caption, std::string("Lanterra Error: ") + c.failure.reason);
        EXPECT_EQ(seam.text, "Config file: " + ConfigPathOf(dir) + "\nLine " + std::to_string(c.failure.line) +
                                 "\n" + c.failure.detail + "\n");
        EXPECT_EQ(seam.text, messageBuffer);
    } else {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(seam.messagesShown, 0) << seam.text;
    }
    for (size_t i = 0; i < c.entries.size(); i++) {
        const Entry &want = c.entries[i];
        const LauncherEntry &got = launcherTable.entries[i];
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(got.iconName, want.iconName);
        EXPECT_EQ(got.iconFile, want.iconFile);
        EXPECT_EQ(got.appPath, want.appPath);
        EXPECT_EQ(got.parameters, want.parameters);
        EXPECT_EQ(got.buttonLabel, want.buttonLabel);
        EXPECT_EQ(got.appType, want.appType);
    }
    // No record past the one being filled is ever touched.
    for (int i = c.entryCount + 1; i < MAX_ENTRIES; i++)
        EXPECT_TRUE(IsZero(&launcherTable.entries[i], sizeof launcherTable.entries[i])) << "record " << i;
}

std::string CaseName(const ::testing::TestParamInfo<ReaderCase> &info)
{
    std::string name = info.param.dir;
    for (char &ch : name) {
        if (ch == '-')
            ch = '_';
    }
    return name + (info.param.wow64 ? "_wow64" : "");
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Reader, ::testing::ValuesIn(READER_CASES), CaseName);

TEST(ReaderMessages, EveryErrorTextByteForByte)
{
    // The exact texts of the message box, with the owner passed through.
    struct {
        const char *dir;
        const char *format; // %s: configPath, %d: the line
        int line;
        const char *caption;
    } const cases[] = {
        {"title-single-quote", "Config file: %s\nLine %d\nWINLABEL format incorrect\n", 1, "Lanterra Error: WINLABEL format incorrect"},
        {"title-31", "Config file: %s\nLine %d\nWINLABEL too long\n", 2, "Lanterra Error: WINLABEL too long"},
        {"blank-line", "Config file: %s\nLine %d\nComment line expected\n", 6, "Lanterra Error: No comment line"},
        {"header-at-end", "Config file: %s\nLine %d\nIcon name not found\n", 7, "Lanterra Error: No Icon name"},
        {"missing-application", "Config file: %s\nLine %d\nApplication path not found\n", 3, "Lanterra Error: No application"},
        {"missing-parameters", "Config file: %s\nLine %d\nParamters not found\n", 4, "Lanterra Error: No parameter line"},
        {"missing-caption", "Config file: %s\nLine %d\nButton label not found\n", 5, "Lanterra Error: No Button label"},
        {"does-not-exist", "Could not find the Lanterra configuration file\n%s\n", 0, "Lanterra Error: No config file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dir);
        std::string dir = FIXTURES + "/" + c.dir;
        EXPECT_EQ(RunReader(dir, false), 1);
        char want[1024];
        snprintf(want, sizeof want, c.format, ConfigPathOf(dir).c_str(), c.line);
        EXPECT_EQ(seam.text, want);
        EXPECT_EQ(seam.caption, c.caption);
        EXPECT_NE(seam.owner, nullptr);
        EXPECT_EQ(seam.messagesShown, 1);
    }
}

TEST(ReaderOpen, MissingFileLeavesTheTableAsItWas)
{
    std::string dir = FIXTURES + "/does-not-exist";
    RunReader(dir, false);
    EXPECT_EQ(configPath, ConfigPathOf(dir));
    EXPECT_TRUE(IsZero(&launcherTable, sizeof launcherTable));
    EXPECT_STREQ(windowTitle, "");
}

TEST(ReaderWow64, AskedAnewForEverySixtyFourBitEntryOnly)
{
    RunReader(FIXTURES + "/wow64-drop", false);
    EXPECT_EQ(seam.wow64Questions, 2);
    // The dropped last block leaves its remains in the next free record.
    const LauncherEntry &remains = launcherTable.entries[2];
    EXPECT_STREQ(remains.iconName, "");
    EXPECT_STREQ(remains.appPath, "");
    EXPECT_EQ(remains.appType, 0);
    RunReader(FIXTURES + "/example", true);
    EXPECT_EQ(seam.wow64Questions, 1);
}

TEST(ReaderLimits, FiftyEntriesThenNothingMoreIsRead)
{
    RunReader(FIXTURES + "/fifty-one", false);
    ASSERT_EQ(launcherTable.entryCount, 50);
    EXPECT_STREQ(launcherTable.entries[0].appPath, "A0.EXE");
    EXPECT_STREQ(launcherTable.entries[49].appPath, "A49.EXE");
    EXPECT_STREQ(launcherTable.entries[49].buttonLabel, "L49");
    EXPECT_STREQ(windowTitle, ""); // the title line after the 51st block
}

struct TrimCase {
    std::string text;
    std::string kept;
};

TEST(TrimAtControl, EndsTheTextAtTheFirstByteBelow32Signed)
{
    const TrimCase cases[] = {
        {"plain text", "plain text"},
        {" blanks stay ", " blanks stay "},
        {"line\n", "line"},
        {"cr\rthen more\n", "cr"},
        {"tab\there", "tab"},
        {"unit\x1fsep", "unit"},
        {"Caf\xe9", "Caf"},
        {"\x80high", ""},
        {"last\xff", "last"},
        {"del\x7f kept", "del\x7f kept"},
        {"", ""},
    };
    for (const TrimCase &c : cases) {
        char text[64];
        snprintf(text, sizeof text, "%s", c.text.c_str());
        TrimAtControl(text);
        EXPECT_EQ(std::string(text), c.kept) << "from \"" << c.text << "\"";
    }
}

} // namespace
