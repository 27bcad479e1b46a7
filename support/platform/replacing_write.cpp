// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/replacing_write.h"

#include <system_error>

#include "support/native_path.h"
#include "support/platform/recovery_file.h"
#include "support/platform/replacing_write_sys.h"
#include "support/platform/save_leftovers.h"
#include "support/runtime_errors.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using Outcome = std::optional<ReplaceFailure>;

Outcome failed(int gencode, const char* operation, const char* description, int err)
{
    return ReplaceFailure{{gencode, operation, description, err}, {}, {}};
}

Outcome createFailed(int err)
{
    return failed(gencode::Create, "FCREATE", "Create error", err);
}

void removeQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Writes over the target's own bytes, for a tape whose folder takes no new file or that has
// other names (hard links) that must see the new bytes too. A full copy of the new bytes goes to
// the user's data folder first and stays there if the write fails half-way.
Outcome writeInPlace(const ReplaceTarget& target, const ByteParts& parts)
{
    const std::string copy = writeSafetyCopy(pathText(target.path), parts);
    if (copy.empty()) {
        Outcome failure = createFailed(lastSystemError());
        failure->safetyCopyFolder = userDataFolder();
        return failure;
    }
    OpenFile file = openInPlace(target.path);
    if (!file) {
        const int err = lastSystemError();
        removeQuietly(nativePath(copy));
        return createFailed(err);
    }
    if (!writePartsTo(file.get(), parts) || !endAndFlush(file) || !file.close()) {
        Outcome failure = failed(gencode::Write, "FWRITE", "Write error", lastSystemError());
        failure->safetyCopy = copy;
        return failure;
    }
    removeQuietly(nativePath(copy));
    return std::nullopt;
}

// Writes the sibling, gives it what it keeps of the target and puts it in the target's place.
Outcome writeSiblingAndReplace(OpenFile file, const fs::path& sibling, const ReplaceTarget& target,
                               const ByteParts& parts)
{
    auto fail = [&](int gencode, const char* operation, const char* description) {
        const int err = lastSystemError();
        file.close();
        removeQuietly(sibling);
        return failed(gencode, operation, description, err);
    };
    if (!writePartsTo(file.get(), parts) || !endAndFlush(file) || !takeOverAccess(file, target))
        return fail(gencode::Write, "FWRITE", "Write error");
    if (!kRenamesAnOpenFile && !file.close())
        return fail(gencode::Write, "FCLOSE", "Close error");
    // Where the sibling is still held, no clean-up can take the finished file before it has
    // taken the target's place.
    if (!putInPlace(sibling, target))
        return fail(gencode::Create, "FRENAME", "Create error");
    if (!file.close())
        return failed(gencode::Write, "FCLOSE", "Close error", lastSystemError());
    return std::nullopt;
}

}  // namespace

std::optional<ReplaceFailure> replaceFileContents(const std::string& path, const ByteParts& parts,
                                                  LinksInTheWay links)
{
    const std::optional<ReplaceTarget> target = findTarget(path, links);
    if (!target)
        return createFailed(lastSystemError());
    removeSaveLeftovers(pathText(target->folder));
    if (target->manyNames)
        return writeInPlace(*target, parts);

    fs::path sibling;
    OpenFile file = createSibling(target->folder, sibling);
    if (!file) {
        const int err = lastSystemError();
        if (target->exists && isAccessRefused(err))
            return writeInPlace(*target, parts);
        return createFailed(err);
    }
    return writeSiblingAndReplace(std::move(file), sibling, *target, parts);
}

bool replaceFileQuietly(const std::string& path, const ByteParts& parts)
{
    return !replaceFileContents(path, parts, LinksInTheWay::Refuse).has_value();
}

}  // namespace murax
