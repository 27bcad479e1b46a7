// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/message_pump.h"

#include <windows.h>

namespace murax {
namespace {

// The window class every dialog made from a template has.
constexpr ATOM kDialogClass = 0x8002;

bool isDialog(HWND window)
{
    return window != nullptr && GetClassLongPtrW(window, GCW_ATOM) == kDialogClass;
}

}  // namespace

void dispatchPendingMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (isDialog(root) && IsDialogMessageW(root, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace murax
