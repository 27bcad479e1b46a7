// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/cleanup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/helpers/scratch_folder.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

// The clean-up empties the folder TEMP names, even where TMP names another one (the system's
// own temporary path would be TMP's); without TEMP it is the system's.
TEST(TempFolder, TheTempVariableComesBeforeTmp)
{
    ScratchFolder scratch;
    const fs::path tmp = scratch.path() / "tmp";
    const fs::path temp = scratch.path() / "temp";
    fs::create_directory(tmp);
    fs::create_directory(temp);
    const EnvironmentVariable tmpVariable("TMP", tmp.string());
    {
        const EnvironmentVariable tempVariable("TEMP", temp.string());
        EXPECT_EQ(fs::path(tempFolder()), temp);
    }
    const EnvironmentVariable unset("TEMP", std::nullopt);
    EXPECT_EQ(fs::path(tempFolder()), tmp);
}

}  // namespace
}  // namespace murax::testing
