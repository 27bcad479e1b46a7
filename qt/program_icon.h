// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace murax {

// Makes ICONA the icon of every window of the program, the main window and each later dialog
// alike. Does nothing when the picture is missing.
void installProgramIcon();

}  // namespace murax
