// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/user_folders.h"

#include <gtest/gtest.h>

#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

using testing::EnvironmentVariable;

// The XDG variables win when they hold an absolute path; otherwise the folders under HOME.
TEST(UserFolders, FollowTheXdgVariablesElseHome)
{
    EnvironmentVariable home("HOME", "/home/someone");
    {
        EnvironmentVariable data("XDG_DATA_HOME", "/somewhere/data");
        EnvironmentVariable config("XDG_CONFIG_HOME", "/somewhere/config");
        EXPECT_EQ(userDataFolder(), "/somewhere/data/murax");
        EXPECT_EQ(userConfigFolder(), "/somewhere/config/murax/");
    }
    for (const std::optional<std::string>& unusable :
         {std::optional<std::string>(), std::optional<std::string>("relative")}) {
        EnvironmentVariable data("XDG_DATA_HOME", unusable);
        EnvironmentVariable config("XDG_CONFIG_HOME", unusable);
        EXPECT_EQ(userDataFolder(), "/home/someone/.local/share/murax");
        EXPECT_EQ(userConfigFolder(), "/home/someone/.config/murax/");
    }
    EnvironmentVariable noHome("HOME", std::nullopt);
    EnvironmentVariable noData("XDG_DATA_HOME", std::nullopt);
    EXPECT_EQ(userDataFolder(), "");
}

}  // namespace
}  // namespace murax
