// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// Handles the window messages waiting in this thread's queue, then returns. A message for a
// dialog (the main window is one) goes through the dialog manager first, so that Tab, Esc and
// Enter keep their dialog meaning while a command waits and dispatches (the hex editor's wait).
// A quit request found on the way is posted again for the loop that owns it.
void dispatchPendingMessages();

}  // namespace murax
