// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/helpers/scratch_folder.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {

inline const std::string kMissing =
    "Missing Hex editor value in the Edit section of MURAX.INI file.";

class HexEditor : public CommandTest {
protected:
    std::optional<EnvironmentVariable> config;
    std::optional<EnvironmentVariable> temp;  // the TEMP folder, where a scratch file may go
    std::vector<std::string> tempSeen;        // the scratch file's name, as each run saw it
    std::vector<std::string> bytesSeen;       // and its content when the hex editor started

    void SetUp() override
    {
        CommandTest::SetUp();
        std::filesystem::create_directory(path("bin"));
        fake.exeFolder = path("bin") + "/";
        config.emplace(kConfigFolderVariable, path("config"));
        std::filesystem::create_directory(path("temp"));
        temp.emplace("TEMP", path("temp"));
    }

    void configure(const std::string& iniText, const std::string& where = "bin/MURAX.INI")
    {
        std::filesystem::create_directories(std::filesystem::path(path(where)).parent_path());
        write(where, iniText);
    }

    // The hex editor stand-in: records what it was given, then edits the file with `edit`.
    void editWith(std::function<void(std::string&)> edit, const std::string& command = "hexed")
    {
        fake.onRun = [this, edit, command](const std::string& commandLine) {
            EXPECT_EQ(commandLine.rfind(command + " ", 0), 0u) << commandLine;
            const std::string temp = commandLine.substr(command.size() + 1);
            tempSeen.push_back(temp);
            std::string bytes = read(temp);
            bytesSeen.push_back(bytes);
            edit(bytes);
            std::ofstream(temp, std::ios::binary | std::ios::trunc) << bytes;
            return 0;
        };
    }

    // Anything the hand-off made, in the current folder or the TEMP folder.
    bool scratchFilesLeft() const
    {
        for (const auto& item : std::filesystem::directory_iterator(folder))
            if (item.path().filename().string().front() == '\x7F')
                return true;
        return !std::filesystem::is_empty(path("temp"));
    }
};

}  // namespace murax::testing
