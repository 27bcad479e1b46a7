// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>

namespace murax {

// Paths are UTF-8 inside the program (on POSIX simply the file system's own bytes). These turn
// them into the standard library's paths and back. On Windows that goes through UTF-16, so that
// any name works, where the plain conversion would go through the ANSI code page.
inline std::filesystem::path nativePath(const std::string& path)
{
#ifdef _WIN32
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
#else
    return std::filesystem::path(path);
#endif
}

inline std::string pathText(const std::filesystem::path& path)
{
#ifdef _WIN32
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.string();
#endif
}

}  // namespace murax
