// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dialog_filters.h"

#include <sstream>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

// The patterns inside the filter's last parentheses, joined by ";".
std::string patternsOf(const std::string& filter)
{
    const std::size_t open = filter.rfind('(');
    const std::size_t close = filter.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open)
        return "*.*";
    std::istringstream words(filter.substr(open + 1, close - open - 1));
    std::string patterns;
    for (std::string word; words >> word;)
        patterns += (patterns.empty() ? "" : ";") + word;
    return patterns.empty() ? "*.*" : patterns;
}

}  // namespace

std::wstring dialogFilterText(const std::vector<std::string>& filters)
{
    std::wstring text;
    for (const std::string& filter : filters) {
        text += wideText(filter);
        text += L'\0';
        text += wideText(patternsOf(filter));
        text += L'\0';
    }
    // The list ends with an empty pair; with no filter at all the dialog simply shows every file.
    text += L'\0';
    return text;
}

}  // namespace murax
