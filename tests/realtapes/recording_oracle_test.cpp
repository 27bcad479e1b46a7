// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings made by a program we did not write: fuse-emulator-utils' tape2wav sounds the tapes
// that zmakebas, pasmo and tapeconv make, at rates from the lowest read to the highest, and the
// recording read back gives the tape's blocks byte for byte, each whole with its checksum.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "tape/sound/recording_reader.h"
#include "tape/sound/recording_tap.h"
#include "tests/realtapes/oracle_tools.h"
#include "tests/realtapes/tool_recipes.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

class ToolSoundReadBack : public CommandTest,
                          public ::testing::WithParamInterface<std::tuple<Recipe, int>> {};

TEST_P(ToolSoundReadBack, GivesTheTapeByteForByte)
{
    const auto& [recipe, rate] = GetParam();
    if (const std::string tool = firstMissingTool({"tape2wav"}); !tool.empty())
        MURAX_MISSING_TOOL(tool + " (fuse-emulator-utils)");
    if (const std::string missing = missingTool(recipe); !missing.empty())
        MURAX_MISSING_TOOL(missing);
    ASSERT_EQ(makeTape(recipe), "");
    const std::string command = "tape2wav -r " + std::to_string(rate) + " '" + path("tape.tap") +
                                "' '" + path("tape.wav") + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string wav = read(path("tape.wav"));
    MemoryTapeSource source(wav);
    const Recording recording = readWholeRecording(source, wav.size());
    ASSERT_TRUE(recording.outcome.read()) << recording.outcome.refusal;
    EXPECT_EQ(tapOfRecordedBlocks(recording.blocks), read(path("tape.tap")));
    EXPECT_TRUE(recording.leftOut.empty());
}

INSTANTIATE_TEST_SUITE_P(ToolsAndRates, ToolSoundReadBack,
                         ::testing::Combine(::testing::ValuesIn(recipes()),
                                            ::testing::Values(8000, 11025, 22050, 44100, 96000,
                                                              192000)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace murax::testing
