// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Play: which entries go to the sound card, what its window says while they play, how the sound
// ends, and a desktop without a sound device.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tape/commands/delete_command.h"
#include "tape/commands/play_command.h"
#include "tape/commands/tape_playing.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/commands/command_fixture.h"
#include "tests/tape/sound/entries_sound_file.h"

namespace murax::testing {
namespace {

std::string everySample(SoundSamples& samples)
{
    std::string all, piece(5000, '\0');
    while (const std::size_t given = samples.read(piece.data(), piece.size()))
        all.append(piece, 0, given);
    return all;
}

class PlayTest : public CommandTest {
protected:
    const std::vector<std::string> entries = {header(0, "prog") + data("10 PRINT"), lone(2),
                                              header(3, "code") + data("\x01\x02")};

    void play(std::set<int> selected)
    {
        open("t.tap", entries[0] + entries[1] + entries[2], std::move(selected), 1);
        playCommand(window, list);
    }

    // The samples the WAV export writes of the entries, after its 44-byte header.
    std::string soundOf(const std::vector<int>& indices) const
    {
        std::vector<std::string_view> sounded;
        for (const int i : indices)
            sounded.emplace_back(entries[static_cast<std::size_t>(i)]);
        return entriesSoundFile(sounded, playSoundFormat()).substr(44);
    }
    std::uint64_t samplesOf(const std::vector<int>& indices) const
    {
        return soundOf(indices).size() / 2;
    }

    FakeDesktop::Sound& playing() { return *fake.sounds.back(); }
};

// Deleting the selection once Play has started changes nothing of what plays.
TEST_F(PlayTest, PlaysWhatTheExportWouldWriteForTheSelectionAtThePress)
{
    const struct {
        std::set<int> selected;
        std::vector<int> sounded;
    } cases[] = {{{}, {0, 1, 2}}, {{2}, {1}}, {{3, 1}, {0, 2}}, {{1, 2, 3}, {0, 1, 2}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.selected));
        fake.sounds.clear();
        play(c.selected);
        ASSERT_EQ(fake.sounds.size(), 1u);
        ASSERT_NE(window.playWindow, nullptr);
        ELIMINA(window, list);
        EXPECT_EQ(playing().samples->sampleRate(), 44100u);
        EXPECT_EQ(playing().samples->bitsPerSample(), 16u);
        EXPECT_EQ(everySample(*playing().samples), soundOf(c.sounded));
        EXPECT_FALSE(playing().silenced);
    }
}

TEST_F(PlayTest, NothingPlaysOnAnEmptyTapeNorWithoutASoundDeviceWhichAMessageSays)
{
    open("empty.tap", "");
    playCommand(window, list);
    EXPECT_TRUE(fake.events.empty());
    fake.soundDevice = false;
    play({});
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("no sound device"), std::string::npos);
    EXPECT_EQ(fake.messages[0].kind, static_cast<int>(MessageKind::Inform));
    EXPECT_EQ(window.playWindow, nullptr);
}

TEST_F(PlayTest, TheWindowNamesTheEntryPlayingAndTheTimeLeft)
{
    play({});
    ASSERT_NE(window.playWindow, nullptr);
    const std::uint64_t total = samplesOf({0, 1, 2});
    // Where each entry's sound ends, the pause after it included: the length of the sound of
    // the entries up to it, less the silence that starts a tape, which only the first one has.
    const std::uint64_t silence = samplesOf({}), firstEnd = samplesOf({0});
    ASSERT_LT(silence, firstEnd);
    const struct {
        std::uint64_t played;
        std::string says;
    } cases[] = {
        {0, "Playing 1 of 3: prog"},
        {firstEnd - 1, "Playing 1 of 3: prog"},
        {firstEnd, "Playing 2 of 3: Data block"},
        {samplesOf({0, 1}), "Playing 3 of 3: code"},
        {total - 1, "Playing 3 of 3: code"},
        {total, "Played 3 of 3"},
        {total + 4410, "Played 3 of 3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.played);
        playing().played = c.played;
        const std::uint64_t left = total - std::min(c.played, total);
        EXPECT_EQ(window.playWindow->progressText(),
                  c.says + "\n" + playTimeText(left, 44100) + " left");
        EXPECT_FALSE(window.playWindow->ended());
    }
    EXPECT_EQ(window.playWindow->windowTitle(), "Play");
}

TEST_F(PlayTest, TimeLeftIsInWholeSecondsRoundedUp)
{
    const struct {
        std::uint64_t samples;
        std::uint32_t rate;
        const char* text;
    } cases[] = {
        {0, 44100, "0:00"},
        {1, 44100, "0:01"},
        {44100, 44100, "0:01"},
        {44101, 44100, "0:02"},
        {48000 * 60, 48000, "1:00"},
        {22050 * 3599, 22050, "59:59"},
        {44100ull * 3661, 44100, "1:01:01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(playTimeText(c.samples, c.rate), c.text) << c.samples << " at " << c.rate;
}

// The face closes the window once the sound has ended, then asks what to tell: only a card
// that stopped before the tape had played is told, with the entry it was at.
TEST_F(PlayTest, HowTheSoundEndsAndWhatTheUserIsToldOfIt)
{
    const std::string stopped = "The sound device stopped before the tape had played";
    const struct {
        const char* what;
        bool stop;
        std::uint64_t played;
        std::optional<std::string> failure;
        std::string told;
    } cases[] = {
        {"stopped by the user while the card fails", true, 0, "gone", ""},
        {"played to its end", false, samplesOf({0, 1, 2}), std::nullopt, ""},
        {"the card stopped in the second entry, saying why", false, samplesOf({0}),
         "The device was removed.",
         stopped + ", at entry 2 of 3: Data block.\r\n\r\nThe device was removed."},
        {"the card stopped without a word", false, 0, "", stopped + ", at entry 1 of 3: prog."},
        {"the card stopped once every sample had played", false, samplesOf({0, 1, 2}), "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fake.messages.clear();
        play({});
        ASSERT_NE(window.playWindow, nullptr);
        playing().played = c.played;
        playing().failure = c.failure;
        playing().ended = !c.stop;
        if (c.stop)
            window.playWindow->stop();
        EXPECT_EQ(playing().silenced, c.stop);
        EXPECT_TRUE(window.playWindow->ended());
        window.playWindow->tellHowItEnded();
        ASSERT_EQ(fake.messages.size(), c.told.empty() ? 0u : 1u);
        if (!c.told.empty()) {
            EXPECT_EQ(fake.messages[0].text, c.told);
            EXPECT_EQ(fake.messages[0].kind, static_cast<int>(MessageKind::Inform));
        }
    }
}

}  // namespace
}  // namespace murax::testing
