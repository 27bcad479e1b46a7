// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/name_completion.h"

#include "support/paths.h"

namespace murax {
namespace {

// What ends a folder's name in a path: on Windows a backslash as well as a slash; elsewhere a
// backslash is a character of a file name like any other.
#ifdef _WIN32
constexpr std::string_view kFolderSeparators = "/\\";
#else
constexpr std::string_view kFolderSeparators = "/";
#endif

}  // namespace

std::string completeName(const std::string& name, std::string_view extension)
{
    const auto separator = name.find_last_of(kFolderSeparators);
    const std::string_view last =
        std::string_view(name).substr(separator == std::string::npos ? 0 : separator + 1);
    const auto dot = last.find_last_of('.');
    std::string completed = name;
    if (dot == std::string_view::npos || dot + 1 == last.size())
        completed += extension;
    return FULLNAME(completed);
}

}  // namespace murax
