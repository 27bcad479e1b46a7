// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/file_saving.h"

#include "seam/error_handler.h"
#include "support/platform/file_error.h"
#include "support/platform/replacing_write.h"
#include "support/runtime_errors.h"

namespace murax {

void writeFileReplacing(AppContext& app, const std::string& path, const ByteParts& parts,
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
            tellRecoveredAfterFailedSave(app, failure->safetyCopy);
        throw;
    }
}

}  // namespace murax
