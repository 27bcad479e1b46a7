// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/entry_numbers.h"

#include <limits>

namespace murax::lister {
namespace {

std::optional<EntryRun> runIn(std::string_view text)
{
    const auto dash = text.find('-');
    const std::string_view lastText = dash == std::string_view::npos ? text : text.substr(dash + 1);
    const auto first = entryNumber(text.substr(0, dash));
    const auto last = entryNumber(lastText);
    if (!first || !last || *first > *last)
        return std::nullopt;
    return EntryRun{*first, *last, std::string(lastText)};
}

}  // namespace

std::optional<std::size_t> entryNumber(std::string_view text)
{
    constexpr std::size_t kLargest = std::numeric_limits<std::size_t>::max();
    std::size_t number = 0;
    if (text.empty())
        return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::size_t>(c - '0');
        number = number > (kLargest - digit) / 10 ? kLargest : number * 10 + digit;
    }
    if (number == 0)
        return std::nullopt;
    return number;
}

std::optional<std::vector<EntryRun>> entryRuns(std::string_view text)
{
    std::vector<EntryRun> runs;
    for (;;) {
        const auto comma = text.find(',');
        const auto run = runIn(text.substr(0, comma));
        if (!run)
            return std::nullopt;
        runs.push_back(*run);
        if (comma == std::string_view::npos)
            return runs;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace murax::lister
