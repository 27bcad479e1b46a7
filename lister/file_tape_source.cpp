// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/file_tape_source.h"

#include <algorithm>
#include <cstring>

namespace murax::lister {
namespace {

// After a jump the next bytes wanted are a few header bytes: reading little there is what keeps
// a listing from reading the data it skips.
constexpr std::size_t kAfterJump = 512;

}  // namespace

FileTapeSource::FileTapeSource(InputFile& file)
    : file_(file), buffer_(std::make_unique<char[]>(kCapacity))
{
}

bool FileTapeSource::fill(std::size_t wanted)
{
    if (ended_ || failed_)
        return false;
    const std::size_t room = std::min(wanted, kCapacity - held_);
    if (room == 0)
        return false;
    char* const into = buffer_.get() + held_;
    const std::ptrdiff_t got = file_.seekable() ? file_.readAt(start_ + held_, into, room)
                                                : file_.read(into, room);
    if (got < 0)
        failed_ = true;
    if (got <= 0) {
        ended_ = got == 0;
        return false;
    }
    held_ += static_cast<std::size_t>(got);
    return true;
}

std::string_view FileTapeSource::bytesAt(std::uint64_t position, std::size_t count)
{
    count = std::min(count, kCapacity);
    bool jumped = false;
    if (position < start_)
        return {};  // sources are read forwards only
    if (position >= start_ + held_) {
        // Past the buffer: drop it, and reach the position directly or, on a pipe, by reading.
        jumped = position > start_ + held_ && file_.seekable();
        start_ += held_;
        held_ = 0;
        if (file_.seekable())
            start_ = position;
        while (start_ < position) {
            if (!fill(static_cast<std::size_t>(std::min<std::uint64_t>(kCapacity, position - start_))))
                return {};
            start_ += held_;
            held_ = 0;
        }
    } else if (held_ - (position - start_) < count) {
        // Keep the bytes from the position on at the front, so the buffer's room is for new ones.
        const std::size_t skip = static_cast<std::size_t>(position - start_);
        std::memmove(buffer_.get(), buffer_.get() + skip, held_ - skip);
        held_ -= skip;
        start_ = position;
    }
    const std::size_t offset = static_cast<std::size_t>(position - start_);
    while (held_ - offset < count) {
        const std::size_t missing = count - (held_ - offset);
        if (!fill(jumped ? std::max(missing, kAfterJump) : kCapacity))
            break;
    }
    return std::string_view(buffer_.get() + offset, held_ - offset).substr(0, count);
}

}  // namespace murax::lister
