// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/tape_file_lookup.h"

#include "seam/app_context.h"
#include "seam/message_box.h"
#include "support/paths.h"
#include "support/platform/file_io.h"
#include "tape/commands/name_completion.h"

namespace murax {
namespace {

std::optional<std::string> refuse(AppContext& app, const std::string& name, const char* why)
{
    POPMSG(app, "File;;" + name + ";;" + why, MessageKind::Inform);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findTapeFile(AppContext& app, const std::string& chosenName)
{
    const std::string asChosen = FULLNAME(chosenName);
    if (!fileExists(asChosen) && pathExists(asChosen))
        return refuse(app, asChosen, "not a regular file.");
    return findExactFile(app, completeName(chosenName));
}

std::optional<std::string> findExactFile(AppContext& app, const std::string& name)
{
    if (fileExists(name))
        return name;
    return refuse(app, name, pathExists(name) ? "not a regular file." : "not found.");
}

}  // namespace murax
