// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace murax {

class AppContext;

// The chosen name completed (".tap" appended when it has no extension, made absolute), when a
// file of that name exists. Otherwise the user is told "File;;" + name + ";;not found." and the
// result is empty; or ";;not a regular file." when something else is there (a folder, a device,
// a pipe, which would never end or never begin to be read). A name that is such a thing as it was
// chosen is refused so, and not looked for with ".tap" after it.
std::optional<std::string> findTapeFile(AppContext& app, const std::string& chosenName);

// The same for a name taken as it is (made absolute, nothing appended): a file dropped on the
// list is named exactly.
std::optional<std::string> findExactFile(AppContext& app, const std::string& name);

}  // namespace murax
