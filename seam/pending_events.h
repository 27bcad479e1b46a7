// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

class AppContext;

// One pass over the pending window events of the context's desktop.
void SYSREFRESH(AppContext& app);  // one pass over pending events

}  // namespace murax
