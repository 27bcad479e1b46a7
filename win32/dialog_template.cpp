// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/dialog_template.h"

namespace murax {

void DialogTemplate::dialog(DWORD style, short cx, short cy, const std::wstring& title, WORD items)
{
    dword(style);
    dword(0);
    words_.push_back(items);
    for (const short value : {short{0}, short{0}, cx, cy})
        words_.push_back(static_cast<WORD>(value));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    text(title);
    words_.push_back(8);  // DS_SETFONT: the points and the face
    text(L"MS Shell Dlg");
}

void DialogTemplate::item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy,
                          const std::wstring& title)
{
    itemStart(id, style, x, y, cx, cy);
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    itemEnd(title);
}

void DialogTemplate::item(const std::wstring& className, WORD id, DWORD style, short x, short y,
                          short cx, short cy, const std::wstring& title)
{
    itemStart(id, style, x, y, cx, cy);
    text(className);
    itemEnd(title);
}

void DialogTemplate::itemStart(WORD id, DWORD style, short x, short y, short cx, short cy)
{
    if (words_.size() % 2 != 0)  // each item starts on a DWORD
        words_.push_back(0);
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    for (const short value : {x, y, cx, cy})
        words_.push_back(static_cast<WORD>(value));
    words_.push_back(id);
}

void DialogTemplate::itemEnd(const std::wstring& title)
{
    text(title);
    words_.push_back(0);  // no creation data
}

void DialogTemplate::dword(DWORD value)
{
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::text(const std::wstring& value)
{
    words_.insert(words_.end(), value.begin(), value.end());
    words_.push_back(0);
}

}  // namespace murax
