// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Export as sound checked by programs we did not write: fuse-emulator-utils' audio2tape reads the
// WAV file back into a TZX tape, tapeconv turns that into a TAP file, and its bytes must be the
// entries exported, for tapes made by zmakebas and pasmo and for one holding every byte value.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tape/commands/export_sound_command.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tool_recipes.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

// A header, a data block of every byte value up and down, and blocks whose flags lie on either
// side of the one that chooses the pilot tone's length.
std::string everyByteTape()
{
    std::string values;
    for (int i = 0; i < 256; ++i)
        values += static_cast<char>(i);
    std::string down(values.rbegin(), values.rend());
    return headerBlock(3, "every byte", 512, 32768, 32768) + dataBlock(values + down) +
           dataBlock("\x01\x7F\x80\xFE", 0x7F) + dataBlock(down.substr(0, 77), 0x80);
}

class SoundOracle : public CommandTest {
protected:
    void SetUp() override
    {
        CommandTest::SetUp();
        if (const std::string tool = firstMissingTool({"audio2tape", "tapeconv"}); !tool.empty())
            MURAX_MISSING_TOOL(tool + " (fuse-emulator-utils)");
    }

    // Exports the selected entries (all of them when none is) in the format offered at
    // `formatChoice` and reads the sound back: the TAP bytes the tools make of it, or "" with a
    // test failure when they cannot.
    std::string exportAndReadBack(std::size_t formatChoice, const std::string& name)
    {
        fake.choiceAnswers = {formatChoice};
        fake.saveAnswers = {name + ".wav"};
        exportSoundCommand(window, list);
        const std::string command = "audio2tape '" + path(name + ".wav") + "' '" +
                                    path(name + ".tzx") + "' >/dev/null 2>&1 && tapeconv '" +
                                    path(name + ".tzx") + "' '" + path(name + ".tap") +
                                    "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0) {
            ADD_FAILURE() << "audio2tape and tapeconv could not read " << name << ".wav";
            return {};
        }
        return read(path(name + ".tap"));
    }

    void expectEveryFormatReadsBack(const std::string& tape,
                                    const std::vector<std::size_t>& formats)
    {
        for (const std::size_t format : formats) {
            SCOPED_TRACE(soundFormatName(offeredSoundFormats().at(format)));
            EXPECT_EQ(exportAndReadBack(format, "sound" + std::to_string(format)), tape);
        }
    }
};

// 44.1 kHz with 16 bits, the format offered first, and 22.05 kHz with 8 bits, the coarsest.
const std::vector<std::size_t> kUsualAndCoarsest = {0, 5};

class EachToolTapeAsSound : public SoundOracle, public ::testing::WithParamInterface<Recipe> {};

TEST_P(EachToolTapeAsSound, ReadsBackAsTheSameTape)
{
    if (const std::string missing = missingTool(GetParam()); !missing.empty())
        MURAX_MISSING_TOOL(missing);
    ASSERT_EQ(makeTape(GetParam()), "");
    const std::string tape = read(path("tape.tap"));
    open("tape.tap", tape);
    expectEveryFormatReadsBack(tape, kUsualAndCoarsest);
}

INSTANTIATE_TEST_SUITE_P(Tools, EachToolTapeAsSound, ::testing::ValuesIn(recipes()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SoundOracle, EveryByteValueReadsBackInEveryFormat)
{
    const std::string tape = everyByteTape();
    open("every.tap", tape);
    expectEveryFormatReadsBack(tape, {0, 1, 2, 3, 4, 5});
}

TEST_F(SoundOracle, TheSelectedEntriesReadBackAloneInTheirOrder)
{
    const Recipe& recipe = recipeNamed("several_tools_joined");
    if (const std::string missing = missingTool(recipe); !missing.empty())
        MURAX_MISSING_TOOL(missing);
    ASSERT_EQ(makeTape(recipe), "");
    open("tape.tap", read(path("tape.tap")), {2, 4}, 2);
    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(exportAndReadBack(0, "selected"), list.entries()[1] + list.entries()[3]);
}

}  // namespace
}  // namespace murax::testing
