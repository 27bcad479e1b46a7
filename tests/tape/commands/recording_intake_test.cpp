// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Sound recordings through the commands, where the editing sessions of the windows cannot reach:
// a recording that breaks off, a drop cancelled in its progress bar, a recording without blocks
// or refused.
#include "tape/commands/add_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/paced_progress.h"
#include "tape/format/entry_bytes.h"
#include "tape/sound/wav_header.h"

#include "tests/tape/commands/command_fixture.h"
#include "tests/window/editing_sessions.h"

namespace murax::testing {
namespace {

using RecordingCommands = CommandTest;
using Tags = std::vector<int>;

// A header and 2000 bytes of data, whose sound lasts long enough that a recording cut at most
// of its length breaks off in the data.
const std::string kLong = headerEntry("long", 2000);

// The recording of lone(7) and kLong, its samples cut at `share` of their length.
std::string brokenOffRecording(double share)
{
    const std::string whole = recordingOf({lone(7), kLong});
    const std::size_t headerBytes = wavHeader(SoundFormat{}, 0).size();
    const auto kept =
        static_cast<std::size_t>(static_cast<double>(whole.size() - headerBytes) * share) &
        ~std::size_t{1};
    return wavHeader(SoundFormat{}, kept) + whole.substr(headerBytes, kept);
}

TEST_F(RecordingCommands, ABlockThatBrokeOffGoesInCutShortOnlyAsTheLastEntry)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    const std::string cut = write("cut.wav", brokenOffRecording(0.85));
    // Inserted before entries, it would not be last: the recording is refused whole.
    fake.openAnswers = {cut};
    AGGIUNGI(window, list, true);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("cut.wav"), std::string::npos) << fake.messages[0].text;
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    EXPECT_FALSE(list.history().canUndo());

    fake.messages.clear();
    fake.openAnswers = {cut};
    AGGIUNGI(window, list, false);

    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(list.entries()[2], lone(7));
    // The header whole, its data block's length field as the header says, fewer bytes after it.
    const std::vector<std::string_view> blocks = entryBlocks(list.entries()[3]);
    const std::vector<std::string_view> meant = entryBlocks(kLong);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0], meant[0]);
    const std::size_t dataLengthAt = meant[0].size() + 2;
    EXPECT_EQ(list.entries()[3].substr(dataLengthAt, 2), kLong.substr(dataLengthAt, 2));
    EXPECT_LT(blocks[1].size(), meant[1].size());
    EXPECT_GT(blocks[1].size(), 1u);
    EXPECT_EQ(blocks[1], meant[1].substr(0, blocks[1].size()));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("breaks off at"), std::string::npos)
        << fake.messages[0].text;
}

TEST_F(RecordingCommands, ADropCancelledInItsProgressTakesInNoneOfItsFiles)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    const std::vector<std::string> files = {
        write("a.tap", tapeOf({5})),
        write("long.wav", recordingOf({lone(7)}, PacedProgress::kShownAtOnceFrom))};
    window.cancelAfterMoves = 1;

    RILASCIA(window, list, files, 2);

    EXPECT_EQ(window.progressBars, std::vector<std::string>{"Reading a recording: " + files[1]});
    EXPECT_EQ(window.progressShown.size(), 1u);
    EXPECT_EQ(tags(), (Tags{1, 2}));
    EXPECT_FALSE(list.history().canUndo());
    EXPECT_TRUE(fake.messages.empty());
}

TEST_F(RecordingCommands, AShortRecordingGoesInWithoutAProgressBar)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    const std::vector<std::string> files = {write("short.wav", recordingOf({lone(7), lone(8)})),
                                            write("a.tap", tapeOf({5}))};

    RILASCIA(window, list, files, 2);

    EXPECT_TRUE(window.progressBars.empty());
    EXPECT_EQ(tags(), (Tags{1, 7, 8, 5, 2}));
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("2 blocks were found, at"), std::string::npos)
        << fake.messages[0].text;
}

// A recording without a block, and one refused: the message says which, and nothing changes.
TEST_F(RecordingCommands, ARecordingWithoutABlockOrRefusedChangesNothingAndSaysSo)
{
    open("main.tap", tapeOf({1, 2}), {1}, 1);
    const std::string hiss = recordingOf({}, 1 << 16);
    for (const auto& [file, says] :
         {std::pair{write("hiss.wav", hiss), "No block"},
          std::pair{write("cut.wav", hiss.substr(0, 30)), "nothing was taken from it"}}) {
        fake.messages.clear();
        fake.openAnswers = {file};

        AGGIUNGI(window, list, true);

        EXPECT_EQ(tags(), (Tags{1, 2}));
        EXPECT_FALSE(list.history().canUndo());
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_NE(fake.messages[0].text.find(says), std::string::npos) << fake.messages[0].text;
    }
}

}  // namespace
}  // namespace murax::testing
