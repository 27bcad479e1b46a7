// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/paths.h"

#include <filesystem>
#include <system_error>

#include "support/native_path.h"
#include "support/utf8_text.h"

namespace fs = std::filesystem;

namespace murax {

// Unlike the 259-character limit of the platform call this stands in for, a long path comes back
// whole: a cut path would name another file, while a whole one that is too long for the system
// simply fails the caller's existence test.
std::string FULLNAME(const std::string& name)
{
    if (name.empty())
        return {};
    std::error_code ec;
    fs::path full = fs::absolute(nativePath(name), ec);
    if (ec)
        return name;
    full = full.lexically_normal();
    // "/a/b/.." normalises to "/a/": the folder is named without its trailing separator.
    if (full.has_relative_path() && !full.has_filename())
        full = full.parent_path();
    return pathText(full);
}

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return FULLNAME(a) == FULLNAME(b) || fs::equivalent(nativePath(a), nativePath(b), ec);
}

std::string SHORTPATH(const std::string& path, std::size_t maxLength)
{
    constexpr char separator = static_cast<char>(fs::path::preferred_separator);

    std::string trimmed = path;
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.pop_back();

    const std::vector<std::size_t> starts = utf8CharacterStarts(trimmed);
    if (starts.size() <= maxLength) {
        const std::size_t first = trimmed.find_first_not_of(' ');
        return first == std::string::npos ? std::string() : trimmed.substr(first);
    }

    // A path without a leading separator keeps its first two characters, the drive ("C:") on
    // systems that have drives; an absolute POSIX path, like a network path, keeps nothing.
    std::string prefix;
    std::size_t room = maxLength;
    if (trimmed.front() != separator) {
        const std::size_t prefixEnd = starts.size() > 2 ? starts[2] : trimmed.size();
        prefix = trimmed.substr(0, prefixEnd);
        room = room > 2 ? room - 2 : 0;
    }
    const std::size_t tailCharacters = room > 4 ? room - 4 : 0;
    std::string tail = tailCharacters == 0 ? std::string()
                                           : trimmed.substr(starts[starts.size() - tailCharacters]);
    // Start the tail at a folder boundary when it holds one.
    if (const std::size_t boundary = tail.find(separator); boundary != std::string::npos)
        tail.erase(0, boundary);
    return prefix + separator + "..." + tail;
}

}  // namespace murax
