// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/mapped_tape_source.h"

#include <algorithm>

namespace murax::lister {

MappedTapeSource::MappedTapeSource(NativeFile& file, std::uint64_t size) : file_(file), size_(size)
{}

std::string_view MappedTapeSource::bytesAt(std::uint64_t position, std::size_t count)
{
    if (position >= size_ || failed_)
        return {};
    auto wanted = static_cast<std::size_t>(
        std::min<std::uint64_t>(std::min(count, kLargestPiece), size_ - position));
    if (view_ && position >= viewStart_ && position + wanted <= viewStart_ + view_->bytes().size())
        return view_->bytes().substr(static_cast<std::size_t>(position - viewStart_), wanted);
    view_.reset();
    // A file that shrank since its size was taken is mapped only as far as it reaches now: a
    // page mapped past the end of a file cannot be read (the system ends the program that tries).
    size_ = std::min(size_, file_.regularFileSize().value_or(0));
    if (position >= size_)
        return {};
    const auto viewSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(kViewSize, size_ - position));
    view_ = MappedView::of(file_, position, viewSize);
    wanted = std::min(wanted, viewSize);
    if (view_) {
        viewStart_ = position;
        return view_->bytes().substr(0, wanted);
    }
    if (!buffer_)
        buffer_ = std::make_unique<char[]>(kLargestPiece);
    const std::ptrdiff_t got = file_.readAt(position, buffer_.get(), wanted);
    if (got < 0) {
        failed_ = true;
        return {};
    }
    return {buffer_.get(), static_cast<std::size_t>(got)};
}

}  // namespace murax::lister
