// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "seam/desktop_services.h"
#include "win32/windows_clipboard.h"

namespace murax {

// The desktop as the Windows API provides it: message boxes, the beep, the common file dialogs,
// a choice of one item from a list, the shell's default program for a file or URI, the message
// pass and the run-and-wait of a process, and the clipboard. Memory headroom is the core's
// (GlobalMemoryStatusEx).
class WindowsDesktop : public Desktop {
public:
    int messageBox(const std::string& text, const std::string& title,
                   const MessageKindDescription& kind) override;
    void beep() override;
    std::string openFileDialog(const std::string& title,
                               const std::vector<std::string>& filters) override;
    std::string saveFileDialog(const std::string& title,
                               const std::vector<std::string>& filters) override;
    std::optional<std::size_t> chooseItem(const std::string& title, const std::string& label,
                                          const std::vector<std::string>& items,
                                          std::size_t current) override;
    void openWithDefaultProgram(const std::string& fileOrUri) override;
    void processPendingEvents() override;
    int runAndWait(const std::string& commandLine, int showMode) override;
    std::string executableFolder() override;
    void setClipboardData(const std::string& mimeType, const std::string& bytes) override;
    std::optional<std::string> clipboardData(const std::string& mimeType) override;
    // The system's wave output (waveOut), fed by a thread of its own.
    std::unique_ptr<SoundPlayback> playSound(SoundSamples& samples) override;

private:
    WindowsClipboard clipboard_;
};

}  // namespace murax
