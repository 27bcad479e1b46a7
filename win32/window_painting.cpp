// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/window_painting.h"

#include <cwctype>

#include "support/platform/wide_text_windows.h"
#include "tape/format/display_charset.h"

namespace murax {
namespace {

COLORREF colourOf(Rgb colour)
{
    return RGB(colour.red, colour.green, colour.blue);
}

void fill(HDC dc, int left, int top, int width, int height, COLORREF colour)
{
    const RECT area{left, top, left + width, top + height};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// The band's gradient over `height` rows from `top`, one line of colour per row.
void paintGradient(HDC dc, int left, int top, int width, int height)
{
    for (int row = 0; row < height; ++row)
        fill(dc, left, top + row, width, 1, colourOf(band_gradient::bandRowColour(row, height)));
}

// A frame whose edges are the pixels named, as in the look: left edge 0 and right edge 100
// cover the columns 0 to 100.
void drawFrame(HDC dc, int left, int top, int right, int bottom, COLORREF topLeft,
               COLORREF bottomRight)
{
    fill(dc, left, top, right - left + 1, 1, topLeft);
    fill(dc, left, top, 1, bottom - top + 1, topLeft);
    fill(dc, left, bottom, right - left + 1, 1, bottomRight);
    fill(dc, right, top, 1, bottom - top + 1, bottomRight);
}

bool hasFamily(HFONT font, const wchar_t* family)
{
    HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return _wcsicmp(face, family) == 0;
}

HFONT createFont(const wchar_t* family, const FontLook& look, int dpi)
{
    LOGFONTW font{};
    font.lfHeight =
        look.pixelSize != 0 ? -scaledPixels(look.pixelSize, dpi) : -MulDiv(look.pointSize, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = DEFAULT_QUALITY;
    wcsncpy(font.lfFaceName, family, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace

int scaledPixels(int pixels, int dpi)
{
    return MulDiv(pixels, dpi, 96);
}

int screenDpi()
{
    HDC dc = GetDC(nullptr);
    const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

HFONT createFontOrSubstitute(const FontLook& look, const wchar_t* substitute, int dpi)
{
    const std::wstring family = wideText(look.family);
    HFONT font = createFont(family.c_str(), look, dpi);
    if (font != nullptr && hasFamily(font, family.c_str()))
        return font;
    if (font != nullptr)
        DeleteObject(font);
    return createFont(substitute, look, dpi);
}

HFONT messageFont()
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

void registerWindowClass(const wchar_t* name, WNDPROC procedure, bool withIcon)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, name, &windowClass))
        return;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.hIcon = withIcon ? LoadIconW(instance, L"ICONA") : nullptr;
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

std::wstring controlText(const std::string& utf8)
{
    const std::wstring wide = wideText(utf8);
    std::wstring text;
    text.reserve(wide.size() + wide.size() / 16);
    for (const wchar_t c : wide) {
        if (c == L'\n')
            text += L'\r';
        text += c;
    }
    return text;
}

RowText rowText(std::string_view bytes, int cellWidth)
{
    RowText text;
    for (const char byte : bytes) {
        const char32_t shown = displayCharForByte(static_cast<unsigned char>(byte));
        if (shown > 0xFFFF) {
            // Two units for one character: the cell's advance goes with the second.
            const char32_t above = shown - 0x10000;
            text.characters += static_cast<wchar_t>(0xD800 + (above >> 10));
            text.characters += static_cast<wchar_t>(0xDC00 + (above & 0x3FF));
            text.advances += 0;
        } else {
            text.characters += static_cast<wchar_t>(shown);
        }
        text.advances += cellWidth;
    }
    return text;
}

void paintListRow(const DRAWITEMSTRUCT& item, std::string_view line, bool current, int dpi)
{
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const RowText text = rowText(line, scaledPixels(main_window::kCharacterCellWidth, dpi));
    ExtTextOutW(dc, item.rcItem.left + scaledPixels(block_list::kLeftMargin, dpi), item.rcItem.top,
                ETO_OPAQUE | ETO_CLIPPED, &item.rcItem, text.characters.c_str(),
                static_cast<UINT>(text.characters.size()), text.advances.data());
    if (current && (item.itemState & ODS_FOCUS) != 0)
        DrawFocusRect(dc, &item.rcItem);
}

void paintTitleBand(HDC dc, HFONT font, int clientWidth, int dpi)
{
    using namespace main_window;
    const int top = scaledPixels(kBandTop, dpi);
    const int bottom = scaledPixels(kBandBottom, dpi);
    paintGradient(dc, 0, top, clientWidth, bottom - top + 1);
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourOf(kBlack));
    const COLORREF black = colourOf(kBlack);
    int right = 0;
    for (const title_band::Column& column : title_band::kColumns) {
        const int left = right == 0 ? 0 : right + 1;
        right += scaledPixels(column.width, dpi);
        drawFrame(dc, left - 1, top, right, bottom, black, black);
        drawFrame(dc, left, top + 1, right - 1, bottom - 1, GetSysColor(COLOR_3DHIGHLIGHT),
                  GetSysColor(COLOR_3DSHADOW));
        RECT cell{left, top + 1, right, bottom};
        const std::wstring title = wideText(column.title);
        // Plain text: an "&" shows as itself.
        DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &cell,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    SelectObject(dc, old);
}

void paintToolbarBar(HDC dc, const RECT& client, int dpi)
{
    using namespace toolbar;
    const int width = client.right - client.left;
    const int lineTop = scaledPixels(kCellHeight, dpi);
    const int lineHeight = scaledPixels(kBarHeight, dpi) - lineTop;
    fill(dc, client.left, client.top, width, lineTop, colourOf(kBackground));
    fill(dc, client.left, lineTop, width, lineHeight, colourOf(kBorder));
}

void paintToolbarButton(HDC dc, const RECT& cell, HIMAGELIST images, int image, bool hasMenu,
                        bool hovered, int dpi)
{
    using namespace toolbar;
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    const int line = scaledPixels(1, dpi);
    fill(dc, cell.left, cell.top, width, height, colourOf(hovered ? kHoverFill : kBackground));
    if (hovered && hasMenu) {
        const int dropDownLeft = cell.left + scaledPixels(kCellWidth, dpi);
        fill(dc, dropDownLeft, cell.top, line, height, colourOf(kDivider));
        fill(dc, dropDownLeft + line, cell.top, line, height, colourOf(kDividerLight));
        fill(dc, cell.right - line, cell.top, line, height, colourOf(kDivider));
    }
    if (images != nullptr && image >= 0)
        ImageList_Draw(images, image, dc, cell.left + scaledPixels(kBitmapLeft, dpi),
                       cell.top + scaledPixels(kBitmapTop, dpi), ILD_TRANSPARENT);
    if (hasMenu) {
        // Rows narrowing by a pixel at each side, from the widest at the cell's middle row.
        const int left = cell.right - scaledPixels(kArrowInsetFromRight, dpi);
        const int top = cell.top + height / 2;
        for (int row = 0; row < scaledPixels(kArrowHeight, dpi); ++row)
            fill(dc, left + row, top + row, scaledPixels(kArrowWidth, dpi) - 2 * row, 1,
                 colourOf(kArrow));
    }
}

void paintStatusBar(HDC dc, HFONT font, const RECT& bar, const std::string& text, int dpi)
{
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;
    // A thin border; its left and right lines would lie outside the window.
    const COLORREF border = GetSysColor(COLOR_3DDKSHADOW);
    fill(dc, bar.left, bar.top, width, 1, border);
    fill(dc, bar.left, bar.bottom - 1, width, 1, border);
    paintGradient(dc, bar.left, bar.top + 1, width, height - 2);
    const HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const int indent = scaledPixels(status_bar::kTextIndent, dpi);
    RECT area{bar.left + indent, bar.top + 1, bar.right, bar.bottom - 1};
    const std::wstring shown = wideText(text);
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
}

}  // namespace murax
