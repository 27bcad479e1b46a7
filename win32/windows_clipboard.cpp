// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_clipboard.h"

#include <cstdint>
#include <cstring>

#include <windows.h>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

using LengthField = std::uint64_t;

// Another program may hold the clipboard open for a moment.
bool openClipboard(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(10);
    }
    return false;
}

class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(openClipboard(owner)) {}
    ~OpenedClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};

}  // namespace

WindowsClipboard::WindowsClipboard()
    : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             nullptr))
{}

WindowsClipboard::~WindowsClipboard()
{
    if (owner_ != nullptr)
        DestroyWindow(static_cast<HWND>(owner_));
}

bool WindowsClipboard::put(const std::string& formatName, const std::string& bytes)
{
    const UINT format = RegisterClipboardFormatW(wideText(formatName).c_str());
    if (format == 0 || owner_ == nullptr)
        return false;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(LengthField) + bytes.size());
    if (block == nullptr)
        return false;
    void* data = GlobalLock(block);
    if (data == nullptr) {
        GlobalFree(block);
        return false;
    }
    const LengthField length = bytes.size();
    std::memcpy(data, &length, sizeof length);
    if (!bytes.empty())
        std::memcpy(static_cast<char*>(data) + sizeof length, bytes.data(), bytes.size());
    GlobalUnlock(block);

    const OpenedClipboard clipboard(static_cast<HWND>(owner_));
    if (!clipboard || !EmptyClipboard() || SetClipboardData(format, block) == nullptr) {
        GlobalFree(block);
        return false;
    }
    return true;  // the block belongs to the system now
}

std::optional<std::string> WindowsClipboard::take(const std::string& formatName)
{
    const UINT format = RegisterClipboardFormatW(wideText(formatName).c_str());
    if (format == 0 || !IsClipboardFormatAvailable(format))
        return std::nullopt;
    const OpenedClipboard clipboard(static_cast<HWND>(owner_));
    if (!clipboard)
        return std::nullopt;
    const HANDLE block = GetClipboardData(format);
    if (block == nullptr)
        return std::nullopt;
    const SIZE_T size = GlobalSize(block);
    const void* data = GlobalLock(block);
    if (data == nullptr)
        return std::nullopt;
    std::optional<std::string> bytes;
    LengthField length = 0;
    // A block written by another program need not carry a length that fits it.
    if (size >= sizeof length) {
        std::memcpy(&length, data, sizeof length);
        if (length <= size - sizeof length)
            bytes.emplace(static_cast<const char*>(data) + sizeof length,
                          static_cast<std::size_t>(length));
    }
    GlobalUnlock(block);
    return bytes;
}

}  // namespace murax
