// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/sound/tape_sound_stream.h"

#include <algorithm>
#include <cstring>

#include "tape/sound/tape_sound.h"

namespace murax {

TapeSoundStream::TapeSoundStream(std::vector<std::string> blocks, const SoundFormat& format)
    : blocks_(std::move(blocks)),
      views_(blocks_.begin(), blocks_.end()),
      format_(format),
      duration_(tapeSoundDuration(views_)),
      totalSamples_(samplesBefore(duration_, format.sampleRate)),
      keep_([this](std::string_view piece) {
          made_.append(piece);
          return true;
      }),
      edges_(views_),
      wave_(format_, keep_)
{}

bool TapeSoundStream::makeMore()
{
    if (finished_)
        return false;
    if (const std::optional<std::uint64_t> edge = edges_.next()) {
        wave_.holdUntil(*edge);
        wave_.toggle();
    } else {
        wave_.holdUntil(duration_);
        wave_.finish();
        finished_ = true;
    }
    return true;
}

std::size_t TapeSoundStream::read(char* out, std::size_t bytes)
{
    bytes -= bytes % format_.bytesPerSample();
    while (made_.size() - taken_ < bytes && makeMore()) {
    }
    const std::size_t given = std::min(bytes, made_.size() - taken_);
    std::memcpy(out, made_.data() + taken_, given);
    taken_ += given;
    // What was read goes once it is most of what is kept, so the copying stays small.
    if (taken_ > made_.size() / 2) {
        made_.erase(0, taken_);
        taken_ = 0;
    }
    return given;
}

}  // namespace murax
