// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <functional>

#include <sys/stat.h>

#include "tape/commands/add_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/open_commands.h"

#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using TapeFileLookup = CommandTest;

// A pipe, a device or a folder is no tape: reading one would never end or never begin. Every
// command that takes a file by name says so, names it as it was given (without ".tap" after a
// name that has no extension), and changes nothing.
TEST_F(TapeFileLookup, APipeADeviceOrAFolderIsNotARegularFile)
{
    ASSERT_EQ(::mkfifo(path("pipe.tap").c_str(), 0600), 0);
    std::filesystem::create_directory(path("tapes"));
    write("tapes.tap", tapeOf({8}));  // passed over: the folder was named
    const std::string things[] = {path("pipe.tap"), "/dev/zero", path("tapes")};

    struct Command {
        const char* what;
        std::function<void(const std::string&)> run;
    };
    const Command commands[] = {
        {"add", [this](const std::string& name) {
             fake.openAnswers = {name};
             AGGIUNGI(window, list, false);
         }},
        {"insert", [this](const std::string& name) {
             fake.openAnswers = {name};
             AGGIUNGI(window, list, true);
         }},
        {"drop", [this](const std::string& name) { RILASCIA(window, list, {name}, 1); }},
        {"open", [this](const std::string& name) {
             fake.openAnswers = {name};
             APRI(window, list);
         }},
        {"start-up", [this](const std::string& name) {
             BlockList loaded;
             EXPECT_FALSE(startupLoad(app, &name, loaded));
         }},
    };
    for (const Command& command : commands) {
        for (const std::string& thing : things) {
            SCOPED_TRACE(std::string(command.what) + " " + thing);
            open("main.tap", tapeOf({1, 2}), {1}, 1);
            window.list.log.clear();
            fake.messages.clear();
            command.run(thing);
            ASSERT_EQ(fake.messages.size(), 1u);
            EXPECT_EQ(fake.messages[0].text, "File\r\n\r\n" + thing + "\r\n\r\nnot a regular file.");
            EXPECT_EQ(fake.messages[0].kind, 1);
            EXPECT_EQ(tags(), (std::vector<int>{1, 2}));
            EXPECT_EQ(window.list.log, std::vector<std::string>{});
            EXPECT_FALSE(list.history().canUndo());
        }
    }
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace murax::testing
