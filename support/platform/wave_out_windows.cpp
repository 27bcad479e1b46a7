// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/platform/wave_out_windows.h"

#include <algorithm>

#include "support/platform/wide_text_windows.h"

namespace murax {
namespace {

// Four buffers of a fifth of a second or so: enough ahead for a busy machine, little to wait
// for when the sound stops.
constexpr std::size_t kBuffers = 4;
constexpr std::size_t kSamplesPerBuffer = 8192;
constexpr DWORD kWaitMilliseconds = 50;

}  // namespace

std::unique_ptr<WaveOut> WaveOut::open(std::uint32_t sampleRate, std::uint32_t bitsPerSample,
                                       Fill fill)
{
    if (waveOutGetNumDevs() == 0)
        return nullptr;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = sampleRate;
    format.wBitsPerSample = static_cast<WORD>(bitsPerSample);
    format.nBlockAlign = static_cast<WORD>(bitsPerSample / 8);
    format.nAvgBytesPerSec = sampleRate * format.nBlockAlign;
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (done == nullptr)
        return nullptr;
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        CloseHandle(done);
        return nullptr;
    }
    return std::unique_ptr<WaveOut>(new WaveOut(device, done, format.nBlockAlign, std::move(fill)));
}

WaveOut::WaveOut(HWAVEOUT device, HANDLE done, std::uint32_t bytesPerSample, Fill fill)
    : device_(device),
      done_(done),
      bytesPerSample_(bytesPerSample),
      fill_(std::move(fill)),
      buffers_(kBuffers)
{
    for (Buffer& buffer : buffers_)
        buffer.bytes.resize(kSamplesPerBuffer * bytesPerSample_);
    feeder_ = std::thread([this] { feed(); });
}

WaveOut::~WaveOut()
{
    stopping_ = true;
    SetEvent(done_);
    feeder_.join();
    waveOutReset(device_);
    for (Buffer& buffer : buffers_)
        if (buffer.queued)
            waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
    waveOutClose(device_);
    CloseHandle(done_);
}

std::optional<std::string> WaveOut::failure() const
{
    return ended_ ? failure_ : std::nullopt;
}

bool WaveOut::failed(MMRESULT result)
{
    if (result == MMSYSERR_NOERROR)
        return false;
    if (!failure_) {
        wchar_t text[MAXERRORLENGTH] = {};
        waveOutGetErrorTextW(result, text, MAXERRORLENGTH);
        failure_ = utf8Text(text);
    }
    return true;
}

std::uint64_t WaveOut::playedSamples() const
{
    // A device that has failed no longer says: where it was when it last did is where it stopped.
    MMTIME time{};
    time.wType = TIME_SAMPLES;
    if (waveOutGetPosition(device_, &time, sizeof time) != MMSYSERR_NOERROR)
        return lastPlayed_;
    if (time.wType == TIME_BYTES)
        lastPlayed_ = time.u.cb / bytesPerSample_;
    else if (time.wType == TIME_SAMPLES)
        lastPlayed_ = time.u.sample;
    return lastPlayed_;
}

bool WaveOut::queue(Buffer& buffer)
{
    const std::size_t given = fill_(buffer.bytes.data(), buffer.bytes.size());
    if (given == 0)
        return false;
    buffer.header = WAVEHDR{};
    buffer.header.lpData = buffer.bytes.data();
    buffer.header.dwBufferLength = static_cast<DWORD>(given);
    if (failed(waveOutPrepareHeader(device_, &buffer.header, sizeof buffer.header)))
        return false;
    if (failed(waveOutWrite(device_, &buffer.header, sizeof buffer.header))) {
        waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
        return false;
    }
    buffer.queued = true;
    return true;
}

void WaveOut::feed()
{
    bool exhausted = false;
    for (Buffer& buffer : buffers_)
        exhausted = exhausted || !queue(buffer);
    while (!stopping_) {
        WaitForSingleObject(done_, kWaitMilliseconds);
        // A device that went away may never hand the buffers back; asking where it is tells.
        MMTIME time{};
        time.wType = TIME_BYTES;
        if (failure_ || failed(waveOutGetPosition(device_, &time, sizeof time))) {
            ended_ = true;
            return;
        }
        for (Buffer& buffer : buffers_) {
            if (!buffer.queued || (buffer.header.dwFlags & WHDR_DONE) == 0)
                continue;
            waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
            buffer.queued = false;
            exhausted = exhausted || stopping_ || !queue(buffer);
        }
        if (exhausted && std::none_of(buffers_.begin(), buffers_.end(),
                                      [](const Buffer& buffer) { return buffer.queued; })) {
            ended_ = true;
            return;
        }
    }
}

}  // namespace murax
