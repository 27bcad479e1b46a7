// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_desktop.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "support/platform/wide_text_windows.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/win32/helpers/dialog_answerer.h"

namespace murax {
namespace {

using testing::DialogAnswerer;
using testing::hasClass;
using testing::pressButton;
using testing::windowText;

struct KindCase {
    int kind;
    std::vector<int> buttons;  // those the box has
    int defaultButton;
    int pressed;
    int answer;
};

// Each kind's buttons and default, and the button pressed coming back as the answer.
TEST(WindowsDesktopTest, MessageBoxOfEachKindShowsItsButtonsAndReturnsThePressedOne)
{
    const std::vector<KindCase> cases = {
        {1, {IDOK}, IDOK, IDOK, Desktop::Ok},
        {2, {IDOK, IDCANCEL}, IDOK, IDCANCEL, Desktop::Cancel},
        {3, {IDYES, IDNO, IDCANCEL}, IDYES, IDNO, Desktop::No},
        {4, {IDYES, IDNO}, IDYES, IDYES, Desktop::Yes},
        {5, {IDYES, IDNO}, IDNO, IDYES, Desktop::Yes},
        {6, {IDOK, IDCANCEL}, IDOK, IDOK, Desktop::Ok},
    };
    WindowsDesktop desktop;
    for (const KindCase& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        std::vector<int> present;
        int defaultButton = 0;
        std::wstring text;
        int result = 0;
        {
            DialogAnswerer answerer(L"Attenzione", [&](HWND box) {
                for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                    const HWND button = GetDlgItem(box, id);
                    if (button == nullptr)
                        continue;
                    present.push_back(id);
                    if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
                        defaultButton = id;
                }
                for (HWND child = GetWindow(box, GW_CHILD); child;
                     child = GetWindow(child, GW_HWNDNEXT))
                    if (windowText(child).find(L"Perch\u00e9") != std::wstring::npos)
                        text = windowText(child);
                pressButton(box, c.pressed);
            });
            result = desktop.messageBox("Perch\xC3\xA9 no?\r\nSecond line", "Attenzione", c.kind);
            ASSERT_TRUE(answerer.found());
        }
        std::sort(present.begin(), present.end());
        std::vector<int> expected = c.buttons;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(present, expected);
        EXPECT_EQ(defaultButton, c.defaultButton);
        EXPECT_EQ(result, c.answer);
        EXPECT_EQ(text, L"Perch\u00e9 no?\r\nSecond line");
    }
}

TEST(WindowsDesktopTest, MessageBoxOfAnUnknownKindShowsNothingAndAnswersCancel)
{
    WindowsDesktop desktop;
    for (int kind : {0, 7, -1}) {
        DialogAnswerer answerer(L"Attenzione", [](HWND box) { pressButton(box, IDOK); });
        EXPECT_EQ(desktop.messageBox("text", "Attenzione", kind), Desktop::Cancel);
        EXPECT_FALSE(answerer.found()) << "kind " << kind;
    }
}

// The name typed into a file dialog and OK pressed.
DialogAnswerer::Answer typeName(const std::wstring& name)
{
    return [name](HWND dialog) {
        // The explorer dialog's name field: a combo box, or an edit field in older layouts.
        HWND field = GetDlgItem(dialog, 0x47c);
        if (field == nullptr)
            field = GetDlgItem(dialog, 0x480);
        SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
        pressButton(dialog, IDOK);
    };
}

// Both dialogs start in the current folder, take a name with no extension and no file behind it
// as it is, and leave the current folder where it was; Cancel gives nothing.
TEST(WindowsDesktopTest, FileDialogsReturnTheTypedNameInTheCurrentFolderAsItIs)
{
    testing::ScratchFolder scratch;
    const std::filesystem::path folder = std::filesystem::canonical(scratch.path());
    const testing::CurrentDirectory inside(folder);
    WindowsDesktop desktop;
    const std::string typed = utf8Text((folder / L"caf\u00e9 game").wstring());
    const auto cancel = [](HWND dialog) { pressButton(dialog, IDCANCEL); };
    const struct {
        bool save;
        const char* title;
        DialogAnswerer::Answer answer;
        std::string expected;
    } cases[] = {
        {false, "Select a TAP file to open", typeName(L"caf\u00e9 game"), typed},
        {true, "Save as", typeName(L"caf\u00e9 game"), typed},
        {false, "Open", cancel, ""},
        {true, "Save as", cancel, ""},
    };
    for (const auto& c : cases) {
        DialogAnswerer answerer(wideText(c.title), c.answer);
        const std::vector<std::string> filters = {kTapeFilesFilter, "Text (*.txt)"};
        EXPECT_EQ(c.save ? desktop.saveFileDialog(c.title, filters)
                         : desktop.openFileDialog(c.title, filters),
                  c.expected)
            << c.title;
        EXPECT_TRUE(answerer.found()) << c.title;
    }
    EXPECT_EQ(std::filesystem::current_path(), folder);
    EXPECT_FALSE(std::filesystem::exists(folder / L"caf\u00e9 game"));
}

// The child of `dialog` whose window class is `className`.
HWND childOfClass(HWND dialog, const wchar_t* className)
{
    HWND child = GetWindow(dialog, GW_CHILD);
    while (child != nullptr && !hasClass(child, className))
        child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

// The dialog offers the items in order under the label, the current one chosen; OK gives the
// item chosen then, Cancel nothing. A current position past the items chooses the first.
TEST(WindowsDesktopTest, ItemChoiceOffersTheItemsAndGivesTheOneChosen)
{
    const std::vector<std::string> items = {"44.1 kHz, 16 bits", "48 kHz, 16 bits", "caf\xC3\xA9"};
    const std::string label =
        "The selected 2 entries of 3 (select none for the whole tape), as a "
        "WAV file.\nSound format:";
    const struct {
        std::size_t current;
        std::optional<int> picked;  // the item the user picks, if any
        int button;
        int shownFirst;
        std::optional<std::size_t> answer;
    } cases[] = {
        {1, std::nullopt, IDOK, 1, 1},
        {1, 2, IDOK, 1, 2},
        {0, 2, IDCANCEL, 0, std::nullopt},
        {7, std::nullopt, IDOK, 0, 0},
    };
    WindowsDesktop desktop;
    for (const auto& c : cases) {
        SCOPED_TRACE("current " + std::to_string(c.current));
        std::vector<std::wstring> offered;
        std::wstring labelText;
        int shownFirst = -1;
        bool listBelowLabel = false;
        std::optional<std::size_t> answer;
        {
            DialogAnswerer answerer(L"Export as sound", [&](HWND dialog) {
                const HWND list = childOfClass(dialog, L"ComboBox");
                const HWND labelControl = childOfClass(dialog, L"Static");
                if (list == nullptr || labelControl == nullptr)
                    return;
                labelText = windowText(labelControl);
                RECT labelPlace{}, listPlace{};
                GetWindowRect(labelControl, &labelPlace);
                GetWindowRect(list, &listPlace);
                listBelowLabel = listPlace.top >= labelPlace.bottom;
                const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
                for (int i = 0; i < count; ++i) {
                    wchar_t item[64] = {};
                    SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item));
                    offered.emplace_back(item);
                }
                shownFirst = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
                if (c.picked)
                    SendMessageW(list, CB_SETCURSEL, *c.picked, 0);
                pressButton(dialog, c.button);
            });
            answer = desktop.chooseItem("Export as sound", label, items, c.current);
            ASSERT_TRUE(answerer.found());
        }
        EXPECT_EQ(offered, (std::vector<std::wstring>{L"44.1 kHz, 16 bits", L"48 kHz, 16 bits",
                                                      L"caf\u00e9"}));
        EXPECT_EQ(labelText, wideText(label));
        EXPECT_TRUE(listBelowLabel);
        EXPECT_EQ(shownFirst, c.shownFirst);
        EXPECT_EQ(answer, c.answer);
    }
}

