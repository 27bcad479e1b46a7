// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace murax {

// The bytes of a file to be written, handed out piece by piece and in order: the strings of a
// list as they stand, or pieces made while the file is written, for a file far larger than what
// it is made from (a tape's sound) that is never held in memory whole. A writer may ask for the
// bytes more than once (a write in place first puts a copy in safety) and gets the same bytes
// each time.
class ByteParts {
public:
    // Takes one piece; false when it could not be written, which ends the handing out.
    using Sink = std::function<bool(std::string_view piece)>;
    // Hands every piece to the sink in order; false as soon as the sink refused one.
    using Maker = std::function<bool(const Sink& sink)>;

    // The strings of `parts`, which must outlive this object: a list of strings, or a braced
    // list of texts, is taken as parts wherever parts are asked for.
    ByteParts(const std::vector<std::string>& parts);  // NOLINT(google-explicit-constructor)
    ByteParts(
        std::initializer_list<std::string_view> parts);  // NOLINT(google-explicit-constructor)
    explicit ByteParts(Maker make) : make_(std::move(make)) {}

    bool writeTo(const Sink& sink) const { return make_(sink); }

private:
    Maker make_;
};

}  // namespace murax
