#include "support/recovery_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::EnvironmentVariable;
using testing::ScratchFolder;
using testing::readText;
using testing::writeText;

const std::vector<std::string> kEntries = {std::string("\x13\x00\x00\x03", 4), "second",
                                           std::string(), std::string("\x00\x1A\xFF", 3)};
const std::string kJoined = std::string("\x13\x00\x00\x03", 4) + "second" +
                            std::string("\x00\x1A\xFF", 3);

TEST(RecoveryFile, WrittenBesideTheCurrentFileWithAllEntries)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "game.tap", "old contents");
    const std::string written = writeRecoveryFile(scratch / "game.tap", kEntries);
    EXPECT_EQ(written, scratch / "game.recovered.tap");
    EXPECT_EQ(readText(written), kJoined);
    EXPECT_EQ(readText(scratch.path() / "game.tap"), "old contents");
}

TEST(RecoveryFile, NeverWritesOverAnExistingFile)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "game.recovered.tap", "earlier rescue");
    writeText(scratch.path() / "game.recovered-2.tap", "another");
    const std::string third = writeRecoveryFile(scratch / "game.tap", kEntries);
    EXPECT_EQ(third, scratch / "game.recovered-3.tap");
    EXPECT_EQ(readText(scratch.path() / "game.recovered.tap"), "earlier rescue");
    EXPECT_EQ(readText(scratch.path() / "game.recovered-2.tap"), "another");
    EXPECT_EQ(readText(third), kJoined);

    // A link lying in wait under the name is not followed either.
    fs::create_symlink(scratch.path() / "victim", scratch.path() / "x.recovered.tap");
    EXPECT_EQ(writeRecoveryFile(scratch / "x.tap", kEntries), scratch / "x.recovered-2.tap");
    EXPECT_FALSE(fs::exists(scratch.path() / "victim"));
}

TEST(RecoveryFile, NameKeepsWhateverExtensionThereIs)
{
    ScratchFolder scratch;
    EXPECT_EQ(writeRecoveryFile(scratch / "noext", {"a"}), scratch / "noext.recovered");
    EXPECT_EQ(writeRecoveryFile(scratch / "my.game.TAP", {"a"}),
              scratch / "my.game.recovered.TAP");
}

TEST(RecoveryFile, ANameTooLongForTheFileSystemBecomesAShortOne)
{
    ScratchFolder scratch;
    const std::string tape = scratch / (std::string(246, 'g') + ".tap");
    const std::string written = writeRecoveryFile(tape, kEntries);
    ASSERT_EQ(written.rfind(scratch / "murax-", 0), 0u) << written;
    EXPECT_EQ(fs::path(written).filename().string().size(), 26u);  // murax-XXXXXX.recovered.tap
    EXPECT_EQ(readText(written), kJoined);
}

TEST(RecoveryFile, SafetyCopyGoesToTheDataFolderOnly)
{
    ScratchFolder scratch;
    EnvironmentVariable data("XDG_DATA_HOME", (scratch.path() / "data").string());
    const std::string copy = writeSafetyCopy(scratch / "game.tap", kEntries);
    EXPECT_EQ(copy, (scratch.path() / "data" / "murax" / "game.recovered.tap").string());
    EXPECT_EQ(readText(copy), kJoined);
}

TEST(RecoveryFile, FallsBackToTheUserDataFolder)
{
    ScratchFolder scratch;
    EnvironmentVariable data("XDG_DATA_HOME", (scratch.path() / "data").string());
    // The current file's folder has vanished.
    const std::string written = writeRecoveryFile(scratch / "gone/game.tap", kEntries);
    EXPECT_EQ(written, (scratch.path() / "data" / "murax" / "game.recovered.tap").string());
    EXPECT_EQ(readText(written), kJoined);

    // Without a current file the edits still find a home.
    EXPECT_EQ(writeRecoveryFile("", {"x"}),
              (scratch.path() / "data" / "murax" / "murax.recovered.tap").string());
}

TEST(RecoveryFile, DataFolderFollowsTheEnvironment)
{
    {
        EnvironmentVariable data("XDG_DATA_HOME", "/somewhere/data");
        EXPECT_EQ(userDataFolder(), "/somewhere/data/murax");
    }
    EnvironmentVariable home("HOME", "/home/someone");
    {
        EnvironmentVariable data("XDG_DATA_HOME", std::nullopt);
        EXPECT_EQ(userDataFolder(), "/home/someone/.local/share/murax");
    }
    {
        EnvironmentVariable data("XDG_DATA_HOME", "relative/data");  // to be ignored
        EXPECT_EQ(userDataFolder(), "/home/someone/.local/share/murax");
    }
}

TEST(RecoveryFile, NowhereToWriteGivesEmpty)
{
    ScratchFolder scratch;
    writeText(scratch.path() / "file", "a file, where a folder should be");
    EnvironmentVariable data("XDG_DATA_HOME", (scratch.path() / "file").string());
    EXPECT_EQ(writeRecoveryFile(scratch / "gone/game.tap", kEntries), "");
}

}  // namespace
}  // namespace murax
