#include "tape/hex_editor_command.h"

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/temp_names.h"
#include "tape/file_commands.h"
#include "tests/tape/command_fixture.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

const std::string kMissing = "Missing Hex editor value in the Edit section of MURAX.INI file.";

// Sets an environment variable (or unsets it, given nothing) for the life of the object.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentVariable()
    {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class HexEditor : public CommandTest {
protected:
    std::optional<EnvironmentVariable> config;
    std::vector<std::string> tempSeen;  // the scratch file's name, as each run saw it
    std::vector<std::string> bytesSeen; // and its content when the hex editor started

    void SetUp() override
    {
        CommandTest::SetUp();
        fs::create_directory(path("bin"));
        fake.exeFolder = path("bin") + "/";
        config.emplace("XDG_CONFIG_HOME", path("config"));
    }

    void configure(const std::string& iniText, const std::string& where = "bin/MURAX.INI")
    {
        fs::create_directories(fs::path(path(where)).parent_path());
        write(where, iniText);
    }

    // The hex editor stand-in: records what it was given, then edits the file with `edit`.
    void editWith(std::function<void(std::string&)> edit, const std::string& command = "hexed")
    {
        fake.onRun = [this, edit, command](const std::string& commandLine) {
            EXPECT_EQ(commandLine.rfind(command + " ", 0), 0u) << commandLine;
            const std::string temp = commandLine.substr(command.size() + 1);
            tempSeen.push_back(temp);
            std::string bytes = read(temp);
            bytesSeen.push_back(bytes);
            edit(bytes);
            std::ofstream(temp, std::ios::binary | std::ios::trunc) << bytes;
            return 0;
        };
    }

    bool scratchFilesLeft() const
    {
        for (const auto& item : fs::directory_iterator(folder))
            if (item.path().filename().string().front() == '\x7F')
                return true;
        return false;
    }
};

TEST_F(HexEditor, NameChangedWithoutANewChecksumIsTakenAsItIs)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string entry = header(0, "GAME") + data("abc\x1A");
    open("game.tap", lone(1) + entry, {1, 2}, 2);
    editWith([](std::string& bytes) { bytes[4] = 'N'; });

    MODHEX(window, list);

    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0], "hexed " + tempSeen[0]);
    EXPECT_EQ(tempSeen[0].front(), '\x7F');
    EXPECT_EQ(tempSeen[0].find(' '), std::string::npos);
    EXPECT_EQ(bytesSeen[0], entry);
    std::string expected = entry;
    expected[4] = 'N';
    EXPECT_EQ(list.entries[1], expected);
    EXPECT_EQ(list.lines[1].substr(0, 10), "NAME      ");
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{2});
    expectListInStep();
    EXPECT_FALSE(scratchFilesLeft());
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(HexEditor, HeaderFlagTurnedTo0xFFBecomesADataLine)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string entry = header(3, "CODE", 2) + data("zz");
    open("game.tap", entry, {1}, 1);
    editWith([](std::string& bytes) { bytes[2] = '\xFF'; });

    MODHEX(window, list);

    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(list.entries[0].size(), entry.size());
    EXPECT_EQ(list.lines[0], std::string(14, ' ') + "Data block     " + std::string(18, ' ') + "   17");
    SALVA(&window, list, false);
    BlockList reopened;
    ABLOCKS(currentFile, reopened);
    EXPECT_EQ(reopened.count(), 2u);
}

TEST_F(HexEditor, UnchangedOrEmptiedFileLeavesTheEntryAsItWas)
{
    configure("[Edit]\nHex editor=hexed\n");
    const std::string bytes = lone(1) + framed("\xFF" "ends in \x1A");
    ASSERT_EQ(bytes.back(), '\x1A');
    open("game.tap", bytes, {2}, 2);

    editWith([](std::string&) {});
    MODHEX(window, list);
    EXPECT_EQ(joinEntries(list), bytes);
    EXPECT_FALSE(CAMBIATO(list));

    editWith([](std::string& b) { b.clear(); });
    MODHEX(window, list);
    EXPECT_EQ(joinEntries(list), bytes);
    expectListInStep();
    EXPECT_EQ(fake.commandLines.size(), 2u);
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, EditorThatCannotStartChangesNothingAndTheUserIsTold)
{
    configure("[Edit]\nHex editor=no-such-editor --flag\n");
    open("game.tap", lone(1) + lone(2), {2}, 2);
    MODHEX(window, list);  // the fake answers -1: nothing ran
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0].rfind("no-such-editor --flag \x7F", 0), 0u);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "The hex editor command\r\n\r\nno-such-editor --flag\r\n\r\ncould not be started.");
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
    EXPECT_EQ(window.list.reloads, 0);
    EXPECT_FALSE(scratchFilesLeft());
    EXPECT_TRUE(errors.empty());
}

