// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/replacing_write.h"

#include "support/error_handler.h"
#include "support/file_io.h"
#include "support/runtime_errors.h"

namespace murax {

void writeFileReplacing(const std::string& path, const ByteParts& parts,
                        std::source_location where)
{
    const auto failure = replaceFileContents(path, parts, LinksInTheWay::Follow);
    if (!failure)
        return;
    try {
        raiseSaveError(failure->failure, path, where);
    } catch (const CommandAbandoned&) {
        // The tape may now be half old, half new: the user must learn where the whole is.
        if (!failure->safetyCopy.empty())
            tellRecoveredAfterFailedSave(failure->safetyCopy);
        throw;
    }
}

bool replaceFileQuietly(const std::string& path, const ByteParts& parts)
{
    return !replaceFileContents(path, parts, LinksInTheWay::Refuse).has_value();
}

}  // namespace murax
