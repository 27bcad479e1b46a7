// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace murax::lister {

// An entry's number as the command line gives it: decimal digits, from 1, of any length. One
// beyond what the number type holds stays the largest it holds, which no tape reaches either.
std::optional<std::size_t> entryNumber(std::string_view text);

// A run of entry numbers, from `first` to `last`, both counted from 1; `lastText` is the last
// number as given, for the messages.
struct EntryRun {
    std::size_t first = 0, last = 0;
    std::string lastText;
};

// The runs of a list such as "2" or "1,3-5": numbers from 1, a run's first number not above its
// last; nothing when the text is not such a list.
std::optional<std::vector<EntryRun>> entryRuns(std::string_view text);

}  // namespace murax::lister