TEST_F(HexEditor, ALinkLeftInTheScratchFilesPlaceIsNotReadAndTheEntryKept)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);
    write("victim", lone(7));
    fake.onRun = [this](const std::string& commandLine) {
        const std::string scratch = commandLine.substr(6);
        fs::remove(scratch);
        fs::create_symlink(path("victim"), scratch);
        return 0;
    };
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text.rfind("The hex editor's file was replaced by a link", 0), 0u);
    EXPECT_EQ(tags(), std::vector<int>{1});
    EXPECT_EQ(read(path("victim")), lone(7));
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, ScratchFileGoesAwayWhenTheHandOffFails)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);

    // Removed by the hex editor: reported, the entry kept.
    fake.onRun = [](const std::string& commandLine) {
        fs::remove(commandLine.substr(6));
        return 0;
    };
    EXPECT_THROW(MODHEX(window, list), CommandAbandoned);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME.front(), '\x7F');

    // Anything else going wrong while the hex editor runs.
    fake.onRun = [](const std::string&) -> int { throw std::runtime_error("crashed"); };
    EXPECT_THROW(MODHEX(window, list), std::runtime_error);
    EXPECT_FALSE(scratchFilesLeft());

    EXPECT_EQ(tags(), std::vector<int>{1});
    EXPECT_EQ(window.list.reloads, 0);
}

TEST_F(HexEditor, UnwritableScratchFileStartsNothing)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {1}, 1);
    const std::string oldPrefix = ACS_TEMP;
    ACS_TEMP = path("vanished") + "/";
    EXPECT_THROW(MODHEX(window, list), CommandAbandoned);
    ACS_TEMP = oldPrefix;
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME.rfind(path("vanished") + "/\x7F", 0), 0u);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_EQ(tags(), std::vector<int>{1});
}

TEST_F(HexEditor, NoCurrentLineDoesNothing)
{
    configure("[Edit]\nHex editor=hexed\n");
    open("game.tap", lone(1), {}, 0);
    MODHEX(window, list);
    open("empty.tap", "");
    MODHEX(window, list);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_FALSE(scratchFilesLeft());
}

TEST_F(HexEditor, WithoutAnyIniTheSettingIsCreatedHereAndTheUserTold)
{
    open("game.tap", "");  // the message comes even with no current line
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    EXPECT_EQ(fake.messages[0].kind, 1);
    const std::string ini = read(path("MURAX.INI"));
    EXPECT_NE(ini.find("[Edit]"), std::string::npos);
    EXPECT_NE(ini.find("Hex editor="), std::string::npos);
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_FALSE(fs::exists(path("bin/MURAX.INI")));
}

TEST_F(HexEditor, BlankValueCountsAsMissingAndTheWriteKeepsOtherSections)
{
    fake.exeFolder = "./";
    configure("[View]\nfont=big\n[Edit]\nHex editor= \t \nOther=1\n", "MURAX.INI");
    open("game.tap", lone(1), {1}, 1);
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    const std::string ini = read(path("MURAX.INI"));
    // The blank value is rewritten as the empty one, and every other line stays as it was.
    EXPECT_EQ(ini, "[View]\nfont=big\n[Edit]\nHex editor=\nOther=1\n");
    EXPECT_TRUE(fake.commandLines.empty());
    EXPECT_EQ(tags(), std::vector<int>{1});
}

TEST_F(HexEditor, AnIniLinkPlantedHereIsNotWrittenThrough)
{
    write("victim", "precious\n");
    fs::create_symlink(path("victim"), path("MURAX.INI"));
    open("game.tap", lone(1), {1}, 1);
    MODHEX(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
    EXPECT_EQ(read(path("victim")), "precious\n");
    EXPECT_TRUE(fs::is_symlink(path("MURAX.INI")));
}

TEST_F(HexEditor, QuotedValueLosesItsQuotes)
{
    configure("[edit]\nHEX EDITOR=\"hexed -w\"\n");
    open("game.tap", lone(1), {1}, 1);
    editWith([](std::string&) {}, "hexed -w");
    MODHEX(window, list);
    ASSERT_EQ(fake.commandLines.size(), 1u);
    EXPECT_EQ(fake.commandLines[0], "hexed -w " + tempSeen.at(0));
}

TEST_F(HexEditor, UserConfigurationIsUsedWhenTheProgramFolderHasNoIni)
{
    configure("[Edit]\nHex editor=from-xdg\n", "config/murax/MURAX.INI");
    configure("[Edit]\nHex editor=from-home\n", "home/.config/murax/MURAX.INI");
    EnvironmentVariable home("HOME", path("home"));
    open("game.tap", lone(1), {1}, 1);
    fake.onRun = [](const std::string&) { return 0; };

    MODHEX(window, list);
    {
        EnvironmentVariable noXdg("XDG_CONFIG_HOME", std::nullopt);
        MODHEX(window, list);
    }
    configure("[Edit]\nHex editor=from-bin\n");
    MODHEX(window, list);

    configure("[Edit]\n");  // an INI beside the program is not passed over
    MODHEX(window, list);

    ASSERT_EQ(fake.commandLines.size(), 3u);
    EXPECT_EQ(fake.commandLines[0].rfind("from-xdg ", 0), 0u);
    EXPECT_EQ(fake.commandLines[1].rfind("from-home ", 0), 0u);
    EXPECT_EQ(fake.commandLines[2].rfind("from-bin ", 0), 0u);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text, kMissing);
}

}  // namespace
}  // namespace murax::testing
