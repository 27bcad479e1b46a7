// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "winapp/windows_toolbar.h"

#include <string>

#include <commctrl.h>

#include "seam/window_look.h"
#include "support/platform/wide_text_windows.h"
#include "winapp/window_painting.h"

namespace murax {
namespace {

constexpr int kFirstButtonId = 1000;

}  // namespace

WindowsToolbar::WindowsToolbar(HWND window, int width, int dpi)
{
    using namespace toolbar;
    bar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                           WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NODIVIDER |
                               CCS_NOPARENTALIGN | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                           0, 0, width, scaledPixels(kBarHeight, dpi), window, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // 32 bits a pixel keeps the pictures' alpha: in a list of 24 their clear parts draw black.
    images_ = ImageList_Create(kBitmapWidth, kBitmapHeight, ILC_COLOR32, 8, 0);
    SendMessageW(bar_, TB_SETBITMAPSIZE, 0, MAKELONG(kBitmapWidth, kBitmapHeight));
    SendMessageW(bar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    // Strings of a bar that shows no text rows serve as the buttons' tooltips.
    SendMessageW(bar_, TB_SETMAXTEXTROWS, 0, 0);

    const auto looks = toolbarButtonLooks();
    toolTips_.reserve(looks.size());
    std::vector<TBBUTTON> buttons;
    for (const ToolbarButtonLook& look : looks) {
        if (look.startsGroup && !buttons.empty()) {
            TBBUTTON gap{};
            gap.iBitmap = scaledPixels(kGroupGap, dpi);
            gap.fsStyle = BTNS_SEP;
            buttons.push_back(gap);
        }
        const std::wstring bitmapName = wideText(look.bitmap);
        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), bitmapName.c_str(),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        const int image = bitmap != nullptr ? ImageList_Add(images_, bitmap, nullptr) : I_IMAGENONE;
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        toolTips_.push_back(wideText(look.toolTip));
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = idOfButton(look.button);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle =
            BTNS_BUTTON | (directCommandOf(look.button) == nullptr ? BTNS_WHOLEDROPDOWN : 0);
        button.iString = reinterpret_cast<INT_PTR>(toolTips_.back().c_str());
        buttons.push_back(button);
    }
    SendMessageW(bar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

WindowsToolbar::~WindowsToolbar()
{
    if (IsWindow(bar_))
        DestroyWindow(bar_);
    if (images_ != nullptr)
        ImageList_Destroy(images_);
}

ToolbarButton WindowsToolbar::buttonOfId(int id)
{
    for (const ToolbarButtonLook& look : toolbarButtonLooks()) {
        if (idOfButton(look.button) == id)
            return look.button;
    }
    return ToolbarButton::None;
}

int WindowsToolbar::idOfButton(ToolbarButton button)
{
    return kFirstButtonId + static_cast<int>(button);
}

const Command* WindowsToolbar::chooseFromMenu(ToolbarButton button,
                                              const std::vector<MenuEntry>& entries) const
{
    RECT place{};
    SendMessageW(bar_, TB_GETRECT, idOfButton(button), reinterpret_cast<LPARAM>(&place));
    POINT under{place.left, place.bottom};
    ClientToScreen(bar_, &under);
    return chooseFromPopupMenu(GetParent(bar_), under, entries);
}

const Command* chooseFromPopupMenu(HWND owner, POINT screenPoint,
                                   const std::vector<MenuEntry>& entries)
{
    HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::wstring text = wideText(entries[i].text);
        AppendMenuW(menu, MF_STRING, i + 1, text.c_str());
    }
    const auto chosen = static_cast<std::size_t>(
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY,
                       screenPoint.x, screenPoint.y, 0, owner, nullptr));
    DestroyMenu(menu);
    return chosen >= 1 && chosen <= entries.size() ? entries[chosen - 1].command : nullptr;
}

}  // namespace murax
