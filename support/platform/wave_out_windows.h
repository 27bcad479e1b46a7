// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace murax {

// The system's wave output playing mono PCM (8-bit unsigned or 16-bit signed), whose samples a
// thread of its own pulls from `fill` a few buffers ahead of what is heard. Destroying it
// silences the output at once.
class WaveOut {
public:
    // Copies the next samples into `out`, at most `bytes`; 0 once they have run out.
    using Fill = std::function<std::size_t(char* out, std::size_t bytes)>;

    // Opens the output and starts playing; nothing when there is no output device or it takes
    // no such sound.
    static std::unique_ptr<WaveOut> open(std::uint32_t sampleRate, std::uint32_t bitsPerSample,
                                         Fill fill);
    ~WaveOut();
    WaveOut(const WaveOut&) = delete;
    WaveOut& operator=(const WaveOut&) = delete;

    // How many samples the device has played.
    std::uint64_t playedSamples() const;
    // True once every sample has been played, or the device has failed.
    bool ended() const { return ended_; }
    // Once ended: why the device failed, in the system's words, when it did.
    std::optional<std::string> failure() const;

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<char> bytes;
        bool queued = false;
    };

    WaveOut(HWAVEOUT device, HANDLE done, std::uint32_t bytesPerSample, Fill fill);
    void feed();
    // Fills the buffer and sends it to the device: false once the samples have run out, or the
    // device failed.
    bool queue(Buffer& buffer);
    // Whether `result` is a failure, which it then keeps (the first only) for failure().
    bool failed(MMRESULT result);

    HWAVEOUT device_;
    HANDLE done_;
    std::uint32_t bytesPerSample_;
    Fill fill_;
    std::vector<Buffer> buffers_;
    mutable std::atomic<std::uint64_t> lastPlayed_{0};
    std::atomic<bool> stopping_{false};
    // The feeder thread writes the failure before it sets ended_, and nothing reads it before.
    std::optional<std::string> failure_;
    std::atomic<bool> ended_{false};
    std::thread feeder_;
};

}  // namespace murax
