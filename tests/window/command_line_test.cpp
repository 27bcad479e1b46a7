// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace murax::testing {
namespace {

// The settings' places the help ends with are this system's, and only this system's.
#ifdef _WIN32
constexpr const char* kHelpEnding =
    "read from the folder of the murax executable, else from %APPDATA%\\murax\\MURAX.INI.\n";
const std::vector<std::string> kSettingsNotNamed{"XDG_CONFIG_HOME", "~/.config"};
#else
constexpr const char* kHelpEnding =
    "read from the folder of the murax executable, else from $XDG_CONFIG_HOME/murax/MURAX.INI\n"
    "(~/.config/murax/MURAX.INI when XDG_CONFIG_HOME is not set).\n";
const std::vector<std::string> kSettingsNotNamed{"%APPDATA%"};
#endif

TEST(CommandLine, HelpPrintsTheUsage)
{
    std::ostringstream out;
    const StartRequest request = readCommandLine({"murax", "--help", "game.tap"}, out);
    EXPECT_EQ(request.exitStatus, std::optional<int>(0));
    EXPECT_EQ(request.tape, std::nullopt);
    const std::string usage = out.str();
    for (const char* part :
         {"Usage: murax [FILE]", "\"murax -- --help\" opens a file named --help",
          "Ctrl+Up, Ctrl+Down", "F3", "F11", "Esc", "Export...", "Export as sound...", "WAV",
          "Play", "[Edit]", "A TZX tape does not open", "murax-list --to-tap"})
        EXPECT_NE(usage.find(part), std::string::npos) << part;
    EXPECT_TRUE(usage.ends_with(kHelpEnding)) << usage;
    for (const std::string& part : kSettingsNotNamed)
        EXPECT_EQ(usage.find(part), std::string::npos) << part;
}

TEST(CommandLine, VersionPrintsTheProjectVersion)
{
    std::ostringstream out;
    EXPECT_EQ(readCommandLine({"murax", "--version"}, out).exitStatus, std::optional<int>(0));
    EXPECT_EQ(out.str(), std::string("Murax ") + MURAX_VERSION + "\n");
}

// Any other first argument is the tape, and so is the one after a "--"; the rest are ignored.
TEST(CommandLine, OtherwiseTheFirstArgumentIsTheTape)
{
    const struct {
        std::vector<std::string> arguments;
        std::optional<std::string> tape;
    } cases[] = {
        {{}, std::nullopt},
        {{"murax"}, std::nullopt},
        {{"murax", "game.tap"}, "game.tap"},
        {{"murax", "game", "--help"}, "game"},
        {{"murax", "-h"}, "-h"},
        {{"murax", "--version=1"}, "--version=1"},
        {{"murax", "-"}, "-"},
        {{"murax", ""}, ""},
        {{"murax", "--", "--help", "more"}, "--help"},
        {{"murax", "--", "--version", "more"}, "--version"},
        {{"murax", "--", "--", "more"}, "--"},
        {{"murax", "--", "game", "more"}, "game"},
        {{"murax", "--"}, std::nullopt},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        const StartRequest request = readCommandLine(c.arguments, out);
        EXPECT_EQ(request.exitStatus, std::nullopt);
        EXPECT_EQ(request.tape, c.tape) << c.arguments.size();
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CommandLine, AFailedWriteEndsWithAnError)
{
    for (const char* option : {"--help", "--version"}) {
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(readCommandLine({"murax", option}, out).exitStatus, std::optional<int>(1));
    }
}

}  // namespace
}  // namespace murax::testing
