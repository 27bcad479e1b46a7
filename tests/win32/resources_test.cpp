// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What murax.exe carries: the manifest, the icon and the two dialog templates, read from the built
// program itself (the toolbar's bitmaps are drawn by the toolbar's test).
#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/win32/helpers/built_program.h"
#include "win32/resource_ids.h"

namespace murax {
namespace {

// The built program, loaded for its resources only.
HMODULE programModule()
{
    static const HMODULE module =
        LoadLibraryExW(testing::builtProgramPath().c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

std::string resourceText(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    const HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr)
        return {};
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return bytes == nullptr ? std::string() : std::string(bytes, SizeofResource(module, found));
}

INT_PTR CALLBACK quietDialog(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(programModule(), nullptr) << MURAX_EXE; }
};

TEST_F(ProgramResourcesTest, ManifestAsksForCommonControls6AndDeclaresDpiAwareness)
{
    const std::string manifest = resourceText(programModule(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    for (const char* wanted :
         {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"", "<dpiAware", "PerMonitorV2"})
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
}

TEST_F(ProgramResourcesTest, IconIsThirtyTwoPixelsSquare)
{
    const HICON icon =
        static_cast<HICON>(LoadImageW(programModule(), L"ICONA", IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP picture{};
    GetObjectW(info.hbmColor, sizeof picture, &picture);
    EXPECT_EQ(picture.bmWidth, 32);
    EXPECT_EQ(picture.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(ProgramResourcesTest, MainWindowTemplateHoldsTheList)
{
    const HWND window = CreateDialogParamW(programModule(), L"MURAX", nullptr, quietDialog, 0);
    ASSERT_NE(window, nullptr);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    const HWND list = GetDlgItem(window, MURAX_ID_BLOCK_LIST);
    ASSERT_NE(list, nullptr);
    const LONG listStyle = GetWindowLongW(list, GWL_STYLE);
    const LONG wanted = WS_TABSTOP | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOTIFY |
                        LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_NODATA;
    EXPECT_EQ(listStyle & wanted, wanted);
    EXPECT_FALSE(listStyle & (WS_BORDER | LBS_SORT | LBS_HASSTRINGS));
    DestroyWindow(window);
}

TEST_F(ProgramResourcesTest, PropertiesTemplateHoldsTheNameFieldAndItsTwoButtons)
{
    const HWND dialog = CreateDialogParamW(programModule(), L"MODIFICA", nullptr, quietDialog, 0);
    ASSERT_NE(dialog, nullptr);
    wchar_t caption[64] = {};
    GetWindowTextW(dialog, caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Edit properties");
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    const struct {
        int id;
        const wchar_t* text;
        LONG style;
    } controls[] = {
        {MURAX_ID_NAME_FIELD, L"", WS_TABSTOP | ES_AUTOHSCROLL},
        {MURAX_ID_SAVE, L"Save", WS_TABSTOP | BS_DEFPUSHBUTTON},
        {MURAX_ID_CANCEL, L"Cancel", WS_TABSTOP},
    };
    for (const auto& control : controls) {
        const HWND item = GetDlgItem(dialog, control.id);
        ASSERT_NE(item, nullptr) << control.id;
        wchar_t text[32] = {};
        GetWindowTextW(item, text, 32);
        EXPECT_EQ(std::wstring(text), control.text);
        EXPECT_EQ(GetWindowLongW(item, GWL_STYLE) & control.style, control.style) << control.id;
    }
    // The dialog manager draws a field's border as a sunken edge.
    const HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    EXPECT_TRUE((GetWindowLongW(field, GWL_STYLE) & WS_BORDER) ||
                (GetWindowLongW(field, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), MURAX_ID_SAVE);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace murax
