// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/format/file_tape_source.h"

#include <algorithm>
#include <cstring>

namespace murax {
namespace {

// After a jump the next bytes wanted are a few header bytes: reading little there is what keeps
// a listing from reading the data it skips.
constexpr std::size_t kAfterJump = 512;
// A short gap is read through instead: one read call costs about as much as copying this many
// bytes more, so reading the blocks of an ordinary tape in large pieces beats a call per entry.
constexpr std::uint64_t kLongestGapReadThrough = 32 << 10;

}  // namespace

FileTapeSource::FileTapeSource(NativeFile& file)
    : file_(file), buffer_(std::make_unique<char[]>(kCapacity))
{}

bool FileTapeSource::fill(std::size_t wanted)
{
    if (ended_ || failed_)
        return false;
    const std::size_t room = std::min(wanted, kCapacity - held_);
    if (room == 0)
        return false;
    char* const into = buffer_.get() + held_;
    const std::ptrdiff_t got =
        file_.seekable() ? file_.readAt(start_ + held_, into, room) : file_.read(into, room);
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
    if (position < start_)
        return {};  // sources are read forwards only
    bool jumped = false;
    if (position >= start_ + held_) {
        // Past the buffer: go there directly over a long gap in a plain file, or read through in
        // whole pieces, keeping what lies past the position.
        jumped = file_.seekable() && position - (start_ + held_) > kLongestGapReadThrough;
        if (jumped) {
            start_ = position;
            held_ = 0;
        }
        while (!jumped && position >= start_ + held_) {
            start_ += held_;
            held_ = 0;
            if (!fill(kCapacity))
                return {};
        }
    }
    std::size_t offset = static_cast<std::size_t>(position - start_);
    if (held_ - offset < count && offset > 0) {
        // Keep the bytes from the position on at the front, so the buffer's room is for new ones.
        std::memmove(buffer_.get(), buffer_.get() + offset, held_ - offset);
        held_ -= offset;
        start_ = position;
        offset = 0;
    }
    while (held_ - offset < count) {
        const std::size_t missing = count - (held_ - offset);
        if (!fill(jumped ? std::max(missing, kAfterJump) : kCapacity))
            break;
    }
    return std::string_view(buffer_.get() + offset, held_ - offset).substr(0, count);
}

}  // namespace murax
