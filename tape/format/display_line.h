// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "support/platform/huge_page_allocator.h"

namespace murax {

// One line of the block list box, as bytes, kept in place rather than on the heap. A tape of a
// million entries has a million lines: as strings each would be an allocation of its own, and
// deleting half of them spent most of its time handing half a million blocks back to the heap.
// The longest line the list shows is 52 characters, and a line takes no more room than that and
// its length: every byte of it is paid for once per entry.
class DisplayLine {
public:
    static constexpr std::size_t kMaxLength = 52;

    DisplayLine() = default;
    explicit DisplayLine(std::string_view text)
    {
        if (text.size() > kMaxLength)
            throw std::length_error("A list line is longer than " + std::to_string(kMaxLength) +
                                    " characters");
        text.copy(characters_.data(), text.size());
        length_ = static_cast<std::uint8_t>(text.size());
    }

    std::string_view view() const { return {characters_.data(), length_}; }
    std::string str() const { return std::string(view()); }
    std::string_view substr(std::size_t position, std::size_t count = std::string_view::npos) const
    {
        return view().substr(position, count);
    }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }

    friend bool operator==(const DisplayLine& a, const DisplayLine& b)
    {
        return a.view() == b.view();
    }
    friend bool operator==(const DisplayLine& line, std::string_view text)
    {
        return line.view() == text;
    }
    friend std::ostream& operator<<(std::ostream& out, const DisplayLine& line)
    {
        return out << line.view();
    }

private:
    std::array<char, kMaxLength> characters_{};
    std::uint8_t length_ = 0;
};

// The lines of a whole tape.
using DisplayLines = std::vector<DisplayLine, HugePageAllocator<DisplayLine>>;

}  // namespace murax
