// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace murax {

// What the toolbar's buttons and popup entries start. Each is already bound to the main window
// and its BlockList; an empty one does nothing.
struct ToolbarCommands {
    std::function<void()> open, add, insert, save, saveAs, remove, moveUp, moveDown, editProperties,
        editWithHexEditor, run;
};

}  // namespace murax
