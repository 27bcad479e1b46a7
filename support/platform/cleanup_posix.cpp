// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/cleanup.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/cleanup_names.h"
#include "support/platform/file_descriptor_posix.h"
#include "support/platform/save_leftovers.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

// Deletes one entry of the current directory if it is a file of the running user's: a folder is
// never one, and neither is a link that leads to a folder; any other link is deleted as a link,
// so its target is never touched. A file that a running program holds locked (the scratch file of
// a hex-editor hand-off in progress) is left alone, and so is anything another user owns.
void deleteOwnFile(int folderFd, const char* name)
{
    struct stat entry {};
    if (::fstatat(folderFd, name, &entry, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(entry.st_mode) ||
        entry.st_uid != ::geteuid())
        return;
    if (!S_ISLNK(entry.st_mode)) {
        removeIfOwnedAndUnlocked(folderFd, name);
        return;
    }
    struct stat target {};
    if (::fstatat(folderFd, name, &target, 0) == 0 && S_ISDIR(target.st_mode))
        return;
    ::unlinkat(folderFd, name, 0);
}

template <typename Wanted>
void deleteFilesOfCurrentDirectory(Wanted wanted)
{
    const UniqueFd folder = openFolder(".");
    forEachName(folder.get(), [&](const char* name) {
        if (wanted(std::string_view(name)))
            deleteOwnFile(folder.get(), name);
        return true;
    });
}

// Whether a plain file of the folder is locked by a running program (see tryLockExclusively).
bool isHeldByARunningProgram(int folderFd, const char* name, const struct stat& status)
{
    if (!S_ISREG(status.st_mode))
        return false;
    const UniqueFd file(
        ::openat(folderFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    return file && !tryLockExclusively(file.get());
}

// Empties one 0x7F folder of the TEMP folder and removes it. The folder is opened without
// following a link and worked on through its descriptor, so a link, or a folder swapped for a
// link meanwhile, never leads anywhere else. Only what the running user owns is touched: run as
// root in a shared temporary folder, other users' folders must survive.
void emptyAndRemoveTemporaryFolder(int tempFd, const char* name)
{
    const UniqueFd folder(::openat(tempFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat folderStatus {};
    // A plain file or a link has nothing to empty and is not ours to remove.
    if (!folder || ::fstat(folder.get(), &folderStatus) != 0 || folderStatus.st_uid != ::geteuid())
        return;
    forEachName(folder.get(), [&](const char* inner) {
        struct stat status {};
        if (::fstatat(folder.get(), inner, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return false;
        if (S_ISDIR(status.st_mode))
            return true;  // sub-folders are not entered
        // The first file that cannot be deleted ends the emptying; so does the scratch file of
        // a hand-off that another running copy has in progress there.
        return status.st_uid == ::geteuid() &&
               !isHeldByARunningProgram(folder.get(), inner, status) &&
               ::unlinkat(folder.get(), inner, 0) == 0;
    });
    // Fails harmlessly when something is left inside.
    ::unlinkat(tempFd, name, AT_REMOVEDIR);
}

void cleanTemporaryFolders(const std::string& tempPath)
{
    if (tempPath.empty())
        return;
    if (const UniqueFd temp = openFolder(tempPath)) {
        forEachName(temp.get(), [&](const char* name) {
            if (isTemporaryName(name))
                emptyAndRemoveTemporaryFolder(temp.get(), name);
            return true;
        });
    }
}

}  // namespace

std::string tempFolder()
{
    if (const char* temp = std::getenv("TEMP"); temp && *temp)
        return temp;
    std::error_code ec;
    const fs::path platformTemp = fs::temp_directory_path(ec);
    return ec ? std::string() : platformTemp.string();
}

void startupCleanup()
{
    deleteFilesOfCurrentDirectory(isTemporaryName);
    removeSaveLeftovers(".");
    cleanTemporaryFolders(tempFolder());
}

void exitCleanup()
{
    deleteFilesOfCurrentDirectory(isIndexFileName);
}

}  // namespace murax
