// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "support/platform/wide_text_windows.h"
#include "tape/inspect/basic_listing.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/screen_picture.h"
#include "tape/inspect/z80_disassembly.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/inspect/picture_difference.h"
#include "tests/tape/sound/entries_sound_file.h"
#include "tests/win32/helpers/thread_windows.h"
#include "tests/win32/helpers/windows_window_fixture.h"
#include "win32/window_places.h"

namespace murax::testing {
namespace {

const std::string kProgramData = printOneProgram();
const std::string kProgram = printOneEntry();
const std::string kLoneData = dataBlock("lone bytes");
const std::string kScreen = screenEntry();

// Lines as an edit control holds them, each ended by CR LF.
std::string editLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string textOf(HWND window)
{
    return utf8Text(windowText(window));
}

std::vector<std::string> tabTitles(HWND tabs)
{
    std::vector<std::string> titles;
    const auto count = SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        wchar_t title[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title;
        item.cchTextMax = 64;
        SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        titles.push_back(utf8Text(title));
    }
    return titles;
}

// A PNG file read back by the system's imaging component, as 32-bit BGRA rows; empty where it
// cannot be read.
std::vector<std::uint32_t> decodedPng(const std::filesystem::path& file, UINT& width, UINT& height)
{
    std::vector<std::uint32_t> pixels;
    const bool startedCom = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(file.wstring().c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))) {
        pixels.resize(static_cast<std::size_t>(width) * height);
        if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4,
                                         reinterpret_cast<BYTE*>(pixels.data()))))
            pixels.clear();
    }
    for (IUnknown* held : std::initializer_list<IUnknown*>{converter, frame, decoder, factory})
        if (held != nullptr)
            held->Release();
    if (startedCom)
        CoUninitialize();
    return pixels;
}

class WindowsEntryViewerTest : public WindowsWindowFixture {
protected:
    WindowsEntryViewer& viewer() { return *window_->entryViewer(); }

    void pressF3()
    {
        press({VK_F3});
        ASSERT_NE(window_->entryViewer(), nullptr);
        ASSERT_TRUE(viewer().isShowing());
    }

    // A key pressed on one of the viewer's controls.
    void pressIn(HWND control, int key)
    {
        PostMessageW(control, WM_KEYDOWN, key, 1);
        PostMessageW(control, WM_KEYUP, key, 0xC0000001);
        pump();
    }
};

TEST_F(WindowsEntryViewerTest, F3OpensItOnTheCurrentEntryItFollowsTheRowsAndEscClosesIt)
{
    openWindow(kProgram + kLoneData + kScreen);
    EXPECT_EQ(window_->entryViewer(), nullptr);
    pressF3();
    EXPECT_EQ(GetWindow(viewer().handle(), GW_OWNER), window_->handle());
    EXPECT_EQ(textOf(viewer().handle()), "hello");
    const std::string details = textOf(viewer().details());
    EXPECT_NE(details.find("Type: 0 (Program)\r\n"), std::string::npos) << details;
    EXPECT_NE(details.find("Autostart line: 10"), std::string::npos) << details;
    EXPECT_NE(details.find("OK      Data block: checksum"), std::string::npos) << details;
    EXPECT_EQ(tabTitles(viewer().tabs()), (std::vector<std::string>{"BASIC listing", "Hex dump"}));
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::BasicListing);
    EXPECT_TRUE(IsWindowVisible(viewer().basicListing()));
    EXPECT_FALSE(IsWindowVisible(viewer().hexDump()));
    EXPECT_EQ(textOf(viewer().basicListing()),
              editLines(basicListingText(listBasic(kProgramData, kProgramData.size(), 10))));

    // The hex dump brought in front by the tabs' keys stays there as the viewer follows the
    // main window's current row.
    pressIn(viewer().tabs(), VK_RIGHT);
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::HexDump);
    EXPECT_TRUE(IsWindowVisible(viewer().hexDump()));
    EXPECT_FALSE(IsWindowVisible(viewer().basicListing()));
    EXPECT_EQ(textOf(viewer().hexDump()), editLines(hexDumpLines(kProgram)));
    press({VK_DOWN});
    EXPECT_EQ(textOf(viewer().handle()), "Data block");
    EXPECT_EQ(tabTitles(viewer().tabs()), (std::vector<std::string>{"Disassembly", "Hex dump"}));
    EXPECT_EQ(textOf(viewer().hexDump()), editLines(hexDumpLines(kLoneData)));
    EXPECT_EQ(textOf(viewer().disassembly()), editLines(disassemblyLines("lone bytes", 0)));
    press({VK_DOWN});
    EXPECT_EQ(textOf(viewer().handle()), "picture");
    EXPECT_EQ(tabTitles(viewer().tabs()),
              (std::vector<std::string>{"Screen", "Disassembly", "Hex dump"}));
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::HexDump);
    pressIn(viewer().tabs(), VK_LEFT);
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::Disassembly);
    EXPECT_TRUE(IsWindowVisible(viewer().disassembly()));
    EXPECT_FALSE(IsWindowVisible(viewer().hexDump()));
    pressIn(viewer().tabs(), VK_LEFT);
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::Screen);
    EXPECT_TRUE(IsWindowVisible(viewer().screen()));
    EXPECT_FALSE(IsWindowVisible(viewer().hexDump()));
    // Away from the hex dump, the first tab comes in front again.
    press({VK_HOME});
    EXPECT_EQ(textOf(viewer().handle()), "hello");
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::BasicListing);

    // Esc in the viewer puts it away and leaves the main window as it was; F3 brings it back.
    pressIn(viewer().basicListing(), VK_ESCAPE);
    EXPECT_FALSE(viewer().isShowing());
    EXPECT_TRUE(IsWindowVisible(window_->handle()));
    pressF3();
    EXPECT_EQ(textOf(viewer().handle()), "hello");
    EXPECT_EQ(fake_.events, std::vector<std::string>());

    // With every entry deleted there is nothing left to show.
    press({VK_HOME});
    press({VK_END, false, true});
    press({VK_DELETE});
    EXPECT_TRUE(list_.empty());
    EXPECT_FALSE(viewer().isShowing());
}

