// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tape/commands/export_sound_command.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/commands/command_fixture.h"
#include "tests/tape/sound/entries_sound_file.h"

namespace murax::testing {
namespace {

const std::vector<std::string> kFormatNames = {"44.1 kHz, 16 bits",  "48 kHz, 16 bits",
                                               "22.05 kHz, 16 bits", "44.1 kHz, 8 bits",
                                               "48 kHz, 8 bits",     "22.05 kHz, 8 bits"};

const std::string kWhole = "The whole tape, 3 entries (select entries to write only those)";
const std::string kOneOf3 = "The selected 1 entry of 3 (select none for the whole tape)";
const std::string kTwoOf3 = "The selected 2 entries of 3 (select none for the whole tape)";

class ExportSoundTest : public CommandTest {
protected:
    const std::vector<std::string> entries = {header(0, "prog") + data("10 PRINT"), lone(2),
                                              header(3, "code") + data("\x01\x02")};

    void openTape(std::set<int> selected)
    {
        open("t.tap", entries[0] + entries[1] + entries[2], std::move(selected), 1);
    }

    std::set<std::filesystem::path> files() const
    {
        std::set<std::filesystem::path> names;
        for (const auto& file : std::filesystem::directory_iterator(folder))
            names.insert(file.path());
        return names;
    }
};

TEST_F(ExportSoundTest, TheSelectedEntriesOrTheWholeTapeAreWrittenInTheFormatChosen)
{
    const struct {
        std::set<int> selected;
        std::vector<int> sounded;  // in list order
        std::string said;
        std::size_t choice;
        SoundFormat format;
    } cases[] = {
        {{}, {0, 1, 2}, kWhole, 0, {44100, 16}}, {{3, 1}, {0, 2}, kTwoOf3, 1, {48000, 16}},
        {{2}, {1}, kOneOf3, 2, {22050, 16}},     {{1, 2, 3}, {0, 1, 2}, kWhole, 3, {44100, 8}},
        {{1}, {0}, kOneOf3, 4, {48000, 8}},      {{2, 3}, {1, 2}, kTwoOf3, 5, {22050, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(kFormatNames[c.choice] + ": " + c.said);
        fake.events.clear();
        fake.choices.clear();
        openTape(c.selected);
        fake.choiceAnswers.push_back(c.choice);
        // A name without an extension gets ".wav".
        const std::string name = "out" + std::to_string(c.choice);
        fake.saveAnswers.push_back(name);
        exportSoundCommand(window, list);

        std::vector<std::string_view> sounded;
        for (const int i : c.sounded)
            sounded.emplace_back(entries[i]);
        EXPECT_EQ(read(path(name + ".wav")), entriesSoundFile(sounded, c.format));
        EXPECT_EQ(fake.events,
                  (std::vector<std::string>{"choose: Export as sound", "save: WAV file to write"}));
        ASSERT_EQ(fake.choices.size(), 1u);
        EXPECT_EQ(fake.choices[0].label, c.said + ", as a WAV file.\nSound format:");
        EXPECT_EQ(fake.choices[0].items, kFormatNames);
        EXPECT_EQ(fake.choices[0].current, 0u);
        EXPECT_EQ(fake.saveFilters.back(), std::vector<std::string>{"WAV sound (*.wav)"});
    }
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(ExportSoundTest, NothingIsWrittenUntilEveryAnswerIsGiven)
{
    list = BlockList();  // an empty list: nothing asked
    fake.saveAnswers.push_back("out.wav");
    exportSoundCommand(window, list);
    EXPECT_TRUE(fake.events.empty());

    openTape({});
    const auto before = files();
    fake.choiceAnswers.push_back(std::nullopt);  // the format's choice cancelled
    exportSoundCommand(window, list);
    EXPECT_EQ(fake.events, std::vector<std::string>{"choose: Export as sound"});

    fake.saveAnswers.clear();  // the save dialog cancelled
    exportSoundCommand(window, list);
    EXPECT_EQ(fake.events.back(), "save: WAV file to write");
    EXPECT_EQ(files(), before);

    // An existing file: replaced only once the user agrees.
    write("old.wav", "keep me");
    fake.saveAnswers.push_back("old.wav");
    fake.messageAnswers.push_back(Desktop::Cancel);
    exportSoundCommand(window, list);
    EXPECT_EQ(read(path("old.wav")), "keep me");
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].kind, 2);
    EXPECT_NE(fake.messages[0].text.find(path("old.wav")), std::string::npos);
    fake.saveAnswers.push_back("old.wav");
    fake.messageAnswers.push_back(Desktop::Ok);
    exportSoundCommand(window, list);
    EXPECT_EQ(read(path("old.wav")).substr(0, 4), "RIFF");
    EXPECT_TRUE(errors.empty());
}

TEST_F(ExportSoundTest, ASoundTooLongForAWavFileIsRefusedAndAFailedWriteReported)
{
    // 90 entries of 65533 set bytes sound for 12.5 hours: more than 4 GiB at 48 kHz, 16 bits.
    const std::string entry = dataBlock(std::string(65533, '\xFF'));
    std::string tape;
    for (int i = 0; i < 90; ++i)
        tape += entry;
    open("long.tap", tape);
    const auto before = files();
    fake.choiceAnswers.push_back(1);
    exportSoundCommand(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_EQ(fake.messages[0].text,
              "These entries sound longer than a WAV file can hold.\r\n\r\nExport fewer entries "
              "at a time, or choose a lower rate or 8 bits.");
    for (const std::string& event : fake.events)
        EXPECT_EQ(event.rfind("save:", 0), std::string::npos);  // no file asked for
    EXPECT_EQ(files(), before);

    openTape({});
    std::filesystem::create_directory(path("folder.wav"));
    fake.saveAnswers.push_back("folder.wav");
    EXPECT_THROW(exportSoundCommand(window, list), CommandAbandoned);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].FILENAME, path("folder.wav"));
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.wav")));
}

}  // namespace
}  // namespace murax::testing
