// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "support/platform/mapped_view.h"
#include "support/platform/native_file.h"
#include "tape/format/tape_source.h"

namespace murax::lister {

// A plain file of `size` bytes as a source of bytes, read through views of it mapped one after the
// other: a pass that reads a few bytes here and there costs no copy of what lies between, so a
// tape can be walked several times for little more than one read of it. Where a view cannot be
// mapped, the bytes asked for are read into a buffer instead. A file that shrinks while it is read
// ends sooner; one that shrinks while a view of it is read, or a disk that fails under a view, is
// not caught (the system ends the program on such a page, as for any mapped file).
class MappedTapeSource final : public TapeSource {
public:
    static constexpr std::size_t kLargestPiece = 1 << 16;
    static constexpr std::size_t kViewSize = 1 << 20;

    MappedTapeSource(NativeFile& file, std::uint64_t size);
    std::string_view bytesAt(std::uint64_t position, std::size_t count) override;

    bool failed() const { return failed_; }  // a read failed; the file's error() says why

private:
    NativeFile& file_;
    std::uint64_t size_;
    std::optional<MappedView> view_;
    std::uint64_t viewStart_ = 0;
    std::unique_ptr<char[]> buffer_;  // where a view could not be mapped
    bool failed_ = false;
};

}  // namespace murax::lister
