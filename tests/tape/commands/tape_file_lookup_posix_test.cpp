// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>

#include <sys/stat.h>

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

    for (const FileCommand& command : commandsTakingAFile()) {
        for (const std::string& thing : things) {
            SCOPED_TRACE(std::string(command.what) + " " + thing);
            open("main.tap", tapeOf({1, 2}), {1}, 1);
            window.list.log.clear();
            fake.messages.clear();
            command.run(thing);
            EXPECT_FALSE(startedUp);
            expectRefused("File\r\n\r\n" + thing + "\r\n\r\nnot a regular file.", {1, 2});
        }
    }
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace murax::testing
