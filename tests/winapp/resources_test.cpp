// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What murax.exe carries: the manifest, the icon, the two dialog templates and the toolbar's
// bitmaps, read from the built program itself.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "support/platform/wide_text_windows.h"
#include "tests/winapp/helpers/built_program.h"
#include "winapp/resource_ids.h"

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

TEST_F(ProgramResourcesTest, IconAndToolbarBitmapsHaveTheirSizesAndTransparency)
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

    for (const wchar_t* name : {L"AGGIUNGI", L"APRI", L"ELIMINA", L"ESEGUI", L"MODIFICA", L"SALVA",
                                L"SPOSTAGIU", L"SPOSTASU"}) {
        SCOPED_TRACE(utf8Text(name));
        const auto bitmap = static_cast<HBITMAP>(
            LoadImageW(programModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidth, 28);
        EXPECT_EQ(section.dsBm.bmHeight, 25);
        ASSERT_EQ(section.dsBm.bmBitsPixel, 32);
        // The background is see-through, the picture is not.
        const auto* pixels = static_cast<const unsigned char*>(section.dsBm.bmBits);
        int clear = 0, solid = 0;
        for (int i = 0; i < 28 * 25; ++i)
            (pixels[i * 4 + 3] == 0 ? clear : solid) +=
                pixels[i * 4 + 3] == 0 || pixels[i * 4 + 3] == 255;
        EXPECT_GT(clear, 0);
        EXPECT_GT(solid, 0);
        DeleteObject(bitmap);
    }
}

// A dialog template's frame as written, in dialog units, and its font, before any font on the
// system turns it into pixels.
struct TemplateFrame {
    short x, y, cx, cy;
    int points;
    std::wstring font;
};

TemplateFrame frameOf(const std::string& bytes)
{
    // DLGTEMPLATEEX: version, signature, help id, extended style, style, item count, x, y, cx, cy;
    // then the menu, the class and the title, and the font's size, weight, italic, character
    // set and name.
    TemplateFrame frame{};
    const auto word = [&](std::size_t at) {
        return at + 2 <= bytes.size()
                   ? static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                                static_cast<unsigned char>(bytes[at + 1]) << 8)
                   : std::uint16_t{0};
    };
    frame.x = static_cast<short>(word(18));
    frame.y = static_cast<short>(word(20));
    frame.cx = static_cast<short>(word(22));
    frame.cy = static_cast<short>(word(24));
    std::size_t at = 26;
    for (int field = 0; field < 3; ++field) {  // menu, class, title: none, an ordinal or a text
        if (word(at) == 0xFFFF)
            at += 4;
        else {
            while (at < bytes.size() && word(at) != 0)
                at += 2;
            at += 2;
        }
    }
    frame.points = word(at);
    for (at += 6; at < bytes.size() && word(at) != 0; at += 2)
        frame.font += static_cast<wchar_t>(word(at));
    return frame;
}

TEST_F(ProgramResourcesTest, TemplatesHaveTheirSizesAndFontsInDialogUnits)
{
    const TemplateFrame main = frameOf(resourceText(programModule(), L"MURAX", RT_DIALOG));
    EXPECT_EQ(main.x, 10);
    EXPECT_EQ(main.y, 20);
    EXPECT_EQ(main.cx, 223);
    EXPECT_EQ(main.cy, 301);
    EXPECT_EQ(main.points, 10);
    EXPECT_EQ(main.font, L"Courier New");
    const TemplateFrame properties = frameOf(resourceText(programModule(), L"MODIFICA", RT_DIALOG));
    EXPECT_EQ(properties.cx, 105);
    EXPECT_EQ(properties.cy, 55);
    EXPECT_EQ(properties.points, 8);
    EXPECT_EQ(properties.font, L"MS Sans Serif");
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
