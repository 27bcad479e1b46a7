// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lister/mapped_tape_source.h"
#include "support/platform/native_file.h"
#include "tape/format/file_tape_source.h"
#include "tape/tzx/tzx_summary.h"

namespace murax::lister {

// A TZX tape read in passes, each from its start: one that walks its blocks whole before anything
// is written (a malformed tape is refused whole), then those that list, convert or sound it. A
// plain file is read again at each pass, through views mapped one after the other, so a tape of
// any size is read in little memory; a pipe, which can be read only once, is held whole.
class TzxTape {
public:
    // `opened` is the source that found the signature, from the file's start. A pipe's tape is
    // read here; std::bad_alloc when it does not fit in memory.
    TzxTape(NativeFile& file, FileTapeSource& opened);

    // The first pass's findings: counts, the TAP file's size, and the fault of a malformed tape;
    // the pass is made when they are first asked for, unless a pass of the caller's own found
    // them and kept them here.
    const tzx::Summary& summary();
    void keepSummary(const tzx::Summary& summary) { summary_ = summary; }
    std::uint64_t size() const { return size_; }
    // A read failed, in any pass; the file's error() says why.
    bool failed() const;

    // A source of the tape's bytes from its start, for one more pass; valid as long as the tape.
    TapeSource& newPass();

private:
    NativeFile& file_;
    FileTapeSource& opened_;
    // A pipe's tape, where the passes over it find it when the tape has been moved.
    std::unique_ptr<std::string> whole_;
    std::uint64_t size_ = 0;
    std::vector<std::unique_ptr<TapeSource>> passes_;
    std::vector<MappedTapeSource*> filePasses_;
    std::optional<tzx::Summary> summary_;
};

}  // namespace murax::lister
