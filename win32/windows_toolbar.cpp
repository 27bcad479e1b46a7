// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_toolbar.h"

#include <string>

#include <commctrl.h>

#include "seam/window_look.h"
#include "support/platform/wide_text_windows.h"
#include "win32/window_painting.h"

namespace murax {
namespace {

constexpr int kFirstButtonId = 1000;
constexpr UINT_PTR kToolTipAnswerId = 0x4D54;  // the bar's subclass that answers its tooltips

}  // namespace

WindowsToolbar::WindowsToolbar(HWND window, int width, int dpi) : dpi_(dpi)
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
    // The control makes a cell at least its picture and a padding wide (7 pixels by default);
    // the padding is what makes the picture's size up to the cell's.
    const int cellWidth = scaledPixels(kCellWidth, dpi);
    const int cellHeight = scaledPixels(kCellHeight, dpi);
    SendMessageW(bar_, TB_SETPADDING, 0,
                 MAKELPARAM(cellWidth - kBitmapWidth, cellHeight - kBitmapHeight));
    SendMessageW(bar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(cellWidth, cellHeight));

    const auto looks = toolbarButtonLooks();
    std::vector<TBBUTTON> buttons;
    for (const ToolbarButtonLook& look : looks) {
        if (look.startsGroup && !buttons.empty()) {
            // A separator as wide as the gap; the bar draws nothing in it but its background.
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
        const bool hasMenu = directCommandOf(look.button) == nullptr;
        buttons_.push_back({idOfButton(look.button), image, hasMenu, wideText(look.toolTip)});
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = idOfButton(look.button);
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = BTNS_BUTTON | (hasMenu ? BTNS_WHOLEDROPDOWN : 0);
        // No text: the tooltips are answered from the table (answerToolTips).
        button.iString = -1;
        buttons.push_back(button);
    }
    SendMessageW(bar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    // Each button's width set outright: the control would add a drop-down part of its own width.
    for (const Button& button : buttons_) {
        TBBUTTONINFOW size{};
        size.cbSize = sizeof size;
        size.dwMask = TBIF_SIZE;
        size.cx = static_cast<WORD>(button.hasMenu ? cellWidth + scaledPixels(kDropDownWidth, dpi)
                                                   : cellWidth);
        SendMessageW(bar_, TB_SETBUTTONINFOW, button.id, reinterpret_cast<LPARAM>(&size));
    }
    SetWindowSubclass(bar_, answerToolTips, kToolTipAnswerId, reinterpret_cast<DWORD_PTR>(this));
}

WindowsToolbar::~WindowsToolbar()
{
    if (IsWindow(bar_)) {
        RemoveWindowSubclass(bar_, answerToolTips, kToolTipAnswerId);
        DestroyWindow(bar_);
    }
    if (images_ != nullptr)
        ImageList_Destroy(images_);
}

// The control asks its own window for a tooltip's text, and would answer it from a button's text
// only on some of its versions and styles: the bar answers it itself, from the command table.
LRESULT CALLBACK WindowsToolbar::answerToolTips(HWND bar, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    if (message == WM_NOTIFY) {
        auto& note = *reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (note.hdr.code == TTN_GETDISPINFOW) {
            if (const wchar_t* text = reinterpret_cast<const WindowsToolbar*>(self)->toolTipOf(
                    static_cast<int>(note.hdr.idFrom))) {
                note.lpszText = const_cast<wchar_t*>(text);
                note.hinst = nullptr;
                return 0;
            }
        }
    }
    return DefSubclassProc(bar, message, wParam, lParam);
}

const wchar_t* WindowsToolbar::toolTipOf(int id) const
{
    for (const Button& button : buttons_) {
        if (button.id == id)
            return button.toolTip.c_str();
    }
    return nullptr;
}

LRESULT WindowsToolbar::customDraw(const NMTBCUSTOMDRAW& draw) const
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
        // Nothing of the control's own look: the whole bar is drawn once the control is done.
        return CDRF_SKIPDEFAULT;
    case CDDS_POSTPAINT: {
        // The separators' etched lines, drawn by the control, are painted over here too.
        RECT client{};
        GetClientRect(bar_, &client);
        paintToolbarBar(draw.nmcd.hdc, client, dpi_);
        const auto hot = static_cast<int>(SendMessageW(bar_, TB_GETHOTITEM, 0, 0));
        for (const Button& button : buttons_) {
            RECT cell{};
            SendMessageW(bar_, TB_GETRECT, button.id, reinterpret_cast<LPARAM>(&cell));
            const auto index =
                static_cast<int>(SendMessageW(bar_, TB_COMMANDTOINDEX, button.id, 0));
            paintToolbarButton(draw.nmcd.hdc, cell, images_, button.image, button.hasMenu,
                               index == hot, dpi_);
        }
        return CDRF_DODEFAULT;
    }
    default:
        return CDRF_DODEFAULT;
    }
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
