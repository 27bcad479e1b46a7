// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// One pass over the pending window events.
void SYSREFRESH();  // one pass over pending events

}  // namespace murax
