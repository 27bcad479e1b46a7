// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_file_lookup.h"

#include "seam/app_context.h"
#include "seam/message_box.h"
#include "support/platform/file_io.h"
#include "tape/commands/name_completion.h"

namespace murax {

std::optional<std::string> findTapeFile(AppContext& app, const std::string& chosenName)
{
    return findExactFile(app, completeName(chosenName));
}

std::optional<std::string> findExactFile(AppContext& app, const std::string& name)
{
    if (!fileExists(name)) {
        POPMSG(app, "File;;" + name + ";;not found.", MessageKind::Inform);
        return std::nullopt;
    }
    return name;
}

}  // namespace murax
