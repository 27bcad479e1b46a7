// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace murax::lister {

// The tapes (files named *.tap, *.tzx or *.wav in any case) in a folder and all the folders below
// it, sorted by name so a listing comes out the same every time. Folders that cannot be read are
// added to `unreadable` with the system's words for why.
std::vector<std::string> tapesUnder(const std::string& folder,
                                    std::vector<std::string>& unreadable);

bool isFolder(const std::string& path);

}  // namespace murax::lister
