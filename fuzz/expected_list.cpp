// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz/expected_list.h"

#include <algorithm>

namespace murax::fuzz {

std::string ExpectedList::joined() const
{
    std::string all;
    for (const ReferenceEntry& entry : entries)
        all += entry.bytes;
    return all;
}

void ExpectedList::reloadAndSelect(int p)
{
    selected.clear();
    focus = 0;
    if (p >= 1 && p <= count()) {
        selected.insert(p);
        focus = p;
    }
}

void ExpectedList::reloadAndSelectRun(int first, int n)
{
    selected.clear();
    focus = 0;
    for (int p = first; p < first + n; ++p)
        if (p >= 1 && p <= count())
            selected.insert(p);
    if (n > 0 && first >= 1 && first <= count())
        focus = first;
}

bool ExpectedList::acceptable(const std::vector<ReferenceEntry>& list)
{
    for (std::size_t i = 0; i + 1 < list.size(); ++i)
        if (referenceCutShort(list[i].bytes))
            return false;
    return true;
}

ExpectedList::Outcome ExpectedList::become(std::vector<ReferenceEntry> candidate)
{
    if (!acceptable(candidate))
        return Outcome::Refused;
    entries = std::move(candidate);
    return Outcome::Done;
}

void ExpectedList::deleteSelected()
{
    // The lowest selected position, or the current row when nothing is selected.
    int p = selected.empty() ? focus : *selected.begin();
    std::vector<ReferenceEntry> kept;
    for (int position = 1; position <= count(); ++position)
        if (!selected.count(position))
            kept.push_back(entries[static_cast<std::size_t>(position - 1)]);
    entries = std::move(kept);
    reloadAndSelect(std::min(p, count()));
}

ExpectedList::Outcome ExpectedList::move(int step)
{
    const int p = focus, q = focus + step;
    if (p < 1 || p > count() || q < 1 || q > count())
        return Outcome::Nothing;
    std::vector<ReferenceEntry> candidate = entries;
    std::swap(candidate[static_cast<std::size_t>(p - 1)],
              candidate[static_cast<std::size_t>(q - 1)]);
    if (become(std::move(candidate)) == Outcome::Refused)
        return Outcome::Refused;
    reloadAndSelect(q);
    return Outcome::Done;
}

ExpectedList::Outcome ExpectedList::add(const std::vector<ReferenceEntry>& added, bool insert)
{
    const int p = focus < 1 ? 1 : focus;
    const auto at = insert ? std::min<std::size_t>(static_cast<std::size_t>(p - 1), entries.size())
                           : entries.size();
    std::vector<ReferenceEntry> candidate = entries;
    candidate.insert(candidate.begin() + static_cast<std::ptrdiff_t>(at), added.begin(),
                     added.end());
    if (become(std::move(candidate)) == Outcome::Refused)
        return Outcome::Refused;
    reloadAndSelect(p);
    return Outcome::Done;
}

ExpectedList::Outcome ExpectedList::paste(const std::vector<ReferenceEntry>& pasted)
{
    const std::size_t at =
        focus >= 1 && focus <= count() ? static_cast<std::size_t>(focus - 1) : entries.size();
    std::vector<ReferenceEntry> candidate = entries;
    candidate.insert(candidate.begin() + static_cast<std::ptrdiff_t>(at), pasted.begin(),
                     pasted.end());
    if (become(std::move(candidate)) == Outcome::Refused)
        return Outcome::Refused;
    reloadAndSelectRun(static_cast<int>(at) + 1, static_cast<int>(pasted.size()));
    return Outcome::Done;
}

ExpectedList::Outcome ExpectedList::drag(int before)
{
    std::vector<ReferenceEntry> run, others;
    for (int p = 1; p <= count(); ++p)
        (selected.count(p) ? run : others).push_back(entries[static_cast<std::size_t>(p - 1)]);
    if (run.empty())
        return Outcome::Nothing;
    // The run goes before the entry that stood at `before`, or below the last of the others.
    const int place = std::clamp(before, 1, count() + 1);
    const int at = place - 1 -
                   static_cast<int>(std::count_if(selected.begin(), selected.end(),
                                                  [&](int p) { return p < place; }));
    const int n = static_cast<int>(run.size());
    bool inPlace = true;
    for (int p = at + 1; p <= at + n; ++p)
        inPlace = inPlace && selected.count(p) > 0;
    if (!inPlace) {
        std::vector<ReferenceEntry> candidate(others.begin(), others.begin() + at);
        candidate.insert(candidate.end(), run.begin(), run.end());
        candidate.insert(candidate.end(), others.begin() + at, others.end());
        if (become(std::move(candidate)) == Outcome::Refused)
            return Outcome::Refused;
    }
    reloadAndSelectRun(at + 1, n);
    return Outcome::Done;
}

void ExpectedList::rename(const std::string& typed)
{
    ReferenceEntry& entry = entries[static_cast<std::size_t>(focus - 1)];
    std::string name = typed.substr(0, 10);
    name.resize(10, ' ');
    entry.bytes.replace(4, 10, name);
    unsigned char checksum = 0;
    for (std::size_t i = 2; i < 20; ++i)
        checksum ^= static_cast<unsigned char>(entry.bytes[i]);
    entry.bytes[20] = static_cast<char>(checksum);
    entry.line.replace(0, 10, name);
    reloadAndSelect(focus);
}

ExpectedList::Outcome ExpectedList::replaceCurrent(const std::string& bytes)
{
    std::vector<ReferenceEntry> candidate = entries;
    candidate[static_cast<std::size_t>(focus - 1)] = {bytes, referenceLine(bytes)};
    if (become(std::move(candidate)) == Outcome::Refused)
        return Outcome::Refused;
    reloadAndSelect(focus);
    return Outcome::Done;
}

std::string expectedFieldText(const std::string& name)
{
    std::string text = name.substr(0, name.find('\0'));
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

}  // namespace murax::fuzz
