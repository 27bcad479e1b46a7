// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/new_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "support/native_path.h"
#include "support/platform/new_file_sys.h"
#include "support/platform/os_error.h"

namespace murax {
namespace {

// Writes the bytes to the new file, flushed to disk, and closes it; where any of that fails the
// file is removed, and the system's error stays that of the step that failed.
bool fill(OpenFile file, const std::string& path, const ByteParts& parts)
{
    const bool written = writePartsTo(file.get(), parts) && flushToDisk(file);
    if (file.close() && written)
        return true;
    const int err = lastSystemError();
    std::error_code ignored;
    std::filesystem::remove(nativePath(path), ignored);
    setLastSystemError(err);
    return false;
}

}  // namespace

NewFileResult writeNewFile(const std::string& path, const ByteParts& parts)
{
    OpenFile file = createNewFile(path);
    if (!file)
        return creationRefusal(lastSystemError());
    return fill(std::move(file), path, parts) ? NewFileResult::Written : NewFileResult::Failed;
}

std::string writeNewFileUnderShortName(const std::string& folder, const std::string& suffix,
                                       const ByteParts& parts)
{
    std::string name;
    OpenFile file = createUnderShortName(folder.empty() ? std::string(".") : folder, suffix, name);
    if (!file || !fill(std::move(file), name, parts))
        return {};
    return name;
}

}  // namespace murax
