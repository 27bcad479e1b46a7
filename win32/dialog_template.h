// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace murax {

// The class atoms of the system's controls in a dialog template.
inline constexpr WORD kButtonClass = 0x0080, kStaticClass = 0x0082, kComboBoxClass = 0x0085;

// A DLGTEMPLATE and its items, written word by word as the dialog manager reads them, for the
// dialogs built in memory: the program's resources keep only the windows the editor has always
// had.
class DialogTemplate {
public:
    void dialog(DWORD style, short cx, short cy, const std::wstring& title, WORD items);
    // An item of a system control class, by its atom or by its name.
    void item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy,
              const std::wstring& title);
    void item(const std::wstring& className, WORD id, DWORD style, short x, short y, short cx,
              short cy, const std::wstring& title);

    LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

private:
    void itemStart(WORD id, DWORD style, short x, short y, short cx, short cy);
    void itemEnd(const std::wstring& title);
    void dword(DWORD value);
    void text(const std::wstring& value);

    std::vector<WORD> words_;
};

}  // namespace murax
