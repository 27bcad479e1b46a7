// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace murax {

// The entry viewer as a face draws it: a window of its own beside the main window that shows one
// entry. What it shows, and when it goes away, is WindowEvents' to decide.
class EntryViewerFace {
public:
    virtual ~EntryViewerFace() = default;
    virtual bool isShowing() const = 0;
    // Shows `entry` (its exact bytes), replacing what was shown before.
    virtual void showEntry(std::string_view entry) = 0;
    // Hides the viewer; it may be shown again later.
    virtual void putAway() = 0;
};

}  // namespace murax
