// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What murax.exe carries: the manifest, the icon and the two dialog templates, read from the built
// program itself and opened (the toolbar's bitmaps are drawn by the toolbar's test).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "tests/win32/helpers/built_program.h"
#include "tests/win32/helpers/thread_windows.h"
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

// A dialog procedure that answers nothing itself: it keeps the commands it is sent, in order.
INT_PTR CALLBACK recordingDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    else if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
        reinterpret_cast<std::vector<int>*>(GetWindowLongPtrW(dialog, DWLP_USER))
            ->push_back(LOWORD(wParam));
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A key as the message loop hands it to the dialog manager.
void pressKey(HWND dialog, HWND control, WPARAM key)
{
    MSG press{control, WM_KEYDOWN, key, 0, 0, {}};
    IsDialogMessageW(dialog, &press);
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

// The main window's template opens from murax.exe, and its list takes a count of rows without
// data of its own and selects more than one of them.
TEST_F(ProgramResourcesTest, MainWindowTemplateOpensWithAListOfManyRows)
{
    std::vector<int> commands;
    const HWND window = CreateDialogParamW(programModule(), L"MURAX", nullptr, recordingDialog,
                                           reinterpret_cast<LPARAM>(&commands));
    ASSERT_NE(window, nullptr);
    const HWND list = GetDlgItem(window, MURAX_ID_BLOCK_LIST);
    ASSERT_NE(list, nullptr);
    EXPECT_NE(SendMessageW(list, LB_SETCOUNT, 3, 0), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_NE(SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1)), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);
    DestroyWindow(window);
}

// The properties template opens from murax.exe: its name field takes what is typed, Enter in it
// answers with Save and Esc with Cancel.
TEST_F(ProgramResourcesTest, PropertiesTemplateOpensAndAnswersEnterAndEsc)
{
    std::vector<int> commands;
    const HWND dialog = CreateDialogParamW(programModule(), L"MODIFICA", nullptr, recordingDialog,
                                           reinterpret_cast<LPARAM>(&commands));
    ASSERT_NE(dialog, nullptr);
    const HWND field = GetDlgItem(dialog, MURAX_ID_NAME_FIELD);
    ASSERT_NE(field, nullptr);
    SendMessageW(field, WM_CHAR, L'Z', 0);
    EXPECT_EQ(testing::windowText(field), L"Z");
    pressKey(dialog, field, VK_RETURN);
    pressKey(dialog, field, VK_ESCAPE);
    EXPECT_EQ(commands, (std::vector<int>{MURAX_ID_SAVE, IDCANCEL}));
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace murax
