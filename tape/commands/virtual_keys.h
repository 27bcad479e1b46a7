// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax::vk {

// Windows virtual-key codes, the numbers the key handler and the command table speak. Letters
// and digits are their upper-case ASCII codes; F1 to F24 run on from F1.
inline constexpr int Backspace = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Alt = 18,
                     Escape = 27, Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36,
                     Left = 37, Up = 38, Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112,
                     F2 = 113, F3 = 114, F9 = 120, F11 = 122, F24 = 135;

}  // namespace murax::vk

namespace murax {

// A key pressed, as the front end's key event gives it: the key's virtual-key code and whether
// Ctrl and Shift were down with it. The event's own record is what counts, not the keyboard's
// state when the press is handled: a key typed ahead during a long command must still mean what
// it meant when it was typed.
struct KeyPress {
    int virtualKey = 0;
    bool control = false;
    bool shift = false;
};

}  // namespace murax
