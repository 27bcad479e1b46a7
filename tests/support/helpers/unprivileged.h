// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/helpers/child_part.h"

namespace murax::testing {

// The user that permission tests run as when the suite runs as root (root ignores permissions).
inline constexpr uid_t kUnprivilegedId = 65534;

// Where the scratch folders of parts run as that user go: the system's temporary folder, which
// every user can enter. The checkout, its build folder and TMPDIR may lie in root's home, which
// no one else can.
inline const std::filesystem::path kSharedTempFolder = "/tmp";

// Runs `body` where file permissions hold: as it is for an ordinary user; as root, in a child
// process switched to the unprivileged user and group, with no other groups, whose current
// directory is the root folder (the test's own may be out of that user's reach, and a body that
// changes the current directory must be able to change it back). Returns what `body`
// returned (by convention "" when all was as expected, else what was not), or nothing when root
// cannot become the unprivileged user.
inline std::optional<std::string> runUnprivileged(const std::function<std::string()>& body)
{
    if (::geteuid() != 0)
        return body();
    const auto outcome = runChildPart([&]() -> std::string {
        if (::chdir("/") != 0 || ::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
            ::setuid(kUnprivilegedId) != 0)
            return "\x01";  // could not switch
        ::umask(022);
        return body();
    });
    if (!outcome || outcome->report == "\x01")
        return std::nullopt;
    if (outcome->died)
        return "the unprivileged part died";
    return outcome->report;
}

// Gives a folder made by root to the unprivileged user, so that its tests can work in it.
inline bool handToUnprivileged(const std::string& folder)
{
    return ::geteuid() != 0 || ::chown(folder.c_str(), kUnprivilegedId, kUnprivilegedId) == 0;
}

}  // namespace murax::testing
