// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "seam/app_context.h"
#include "seam/desktop_services.h"
#include "support/runtime_errors.h"
#include "tape/commands/add_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/open_commands.h"
#include "tape/format/tap_decoding.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/fakes/fake_window.h"
#include "tests/support/helpers/recording_error_handler.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/support/helpers/unreadable_file.h"

namespace murax::testing {

// Every test runs in a scratch folder of its own, which is also the current directory, with the
// fake desktop installed and an error handler that records each failure and abandons the command.
class CommandTest : public ::testing::Test {
protected:
    RecordingErrorHandler errorRecorder_;
    FakeDesktop fake;
    AppContext app{fake};
    FakeWindow window{app};
    BlockList list;
    std::vector<ErrorRecord>& errors = errorRecorder_.errors;
    std::filesystem::path folder;

    void SetUp() override
    {
        folder = scratch_.path();
        inFolder_.emplace(folder);
    }

    void TearDown() override
    {
        inFolder_.reset();
        std::error_code ec;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
        held_.clear();
    }

    std::string path(const std::string& name) const
    {
        return (folder / name).make_preferred().string();
    }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        writeText(path(name), bytes);
        return path(name);
    }

    // A file that exists but cannot be read, even by root, until the test ends.
    std::string unreadable(const std::string& name)
    {
        held_.push_back(makeUnreadableFile(path(name)));
        return path(name);
    }

    std::string read(const std::string& fullPath) const { return readText(fullPath); }

    // The list and the list box as after opening `bytes` saved as `name`, with the given rows
    // selected and the focus on `current`.
    void open(const std::string& name, const std::string& bytes, std::set<int> selected = {},
              int current = 0)
    {
        list.currentFile = write(name, bytes);
        splitIntoEntries(bytes, list);
        window.list.setState(list.lines(), std::move(selected), current);
    }

    // The entries as their tags ("entry3" gives 3), to read orders at a glance.
    std::vector<int> tags() const
    {
        std::vector<int> result;
        for (const auto& entry : list.entries())
            result.push_back(std::stoi(entry.substr(8, entry.size() - 9)));
        return result;
    }

    std::string tapeOf(std::initializer_list<int> tagList) const
    {
        std::string bytes;
        for (const int tag : tagList)
            bytes += lone(tag);
        return bytes;
    }

    // The commands that take in a tape file by the name the user gives it: Add, Insert, a drop,
    // Open and the start-up load, whose result goes to `startedUp`.
    struct FileCommand {
        const char* what;
        std::function<void(const std::string&)> run;
    };
    bool startedUp = false;
    std::vector<FileCommand> commandsTakingAFile()
    {
        const auto chosen = [this](bool insert) {
            return [this, insert](const std::string& name) {
                fake.openAnswers = {name};
                AGGIUNGI(window, list, insert);
            };
        };
        return {
            {"add", chosen(false)},
            {"insert", chosen(true)},
            {"drop", [this](const std::string& name) { RILASCIA(window, list, {name}, 1); }},
            {"open",
             [this](const std::string& name) {
                 fake.openAnswers = {name};
                 APRI(window, list);
             }},
            {"start-up",
             [this](const std::string& name) {
                 BlockList loaded;
                 startedUp = startupLoad(app, &name, loaded);
             }},
        };
    }

    // A command refused with one message of kind 1 saying `told`: the list holds `tagsBefore`,
    // the list box was not touched and no undo step was left.
    void expectRefused(const std::string& told, const std::vector<int>& tagsBefore)
    {
        ASSERT_EQ(fake.messages.size(), 1u);
        EXPECT_EQ(fake.messages[0].text, told);
        EXPECT_EQ(fake.messages[0].kind, 1);
        EXPECT_EQ(tags(), tagsBefore);
        EXPECT_EQ(window.list.log, std::vector<std::string>{});
        EXPECT_FALSE(list.history().canUndo());
    }

    void expectListInStep() const
    {
        ASSERT_EQ(list.lines().size(), list.entries().size());
        EXPECT_EQ(window.list.rows, list.lines());
        for (std::size_t i = 0; i < list.count(); ++i)
            EXPECT_EQ(list.lines()[i], BLKLINE(list.entries()[i])) << "line " << i + 1;
    }

private:
    ScratchFolder scratch_;
    std::optional<CurrentDirectory> inFolder_;
    std::vector<std::shared_ptr<void>> held_;
};

}  // namespace murax::testing
