// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "seam/window.h"

namespace murax {

// The progress of a long task as the window shows it, fed by the task's own reports. As in other
// desktop programs, what ends at once shows no bar: the bar opens once the task has run for a
// moment, or at the first report for a task whose size promises to take longer; after that it
// is moved a few dozen times a second, not at every report.
class PacedProgress {
public:
    // The inputs at least this large show the bar at once.
    static constexpr std::uint64_t kShownAtOnceFrom = 16u << 20;

    PacedProgress(Window& window, std::string title, std::string text, std::uint64_t size);

    // Told that `fraction` (0 to 1) is done; false once Cancel has been pressed.
    bool operator()(double fraction);
    // Closes the bar, if it opened, before what follows the task is shown.
    void close() { bar_.reset(); }

private:
    using Clock = std::chrono::steady_clock;

    Window& window_;
    std::string title_, text_;
    Clock::time_point started_ = Clock::now();
    Clock::time_point shown_{};
    bool atOnce_;
    std::unique_ptr<ProgressBar> bar_;
};

}  // namespace murax
