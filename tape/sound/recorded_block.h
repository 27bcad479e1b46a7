// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace murax {

// A block found in a sound recording: its bytes (flag, payload, checksum, as a TAP block holds
// them) and how surely they are the ones recorded.
struct RecordedBlock {
    enum class Speed {
        Standard,  // the ROM's pilot, sync and bit lengths, the tape running up to a tenth off
        Turbo,     // another loader's lengths, measured from the pilot and the bits themselves
    };
    enum class Verdict {
        Ok,              // whole, its checksum right
        ChecksumFailed,  // whole, but the checksum does not match: a bit or more read wrong
        BrokeOff,        // the signal ended before the block did; the bytes read up to there
    };

    std::string bytes;
    double startSeconds = 0;  // where its pilot tone begins in the recording
    Speed speed = Speed::Standard;
    Verdict verdict = Verdict::Ok;
    // ChecksumFailed: the byte (counted from 0) whose bits were read least surely, the likeliest
    // to be wrong, and when it sounded. BrokeOff: the first byte not read whole, and when the
    // signal broke off.
    std::size_t failedByte = 0;
    double failedSeconds = 0;
};

// Something in a recording that looked like the start of a block but gave none: a pilot tone and
// sync with no whole byte after them, or a turbo signal whose bits do not make whole bytes.
struct LeftOutSignal {
    double seconds = 0;
    std::string what;
};

}  // namespace murax
