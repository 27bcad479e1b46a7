// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/native_handle_windows.h"

#include <algorithm>
#include <random>

#include "support/platform/wide_text_windows.h"

namespace murax {

bool writeAllTo(HANDLE file, const char* data, std::size_t size)
{
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr))
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool writePartsTo(HANDLE file, const ByteParts& parts)
{
    return parts.writeTo(
        [file](std::string_view piece) { return writeAllTo(file, piece.data(), piece.size()); });
}

std::wstring uniqueNamePart()
{
    static std::mt19937 generator{std::random_device{}()};
    constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(kLetters)) - 2);
    std::wstring part;
    for (int i = 0; i < 6; ++i)
        part += kLetters[pick(generator)];
    return part;
}

std::wstring folderOf(const std::wstring& path)
{
    const auto separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos)
        return L".";
    // "C:\x" keeps its root: "C:\" is a folder, "C:" names a drive's current folder.
    if (separator == 0 || (separator == 2 && path[1] == L':'))
        return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

void forEachEntry(const std::wstring& folder, const std::function<bool(std::string_view)>& wanted,
                  const std::function<void(const std::wstring&, DWORD)>& visit)
{
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L".." && wanted(utf8Text(name)))
            visit(folder + name, found.dwFileAttributes);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

}  // namespace murax
