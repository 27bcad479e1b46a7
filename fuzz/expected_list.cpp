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

ExpectedList::Outcome ExpectedList::become(std::vector<ReferenceEntry> candidate)
{
    std::vector<int> paired;
    std::vector<ReferenceEntry> grouped;
    for (std::size_t i = 0; i < candidate.size(); ++i) {
        const auto beginsWithHeader = [](const std::string& bytes) {
            return bytes.size() > 2 && bytes[2] == 0;
        };
        if (i + 1 < candidate.size() && referenceLoneHeader(candidate[i].bytes) &&
            !beginsWithHeader(candidate[i + 1].bytes)) {
            paired.push_back(static_cast<int>(i) + 1);
            grouped.push_back({candidate[i].bytes + candidate[i + 1].bytes, ""});
            ++i;
        } else {
            grouped.push_back(candidate[i]);
        }
    }
    std::string all;
    for (const ReferenceEntry& entry : grouped)
        all += entry.bytes;
    const std::vector<ReferenceEntry> loaded = referenceSplit(all);
    if (loaded.size() != grouped.size())
        return Outcome::Refused;
    for (std::size_t i = 0; i < grouped.size(); ++i) {
        if (loaded[i].bytes != grouped[i].bytes)
            return Outcome::Refused;
        if (grouped[i].line.empty())
            grouped[i].line = loaded[i].line;  // a pair shows as it loads
    }
    entries = std::move(grouped);
    paired_ = std::move(paired);
    return Outcome::Done;
}

int ExpectedList::placed(int p) const
{
    return p - static_cast<int>(
                   std::count_if(paired_.begin(), paired_.end(), [p](int h) { return h < p; }));
}

ExpectedList::Outcome ExpectedList::deleteSelected()
{
    // The lowest selected position, or the current row when nothing is selected.
    int p = selected.empty() ? focus : *selected.begin();
    std::vector<ReferenceEntry> kept;
    for (int position = 1; position <= count(); ++position)
        if (!selected.count(position))
            kept.push_back(entries[static_cast<std::size_t>(position - 1)]);
    if (become(std::move(kept)) == Outcome::Refused)
        return Outcome::Refused;
    reloadAndSelect(std::min(p, count()));
    return Outcome::Done;
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
    reloadAndSelect(placed(q));
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
    reloadAndSelect(placed(p));
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
    const int first = placed(static_cast<int>(at) + 1);
    reloadAndSelectRun(first, placed(static_cast<int>(at + pasted.size())) - first + 1);
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
    paired_.clear();
    if (!inPlace) {
        std::vector<ReferenceEntry> candidate(others.begin(), others.begin() + at);
        candidate.insert(candidate.end(), run.begin(), run.end());
        candidate.insert(candidate.end(), others.begin() + at, others.end());
        if (become(std::move(candidate)) == Outcome::Refused)
            return Outcome::Refused;
    }
    const int first = placed(at + 1);
    reloadAndSelectRun(first, placed(at + n) - first + 1);
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
    reloadAndSelect(placed(focus));
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
