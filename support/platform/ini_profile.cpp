// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/ini_profile.h"

#include <optional>
#include <string_view>
#include <vector>

#include "support/ascii_case.h"
#include "support/platform/file_io.h"
#include "support/platform/native_file.h"
#include "support/platform/os_error.h"
#include "support/platform/replacing_write.h"

namespace murax {
namespace {

struct ProfileText {
    std::vector<std::string> lines;  // without their line ends
    bool crlf = false;               // the file's own line end, kept when it is rewritten
    bool byteOrderMark = false;      // some editors begin the file with one; it is kept too
};

#ifdef _WIN32
constexpr bool kSystemUsesCrLf = true;
#else
constexpr bool kSystemUsesCrLf = false;
#endif

std::string_view trim(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The whole file; an empty text when it does not exist, nothing when it exists but cannot be read
// (a write must then leave it alone rather than replace it by a file that lost every other line).
std::optional<std::string> loadFile(const std::string& path)
{
    NativeFile file = NativeFile::openForReading(path);
    if (!file.isOpen())
        return isMissingFile(file.error()) ? std::optional<std::string>(std::string())
                                           : std::nullopt;
    std::string data;
    if (!file.readAll(data))
        return std::nullopt;
    return data;
}

ProfileText splitLines(std::string_view data)
{
    ProfileText text;
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (data.substr(0, mark.size()) == mark) {
        data.remove_prefix(mark.size());
        text.byteOrderMark = true;
    }
    // A file without a line end yet (a new one) gets the system's: Notepad and the profile
    // functions of Windows expect CR LF there.
    text.crlf = data.find('\n') == std::string_view::npos
                    ? kSystemUsesCrLf
                    : data.find("\r\n") != std::string_view::npos;
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\n', start);
        if (end == std::string_view::npos)
            end = data.size();
        std::string_view line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text.lines.emplace_back(line);
        start = end + 1;
    }
    return text;
}

// The section name when the line is a section header.
std::optional<std::string_view> sectionOf(std::string_view line)
{
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return trim(line.substr(0, line.find(']')));
}

// The key when the line is a key=value line.
std::optional<std::string_view> keyOf(std::string_view line)
{
    const std::string_view trimmed = trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return trim(line.substr(0, equals));
}

std::string_view valueOf(std::string_view line)
{
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

struct Location {
    std::optional<std::size_t> section;  // index of the header line
    std::optional<std::size_t> key;      // index of the key line inside it
    std::size_t sectionEnd = 0;          // one past the section's last non-blank line
};

// Where the key stands: the first section of that name, and the first such key in it.
Location locate(const ProfileText& text, std::string_view section, std::string_view key)
{
    Location where;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
        const auto name = sectionOf(text.lines[i]);
        if (where.section) {
            if (name)
                break;
            if (!trim(text.lines[i]).empty())
                where.sectionEnd = i + 1;
            if (!where.key) {
                if (const auto lineKey = keyOf(text.lines[i]);
                    lineKey && equalsIgnoringAsciiCase(*lineKey, key))
                    where.key = i;
            }
        } else if (name && equalsIgnoringAsciiCase(*name, section)) {
            where.section = i;
            where.sectionEnd = i + 1;
        }
    }
    return where;
}

}  // namespace

std::string readProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, const std::string& file)
{
    const std::optional<std::string> data = loadFile(file);
    if (!data)
        return defaultValue;
    const ProfileText text = splitLines(*data);
    const Location where = locate(text, section, key);
    if (!where.key)
        return defaultValue;
    return std::string(valueOf(text.lines[*where.key]));
}

bool writeProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file)
{
    // A line break in the value would split it into lines the profile reads differently.
    if (value.find_first_of("\r\n") != std::string::npos)
        return false;
    const std::optional<std::string> data = loadFile(file);
    if (!data)
        return false;
    ProfileText text = splitLines(*data);
    const std::string keyLine = key + "=" + value;
    const Location where = locate(text, section, key);
    if (where.key) {
        text.lines[*where.key] = keyLine;
    } else if (where.section) {
        text.lines.insert(text.lines.begin() + static_cast<std::ptrdiff_t>(where.sectionEnd),
                          keyLine);
    } else {
        text.lines.push_back("[" + section + "]");
        text.lines.push_back(keyLine);
    }

    const std::string lineEnd = text.crlf ? "\r\n" : "\n";
    std::string joined = text.byteOrderMark ? "\xEF\xBB\xBF" : "";
    for (const auto& line : text.lines)
        joined += line + lineEnd;
    return replaceFileQuietly(file, {joined});
}

}  // namespace murax
