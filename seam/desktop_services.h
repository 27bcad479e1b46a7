// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "seam/message_kind.h"
#include "seam/sound_output.h"

namespace murax {

// What the program needs from the desktop it runs on. The Qt implementation lives in qt/; tests
// install a scripted fake.
inline constexpr const char* kTapeFilesFilter = "TAP files (*.tap)";

class Desktop {
public:
    virtual ~Desktop() = default;

    // Button numbers a message box answers with.
    static constexpr int Ok = 1, Cancel = 2, Yes = 6, No = 7;

    // Shows a modal message box of `kind` (see POPMSG), owned by the active window, and returns
    // the button chosen. `text` is UTF-8 with "\r\n" line breaks.
    virtual int messageBox(const std::string& text, const std::string& title,
                           const MessageKindDescription& kind) = 0;
    virtual void beep() = 0;  // 880 Hz for 55 ms where the platform can
    // The open and save dialogs, starting in the current directory, no overwrite warning, no
    // default suffix, a missing file accepted. Empty when cancelled. Each offers the name filters
    // given (kTapeFilesFilter, "Text (*.txt)"), the first one chosen.
    virtual std::string openFileDialog(const std::string& title,
                                       const std::vector<std::string>& filters) = 0;
    virtual std::string saveFileDialog(const std::string& title,
                                       const std::vector<std::string>& filters) = 0;
    // A modal choice of one of `items`, shown under `label` with `current` chosen at first: the
    // position of the item chosen, nothing when cancelled.
    virtual std::optional<std::size_t> chooseItem(const std::string& title,
                                                  const std::string& label,
                                                  const std::vector<std::string>& items,
                                                  std::size_t current) = 0;
    // Opens a file or a URI with the desktop's default program; does not wait, reports nothing.
    virtual void openWithDefaultProgram(const std::string& fileOrUri) = 0;
    // Dispatches the pending window events once.
    virtual void processPendingEvents() = 0;
    // Starts the command line (split by the platform's rules, no shell) and waits for it,
    // dispatching events every 2 ms. The exit code (above 128 for a program that crashed), or
    // NotStarted when it cannot be started.
    static constexpr int NotStarted = -1;
    virtual int runAndWait(const std::string& commandLine, int showMode) = 0;
    // The folder of the running executable, with its trailing separator.
    virtual std::string executableFolder() = 0;
    // The clipboard: `bytes` put there as data of `mimeType`, replacing what it held; and its
    // data of `mimeType`, nothing when it holds none of that type.
    virtual void setClipboardData(const std::string& mimeType, const std::string& bytes) = 0;
    virtual std::optional<std::string> clipboardData(const std::string& mimeType) = 0;
    // How much more memory the program can be given now (see memoryHeadroom); a command that
    // would need more is refused before it begins.
    virtual std::uint64_t memoryHeadroom();
    // Starts playing `samples` (which must outlive what is returned) on the system's sound
    // output; nothing when there is no sound device to play them on.
    virtual std::unique_ptr<SoundPlayback> playSound(SoundSamples& samples) = 0;
};

}  // namespace murax
