// Bad input gets a clear message and nothing worse.
#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>

#include "launcher_table.h"
#include "test_seam.h"

namespace {

// A fresh folder under the build's temporary area, removed afterwards.
class ScratchFolder : public ::testing::Test {
protected:
    std::string root;

    void SetUp() override
    {
        char pattern[] = "/tmp/lanterra-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
    }
    void TearDown() override
    {
        std::string command = "rm -rf '" + root + "'";
        EXPECT_EQ(system(command.c_str()), 0);
    }
    void WriteFile(const std::string &path, const std::string &bytes)
    {
        FILE *file = fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
    void ExpectError(const std::string &dir, const char *caption, const std::string &text)
    {
        EXPECT_EQ(RunReader(dir, false), 1);
        EXPECT_EQ(seam.caption, caption);
        EXPECT_EQ(seam.text, text);
    }
};

using Robustness = ScratchFolder;

TEST_F(Robustness, TenMegabytesOfRandomBytes)
{
    std::mt19937 random(20261211);
    std::string bytes(10 << 20, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random());
    WriteFile(root + "/lanterra.cfg", bytes);
    int result = RunReader(root, true);
    EXPECT_TRUE(result == 0 || result == 1);
    EXPECT_EQ(seam.messagesShown, result);
    EXPECT_GE(launcherTable.entryCount, 0);
    EXPECT_LE(launcherTable.entryCount, MAX_ENTRIES);
}

TEST_F(Robustness, AFolderNamedLikeTheFileIsNoFile)
{
    ASSERT_EQ(mkdir((root + "/lanterra.cfg").c_str(), 0755), 0);
    ExpectError(root, "Lanterra Error: No config file",
                "Could not find the Lanterra configuration file\n" + root + "\\lanterra.cfg\n");
}

// Neither a pipe (no writer: opening would wait) nor an endless device is a
// configuration file; both are reported at once as no file.
TEST_F(Robustness, APipeOrADeviceNamedLikeTheFileIsNoFile)
{
    ASSERT_EQ(mkfifo((root + "/lanterra.cfg").c_str(), 0644), 0);
    ExpectError(root, "Lanterra Error: No config file",
                "Could not find the Lanterra configuration file\n" + root + "\\lanterra.cfg\n");
    ASSERT_EQ(unlink((root + "/lanterra.cfg").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", (root + "/lanterra.cfg").c_str()), 0);
    ExpectError(root, "Lanterra Error: No config file",
                "Could not find the Lanterra configuration file\n" + root + "\\lanterra.cfg\n");
}

// Permissions do not stop root from reading, so the file that cannot be read
// is a link to this process's own memory: it opens, and reading at offset 0
// fails. The failed first read is reported like a bad first line.
TEST_F(Robustness, AFileThatCannotBeRead)
{
    ASSERT_EQ(symlink("/proc/self/mem", (root + "/lanterra.cfg").c_str()), 0);
    FILE *probe = fopen((root + "/lanterra.cfg").c_str(), "rb");
    if (!probe || getc(probe) != EOF || !ferror(probe)) {
        if (probe)
            fclose(probe);
        GTEST_SKIP() << "/proc/self/mem does not fail to read here";
    }
    fclose(probe);
    ExpectError(root, "Lanterra Error: No comment line",
                "Config file: " + root + "\\lanterra.cfg\nLine 1\nComment line expected\n");
}

// moduleDir, a backslash and lanterra.cfg must fit in configPath's 400 bytes:
// a folder of 386 bytes does, one of 387 does not. A path that does not fit
// is reported as no file and never opened cut short: here the cut path
// ("...\lanterra.cf") exists and holds a valid file.
TEST_F(Robustness, AFolderTooLongForThePath)
{
    std::string dir = root + "/" + std::string(200, 'd') + "/";
    std::string fits = dir + std::string(386 - dir.size(), 'f');
    std::string tooLong = dir + std::string(387 - dir.size(), 'f');
    ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(fits.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(tooLong.c_str(), 0755), 0);
    const std::string entry = "; one\nI\nA.EXE\n\nL\n";
    WriteFile(fits + "/lanterra.cfg", entry);
    WriteFile(tooLong + "/lanterra.cf", entry);
    WriteFile(tooLong + "/lanterra.cfg", entry);

    EXPECT_EQ(RunReader(fits, false), 0);
    EXPECT_EQ(launcherTable.entryCount, 1);
    EXPECT_EQ(strlen(configPath), 399u);

    std::string cut = (tooLong + "\\lanterra.cfg").substr(0, 399);
    ExpectError(tooLong, "Lanterra Error: No config file",
                "Could not find the Lanterra configuration file\n" + cut + "\n");
    EXPECT_EQ(launcherTable.entryCount, 0);
    EXPECT_EQ(configPath, cut);
}

} // namespace
