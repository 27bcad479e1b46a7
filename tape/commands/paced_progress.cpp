// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/paced_progress.h"

#include <utility>

namespace murax {
namespace {

constexpr std::chrono::milliseconds kShownAfter{400};
// Each move of the bar dispatches the window's events; a few dozen a second keep it smooth.
constexpr std::chrono::milliseconds kMovedEvery{40};

}  // namespace

PacedProgress::PacedProgress(Window& window, std::string title, std::string text,
                             std::uint64_t size)
    : window_(window),
      title_(std::move(title)),
      text_(std::move(text)),
      atOnce_(size >= kShownAtOnceFrom)
{}

bool PacedProgress::operator()(double fraction)
{
    const Clock::time_point now = Clock::now();
    if (!bar_) {
        if (!atOnce_ && now - started_ < kShownAfter)
            return true;
        bar_ = window_.openProgressBar(title_, text_);
    } else if (now - shown_ < kMovedEvery) {
        return true;
    }
    shown_ = now;
    return bar_->advance(fraction);
}

}  // namespace murax
