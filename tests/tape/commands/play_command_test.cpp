// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Play: which entries go to the sound card, what its window says while they play, Stop, and a
// desktop without a sound device.
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

constexpr std::size_t kWavHeaderBytes = 44;

// The samples a WAV file of 16-bit sound holds, after its header.
std::string samplesOf(const std::string& wav)
{
    return wav.substr(kWavHeaderBytes);
}

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

    void openTape(std::set<int> selected)
    {
        open("t.tap", entries[0] + entries[1] + entries[2], std::move(selected), 1);
    }

    std::string soundOf(const std::vector<int>& indices) const
    {
        std::vector<std::string_view> sounded;
        for (const int i : indices)
            sounded.emplace_back(entries[static_cast<std::size_t>(i)]);
        return samplesOf(entriesSoundFile(sounded, playSoundFormat()));
    }

    FakeDesktop::Sound& playing() { return *fake.sounds.back(); }
};

TEST_F(PlayTest, PlaysWhatTheExportWouldWriteForTheSameSelection)
{
    const struct {
        std::set<int> selected;
        std::vector<int> sounded;
    } cases[] = {{{}, {0, 1, 2}}, {{2}, {1}}, {{3, 1}, {0, 2}}, {{1, 2, 3}, {0, 1, 2}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.selected));
        fake.sounds.clear();
        openTape(c.selected);
        playCommand(window, list);
        ASSERT_EQ(fake.sounds.size(), 1u);
        ASSERT_NE(window.playWindow, nullptr);
        EXPECT_EQ(fake.sounds[0]->samples->sampleRate(), 44100u);
        EXPECT_EQ(fake.sounds[0]->samples->bitsPerSample(), 16u);
        EXPECT_EQ(everySample(*fake.sounds[0]->samples), soundOf(c.sounded));
    }
}

TEST_F(PlayTest, EditsMadeWhileItPlaysChangeNothingOfWhatPlays)
{
    openTape({1, 3});
    playCommand(window, list);
    ASSERT_EQ(fake.sounds.size(), 1u);
    ELIMINA(window, list);
    ASSERT_EQ(list.count(), 1u);
    EXPECT_EQ(everySample(*playing().samples), soundOf({0, 2}));
    EXPECT_FALSE(playing().silenced);
}

TEST_F(PlayTest, WithoutASoundDeviceAMessageSaysSoAndNothingPlays)
{
    openTape({});
    fake.soundDevice = false;
    playCommand(window, list);
    ASSERT_EQ(fake.messages.size(), 1u);
    EXPECT_NE(fake.messages[0].text.find("no sound device"), std::string::npos);
    EXPECT_EQ(fake.messages[0].kind, 1);
    EXPECT_EQ(window.playWindow, nullptr);
}

TEST_F(PlayTest, AnEmptyTapePlaysNothing)
{
    open("empty.tap", "");
    playCommand(window, list);
    EXPECT_TRUE(fake.events.empty());
    EXPECT_EQ(window.playWindow, nullptr);
}

TEST_F(PlayTest, TheWindowNamesTheEntryPlayingAndTheTimeLeft)
{
    openTape({});
    playCommand(window, list);
    ASSERT_NE(window.playWindow, nullptr);
    const std::uint64_t total = soundOf({0, 1, 2}).size() / 2;
    // Where each entry's sound ends, the pause after it included: the length of the sound of
    // the entries up to it, less the silence that starts a tape, which only the first one has.
    const std::uint64_t silence = soundOf({}).size() / 2;
    const std::uint64_t firstEnd = soundOf({0}).size() / 2;
    const std::uint64_t secondEnd = soundOf({0, 1}).size() / 2;
    ASSERT_LT(silence, firstEnd);
    const struct {
        std::uint64_t played;
        std::string says;
    } cases[] = {
        {0, "Playing 1 of 3: prog"},
        {silence, "Playing 1 of 3: prog"},
        {firstEnd - 1, "Playing 1 of 3: prog"},
        {firstEnd, "Playing 2 of 3: Data block"},
        {secondEnd, "Playing 3 of 3: code"},
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
        {48000 * 59, 48000, "0:59"},
        {48000 * 60, 48000, "1:00"},
        {22050 * 3599, 22050, "59:59"},
        {44100ull * 3600, 44100, "1:00:00"},
        {44100ull * 3661, 44100, "1:01:01"},
        {44100ull * 36000, 44100, "10:00:00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(playTimeText(c.samples, c.rate), c.text) << c.samples << " at " << c.rate;
}

TEST_F(PlayTest, StopSilencesTheCardAndEndsIt)
{
    openTape({});
    playCommand(window, list);
    ASSERT_NE(window.playWindow, nullptr);
    EXPECT_FALSE(window.playWindow->ended());
    window.playWindow->stop();
    EXPECT_TRUE(playing().silenced);
    EXPECT_TRUE(window.playWindow->ended());
}

TEST_F(PlayTest, EndsWhenTheCardHasPlayedItAll)
{
    openTape({});
    playCommand(window, list);
    ASSERT_NE(window.playWindow, nullptr);
    playing().ended = true;
    EXPECT_TRUE(window.playWindow->ended());
}

}  // namespace
}  // namespace murax::testing
