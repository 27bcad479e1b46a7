// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/name_completion.h"

#include "support/paths.h"

namespace murax {

std::string completeName(const std::string& name, std::string_view extension)
{
    const auto slash = name.find_last_of('/');
    const std::string_view last =
        std::string_view(name).substr(slash == std::string::npos ? 0 : slash + 1);
    const auto dot = last.find_last_of('.');
    std::string completed = name;
    if (dot == std::string_view::npos || dot + 1 == last.size())
        completed += extension;
    return FULLNAME(completed);
}

}  // namespace murax
