// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace murax {

// The system clipboard holding bytes under a format registered by name (the MIME type the core
// gives, "application/x-spectrum-tap"), so another running Murax finds them. The bytes are kept
// with their exact length in front: the system may round a block's size up.
class WindowsClipboard {
public:
    WindowsClipboard();
    ~WindowsClipboard();
    WindowsClipboard(const WindowsClipboard&) = delete;
    WindowsClipboard& operator=(const WindowsClipboard&) = delete;

    // Replaces what the clipboard holds; false when it could not be opened or written.
    bool put(const std::string& formatName, const std::string& bytes);
    // The bytes under the format; nothing when the clipboard holds none, or holds a block too
    // short for the length it claims.
    std::optional<std::string> take(const std::string& formatName);

private:
    void* owner_;  // a message-only window of our own: the clipboard needs an owner to be written
};

}  // namespace murax