// Where the viewer opens, with the main window moved to either edge of the work area first: it
// lies within the work area, level with the window's top, on the side with room, and covers no
// more of the window than the work area's width forces it to.
TEST_F(WindowsEntryViewerTest, ItOpensBesideTheWindowWithinTheWorkArea)
{
    openWindow(kProgram);
    const PixelRect work = workAreaOf(window_->handle());
    for (const bool windowAtLeft : {true, false}) {
        SCOPED_TRACE(windowAtLeft ? "the window at the left" : "the window at the right");
        RECT owner{};
        GetWindowRect(window_->handle(), &owner);
        const int ownerWidth = owner.right - owner.left;
        const int ownerLeft = windowAtLeft ? work.x : work.x + work.width - ownerWidth;
        SetWindowPos(window_->handle(), nullptr, ownerLeft, work.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(window_->handle(), &owner);
        pressF3();
        RECT shown{};
        GetWindowRect(viewer().handle(), &shown);
        EXPECT_GE(shown.left, work.x);
        EXPECT_GE(shown.top, work.y);
        EXPECT_LE(shown.right, work.x + work.width);
        EXPECT_LE(shown.bottom, work.y + work.height);
        EXPECT_EQ(shown.top, owner.top);
        const int overlap =
            std::max(0L, std::min(owner.right, shown.right) - std::max(owner.left, shown.left));
        const int shownWidth = shown.right - shown.left;
        EXPECT_EQ(overlap, std::max(0, ownerWidth + shownWidth - work.width));
        if (windowAtLeft)
            EXPECT_GT(shown.right, owner.right);
        else
            EXPECT_LT(shown.left, owner.left);
        // Put away, it opens beside the window again where the window is then.
        pressIn(viewer().tabs(), VK_ESCAPE);
        ASSERT_FALSE(viewer().isShowing());
    }
}

// Every character of a hex-dump line is in sight without scrolling: the last one of the
// character column ends within the page's text area.
TEST_F(WindowsEntryViewerTest, TheHexDumpShowsWholeLinesWithoutScrolling)
{
    // The largest entry there can be: its offsets run past 0xFFFF.
    openWindow(headerEntry("big", 65533));
    pressF3();
    // The hex dump comes after the disassembly.
    pressIn(viewer().tabs(), VK_RIGHT);
    ASSERT_EQ(viewer().tabInFront(), ViewerTab::HexDump);
    HWND hex = viewer().hexDump();
    RECT area{};
    SendMessageW(hex, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const auto lines = static_cast<int>(SendMessageW(hex, EM_GETLINECOUNT, 0, 0));
    // The first line, and the last full one, whose offset has the most digits (the text ends in
    // a line break, and the last line is not full).
    for (const int line : {0, lines - 3}) {
        const auto start = static_cast<int>(SendMessageW(hex, EM_LINEINDEX, line, 0));
        const auto length = static_cast<int>(SendMessageW(hex, EM_LINELENGTH, start, 0));
        ASSERT_GE(length, 2) << line;
        const auto x = [hex](int index) {
            return static_cast<int>(
                static_cast<short>(LOWORD(SendMessageW(hex, EM_POSFROMCHAR, index, 0))));
        };
        const int last = x(start + length - 1);
        const int cell = last - x(start + length - 2);
        EXPECT_GT(cell, 0) << line;
        EXPECT_LE(last + cell, area.right) << "line " << line << " of " << lines;
    }
}

TEST_F(WindowsEntryViewerTest, AScreenIsDrawnAtTwiceItsSizeInTheSpectrumsColours)
{
    openWindow(kScreen);
    pressF3();
    EXPECT_EQ(viewer().tabInFront(), ViewerTab::Screen);
    DIBSECTION section{};
    ASSERT_EQ(GetObjectW(viewer().picture(), sizeof section, &section), int{sizeof section});
    ASSERT_EQ(section.dsBm.bmWidth, 2 * kScreenWidth);
    ASSERT_EQ(section.dsBm.bmHeight, 2 * kScreenHeight);
    const auto* bits = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
    const auto differs =
        firstDifference(*decodeScreen(screenMemoryPattern()), 2,
                        [&](int x, int y) { return bits[y * 2 * kScreenWidth + x] & 0xFFFFFF; });
    EXPECT_FALSE(differs) << differs->first << "," << differs->second;
}

TEST_F(WindowsEntryViewerTest, TheHexDumpHoldsEveryLineScrollsSidewaysAndIsCopied)
{
    // Far more text than an edit control takes from typing (32767 characters).
    const std::string big = dataBlock(std::string(8000, 'x'));
    openWindow(big);
    pressF3();
    HWND hex = viewer().hexDump();
    const std::string expected = editLines(hexDumpLines(big));
    ASSERT_GT(expected.size(), 32767u);
    EXPECT_EQ(textOf(hex), expected);
    const auto style = GetWindowLongPtrW(hex, GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_TRUE(style & ES_AUTOHSCROLL) << "lines must not wrap";
    EXPECT_TRUE(style & WS_HSCROLL);

    SendMessageW(hex, EM_SETSEL, 0, -1);
    SendMessageW(hex, WM_COPY, 0, 0);
    ASSERT_TRUE(OpenClipboard(window_->handle()));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::string copied =
        data != nullptr ? utf8Text(static_cast<const wchar_t*>(GlobalLock(data))) : "";
    if (data != nullptr)
        GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, expected);
}

TEST_F(WindowsEntryViewerTest, ExportWritesTheScreenAsAPngThatDecodesToTheSamePixels)
{
    openWindow(kScreen);
    pressF3();
    const auto file = folder_.path() / "screen.png";
    fake_.saveAnswers.push_back(file.string());
    SendMessageW(viewer().exportButton(), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(
        fake_.events,
        std::vector<std::string>{
            "save: Export data bytes (a name ending in .png: the screen picture; in .asm: the "
            "disassembly)"});
    EXPECT_TRUE(fake_.messages.empty());
    UINT width = 0;
    UINT height = 0;
    const std::vector<std::uint32_t> pixels = decodedPng(file, width, height);
    ASSERT_EQ(pixels.size(), std::size_t{kScreenWidth} * kScreenHeight);
    EXPECT_EQ(width, UINT{kScreenWidth});
    const auto differs =
        firstDifference(*decodeScreen(screenMemoryPattern()), 1, [&](int x, int y) {
            return pixels[static_cast<std::size_t>(y) * kScreenWidth + x] & 0xFFFFFF;
        });
    EXPECT_FALSE(differs) << differs->first << "," << differs->second;
    EXPECT_TRUE(viewer().isShowing());
}

// Export as sound... beside Export...: the selected entries' sound in the format chosen.
TEST_F(WindowsEntryViewerTest, ExportAsSoundWritesTheSelectedEntriesInTheFormatChosen)
{
    openWindow(kLoneData + kProgram);
    pressF3();
    fake_.choiceAnswers.push_back(5);  // 22.05 kHz, 8 bits
    fake_.saveAnswers.push_back((folder_.path() / "lone").string());
    SendMessageW(viewer().exportSoundButton(), BM_CLICK, 0, 0);
    pump();
    EXPECT_EQ(fake_.events,
              (std::vector<std::string>{"choose: Export as sound", "save: WAV file to write"}));
    EXPECT_TRUE(fake_.messages.empty());
    EXPECT_EQ(readBytes(folder_.path() / "lone.wav"), entriesSoundFile({kLoneData}, {22050, 8}));
    EXPECT_EQ(textOf(viewer().exportSoundButton()), kViewerExportSoundButton);
    EXPECT_TRUE(viewer().isShowing());
}

}  // namespace
}  // namespace murax::testing
