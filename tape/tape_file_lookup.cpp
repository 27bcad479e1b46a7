// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/tape_file_lookup.h"

#include "support/file_io.h"
#include "support/message_box.h"
#include "support/paths.h"
#include "tape/name_completion.h"

namespace murax {

namespace {

std::optional<std::string> refuse(const std::string& name, const char* why)
{
    POPMSG("File;;" + name + ";;" + why, MessageKind::Inform);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> findTapeFile(const std::string& chosenName)
{
    const std::string asChosen = FULLNAME(chosenName);
    if (!fileExists(asChosen) && pathExists(asChosen))
        return refuse(asChosen, "not a regular file.");
    return findExactFile(completeName(chosenName));
}

std::optional<std::string> findExactFile(const std::string& name)
{
    if (fileExists(name))
        return name;
    return refuse(name, pathExists(name) ? "not a regular file." : "not found.");
}

}  // namespace murax
