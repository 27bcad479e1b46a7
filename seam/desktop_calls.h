// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// Whether the key with this Windows virtual-key code is down at this moment (17 is Ctrl).
bool GETASYNCKEYSTATE(int virtualKey);  // is the key down now?

// One pass over the pending window events.
void SYSREFRESH();  // one pass over pending events

}  // namespace murax
