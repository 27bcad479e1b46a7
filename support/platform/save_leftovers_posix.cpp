// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/save_leftovers.h"

#include <cctype>
#include <cerrno>
#include <charconv>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"

namespace murax {
namespace {

constexpr std::size_t kUniquePartLength = 6;

bool isCurrentSaveFileName(std::string_view name)
{
    return name.size() == kSaveFilePrefix.size() + kUniquePartLength &&
           name.substr(0, kSaveFilePrefix.size()) == kSaveFilePrefix;
}

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
    const UniqueFd folderFd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd)
        return;
    const int listFd = ::dup(folderFd.get());
    if (listFd < 0)
        return;
    DIR* listing = ::fdopendir(listFd);
    if (!listing) {
        ::close(listFd);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (isCurrentSaveFileName(name)) {
            removeIfOwnedAndUnlocked(folderFd.get(), entry->d_name);
        } else if (const pid_t writer = writerOfOlderSaveFile(name);
                   writer > 0 && processIsGone(writer)) {
            removeIfOwnedAndUnlocked(folderFd.get(), entry->d_name);
        }
    }
    ::closedir(listing);
}

}  // namespace murax
