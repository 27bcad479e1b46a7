// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "support/platform/native_file.h"
#include "tape/format/tape_source.h"

namespace murax {

// A tape file as a source of bytes, read through a buffer of fixed size. A plain file is read at
// the positions asked for, so the bytes skipped between them are never read; a pipe is read
// through and the skipped bytes dropped.
class FileTapeSource final : public TapeSource {
public:
    static constexpr std::size_t kCapacity = 1 << 16;

    explicit FileTapeSource(NativeFile& file);
    std::string_view bytesAt(std::uint64_t position, std::size_t count) override;

    bool failed() const { return failed_; }  // a read failed; the file's error() says why

private:
    bool fill(std::size_t wanted);  // appends to the buffer; false at the end or on an error

    NativeFile& file_;
    std::unique_ptr<char[]> buffer_;
    std::uint64_t start_ = 0;  // the file offset of buffer_[0]
    std::size_t held_ = 0;
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace murax
