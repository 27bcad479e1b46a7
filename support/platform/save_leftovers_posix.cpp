// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/save_leftovers.h"

#include <cctype>
#include <cerrno>
#include <charconv>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"

namespace murax {
namespace {

bool allDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

// The writer's PID of an earlier version's save file ("." + name + ".murax-PID-N"), or 0.
pid_t writerOfOlderSaveFile(std::string_view name)
{
    if (name.empty() || name.front() != '.')
        return 0;
    const auto marker = name.rfind(kSaveFilePrefix);
    if (marker == std::string_view::npos || marker == 0)
        return 0;
    const std::string_view tail = name.substr(marker + kSaveFilePrefix.size());
    const auto dash = tail.find('-');
    if (dash == std::string_view::npos || !allDigits(tail.substr(0, dash)) ||
        !allDigits(tail.substr(dash + 1)))
        return 0;
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(tail.data(), tail.data() + dash, pid);
    return error == std::errc() && end == tail.data() + dash ? pid : 0;
}

bool processIsGone(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

void removeSaveLeftovers(const std::string& folder)
{
    const UniqueFd folderFd = openFolder(folder);
    forEachName(folderFd.get(), [&](const char* name) {
        if (isSaveFileName(name)) {
            removeIfOwnedAndUnlocked(folderFd.get(), name);
        } else if (const pid_t writer = writerOfOlderSaveFile(name);
                   writer > 0 && processIsGone(writer)) {
            removeIfOwnedAndUnlocked(folderFd.get(), name);
        }
        return true;
    });
}

}  // namespace murax
