// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/platform/file_descriptor_posix.h"
#include "support/platform/recovery_file.h"
#include "support/platform/replacing_write.h"
#include "support/platform/save_leftovers.h"
#include "support/runtime_errors.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

constexpr int kSiblingAttempts = 100;

using Outcome = std::optional<ReplaceFailure>;

Outcome failed(int gencode, const char* operation, const char* description, int err)
{
    return ReplaceFailure{{gencode, operation, description, err}, {}, {}};
}

Outcome createFailed(int err)
{
    return failed(gencode::Create, "FCREATE", "Create error", err);
}

Outcome writeFailed(int err)
{
    return failed(gencode::Write, "FWRITE", "Write error", err);
}

// The new file beside the target: a short name of its own (a long tape name leaves no room for a
// longer one), created new and readable by the user only, and locked while it is written so that
// another program's clean-up leaves it alone.
UniqueFd createSibling(const fs::path& folder, fs::path& sibling, int& err)
{
    for (int attempt = 0; attempt < kSiblingAttempts; ++attempt) {
        std::string name = (folder / (std::string(kSaveFilePrefix) + "XXXXXX")).string();
        UniqueFd file(::mkostemp(name.data(), O_CLOEXEC));
        if (!file) {
            err = errno;
            return {};
        }
        // A clean-up may have taken the new file between its creation and the lock: start again
        // on another name unless the name still holds the file that is now locked.
        struct stat opened {
        }, named{};
        if (tryLockExclusively(file.get()) && ::fstat(file.get(), &opened) == 0 &&
            ::lstat(name.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
            opened.st_ino == named.st_ino) {
            sibling = name;
            return file;
        }
    }
    err = EEXIST;
    return {};
}

void syncFolder(const fs::path& folder)
{
    const UniqueFd fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd)
        ::fsync(fd.get());
}

// Writes over the target's own bytes, for a tape whose folder takes no new file or that has
// other names (hard links) that must see the new bytes too. A full copy of the new bytes goes to
// the user's data folder first and stays there if the write fails half-way.
Outcome writeInPlace(const fs::path& target, const ByteParts& parts)
{
    const std::string copy = writeSafetyCopy(target.string(), parts);
    if (copy.empty()) {
        Outcome failure = createFailed(errno);
        failure->safetyCopyFolder = userDataFolder();
        return failure;
    }
    UniqueFd file(::open(target.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!file) {
        const int err = errno;
        ::unlink(copy.c_str());
        return createFailed(err);
    }
    // The new bytes end where the writing stopped: an older, longer content is cut there.
    if (!writePartsTo(file.get(), parts) ||
        ::ftruncate(file.get(), ::lseek(file.get(), 0, SEEK_CUR)) != 0 ||
        ::fsync(file.get()) != 0 || !file.close()) {
        Outcome failure = writeFailed(errno);
        failure->safetyCopy = copy;
        return failure;
    }
    ::unlink(copy.c_str());
    return std::nullopt;
}

// Writes the sibling, gives it the target's owner (where the system allows) and permissions,
// and renames it over the target.
Outcome writeSiblingAndRename(UniqueFd file, const fs::path& sibling, const fs::path& target,
                              const std::optional<struct stat>& old, const ByteParts& parts)
{
    auto fail = [&](Outcome failure) {
        file.reset();
        ::unlink(sibling.c_str());
        return failure;
    };
    if (!writePartsTo(file.get(), parts) || ::fsync(file.get()) != 0)
        return fail(writeFailed(errno));
    if (old) {
        // Owner first: changing it may clear the set-id bits that the mode then restores.
        [[maybe_unused]] const int ignored = ::fchown(file.get(), old->st_uid, old->st_gid);
        if (::fchmod(file.get(), old->st_mode & 07777) != 0)
            return fail(writeFailed(errno));
    } else if (::fchmod(file.get(), modeForNewFile()) != 0) {
        return fail(writeFailed(errno));
    }
    // Renamed while still locked, so that no clean-up can take the finished file before it has
    // taken the target's place.
    if (::rename(sibling.c_str(), target.c_str()) != 0)
        return fail(failed(gencode::Create, "FRENAME", "Create error", errno));
    syncFolder(target.parent_path());
    if (!file.close())
        return failed(gencode::Write, "FCLOSE", "Close error", errno);
    return std::nullopt;
}

}  // namespace

std::optional<ReplaceFailure> replaceFileContents(const std::string& path, const ByteParts& parts,
                                                  LinksInTheWay links)
{
    fs::path target(path);
    if (links == LinksInTheWay::Follow) {
        std::error_code ec;
        if (fs::path resolved = fs::weakly_canonical(target, ec); !ec)
            target = resolved;
    }

    std::optional<struct stat> old;
    struct stat status {};
    if (::lstat(target.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return createFailed(EISDIR);
        // Not a tape (a device, a pipe, a link left standing): never replaced by a file.
        if (!S_ISREG(status.st_mode))
            return createFailed(EACCES);
        // A tape the user may not write is refused, even where its folder would let a new file
        // take its place.
        UniqueFd probe(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!probe)
            return createFailed(errno);
        old = status;
    } else if (errno != ENOENT) {
        return createFailed(errno);
    }

    const fs::path folder = target.parent_path();
    removeSaveLeftovers(folder.string());
    if (old && old->st_nlink > 1)
        return writeInPlace(target, parts);

    fs::path sibling;
    int err = 0;
    UniqueFd file = createSibling(folder, sibling, err);
    if (!file) {
        if (old && (err == EACCES || err == EPERM))
            return writeInPlace(target, parts);
        return createFailed(err);
    }
    return writeSiblingAndRename(std::move(file), sibling, target, old, parts);
}

}  // namespace murax
