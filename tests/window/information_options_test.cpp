// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/information_options.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace murax::testing {
namespace {

// A command line as main receives it: the strings, and argv with its terminating null pointer.
struct CommandLine {
    explicit CommandLine(std::vector<std::string> arguments) : strings(std::move(arguments))
    {
        for (std::string& s : strings)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        argc = static_cast<int>(strings.size());
    }
    std::vector<std::string> remaining() const { return {argv.begin() + 1, argv.begin() + argc}; }

    std::vector<std::string> strings;
    std::vector<char*> argv;
    int argc = 0;
};

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

TEST(InformationOptions, HelpPrintsTheUsage)
{
    CommandLine line({"murax", "--help", "game.tap"});
    std::ostringstream out;
    EXPECT_EQ(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(0));
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

TEST(InformationOptions, VersionPrintsTheProjectVersion)
{
    CommandLine line({"murax", "--version"});
    std::ostringstream out;
    EXPECT_EQ(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(0));
    EXPECT_EQ(out.str(), std::string("Murax ") + MURAX_VERSION + "\n");
}

// Any other first argument is the tape, and so is the one after a "--", which goes; main gets
// the rest as they were, with argv ended by its null pointer.
TEST(InformationOptions, OtherArgumentsAreLeftForTheTape)
{
    using Strings = std::vector<std::string>;
    const struct {
        Strings arguments;
        Strings remaining;
    } cases[] = {
        {{}, {}},
        {{"game.tap"}, {"game.tap"}},
        {{"game", "--help"}, {"game", "--help"}},
        {{"-h"}, {"-h"}},
        {{"--version=1"}, {"--version=1"}},
        {{"-"}, {"-"}},
        {{""}, {""}},
        {{"--", "--help", "more"}, {"--help", "more"}},
        {{"--", "--version", "more"}, {"--version", "more"}},
        {{"--", "--", "more"}, {"--", "more"}},
        {{"--", "game", "more"}, {"game", "more"}},
        {{"--"}, {}},
    };
    for (const auto& c : cases) {
        Strings strings{"murax"};
        strings.insert(strings.end(), c.arguments.begin(), c.arguments.end());
        CommandLine line(strings);
        std::ostringstream out;
        EXPECT_EQ(answerInformationOption(line.argc, line.argv.data(), out), std::nullopt);
        EXPECT_EQ(line.remaining(), c.remaining);
        EXPECT_EQ(line.argv[line.argc], nullptr);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(InformationOptions, AFailedWriteEndsWithAnError)
{
    for (const char* option : {"--help", "--version"}) {
        CommandLine line({"murax", option});
        std::ostringstream out;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(answerInformationOption(line.argc, line.argv.data(), out), std::optional<int>(1));
    }
}

}  // namespace
}  // namespace murax::testing
