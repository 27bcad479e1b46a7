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

bool ExpectedList::move(int step)
{
    const int p = focus, q = focus + step;
    if (p < 1 || p > count() || q < 1 || q > count())
        return false;
    std::swap(entries[static_cast<std::size_t>(p - 1)], entries[static_cast<std::size_t>(q - 1)]);
    reloadAndSelect(q);
    return true;
}

void ExpectedList::add(const std::vector<ReferenceEntry>& added, bool insert)
{
    const int p = focus < 1 ? 1 : focus;
    const auto at = insert ? std::min<std::size_t>(static_cast<std::size_t>(p - 1), entries.size())
                           : entries.size();
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    reloadAndSelect(p);
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

void ExpectedList::replaceCurrent(const std::string& bytes)
{
    entries[static_cast<std::size_t>(focus - 1)] = {bytes, referenceLine(bytes)};
    reloadAndSelect(focus);
}

std::string expectedFieldText(const std::string& name)
{
    std::string text = name.substr(0, name.find('\0'));
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

}  // namespace murax::fuzz