TEST(WindowsDesktopTest, ExecutableFolderHoldsTheRunningProgram)
{
    WindowsDesktop desktop;
    const std::string folder = desktop.executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(std::filesystem::exists(wideText(folder + "murax_win32_tests.exe")));
}

TEST(WindowsDesktopTest, ClipboardGivesBackTheBytesOfItsOwnTypeOnly)
{
    WindowsDesktop desktop;
    const std::string tape(
        "\x13\x00\x00\x00"
        "A\x1A\x00\xFF",
        8);
    desktop.setClipboardData("application/x-spectrum-tap", tape);
    EXPECT_EQ(desktop.clipboardData("application/x-spectrum-tap"), tape);
    EXPECT_EQ(desktop.clipboardData("application/x-murax-other"), std::nullopt);
    desktop.setClipboardData("application/x-spectrum-tap", "");
    EXPECT_EQ(desktop.clipboardData("application/x-spectrum-tap"), std::string());
}

// Another program may put a block under the same name that does not hold what its length says.
TEST(WindowsDesktopTest, ClipboardBlockShorterThanItsLengthGivesNothing)
{
    const HWND owner =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const UINT format = RegisterClipboardFormatW(L"application/x-spectrum-tap");
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 12);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    const std::uint64_t claimed = 1000;
    std::memcpy(bytes, &claimed, sizeof claimed);
    GlobalUnlock(block);
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(format, block), nullptr);
    CloseClipboard();
    DestroyWindow(owner);

    WindowsDesktop desktop;
    EXPECT_EQ(desktop.clipboardData("application/x-spectrum-tap"), std::nullopt);
}

}  // namespace
}  // namespace murax
