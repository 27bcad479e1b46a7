// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_sound_output.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

namespace murax {
namespace {

// The samples as the sink pulls them: read-only, sequential, at its end once they run out.
class SamplesDevice : public QIODevice {
public:
    explicit SamplesDevice(SoundSamples& samples) : samples_(samples) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return exhausted_; }
    bool exhausted() const { return exhausted_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (exhausted_ || maxSize <= 0)
            return 0;
        const std::size_t given = samples_.read(data, static_cast<std::size_t>(maxSize));
        exhausted_ = given == 0;
        return static_cast<qint64>(given);
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    SoundSamples& samples_;
    bool exhausted_ = false;
};

class QtPlayback : public SoundPlayback {
public:
    QtPlayback(SoundSamples& samples, const QAudioDevice& output, const QAudioFormat& format)
        : device_(samples), sink_(output, format), sampleRate_(samples.sampleRate())
    {
        sink_.start(&device_);
    }
    ~QtPlayback() override { sink_.stop(); }

    bool started() const { return sink_.error() == QAudio::NoError; }

    std::uint64_t playedSamples() const override
    {
        return static_cast<std::uint64_t>(sink_.processedUSecs()) * sampleRate_ / 1'000'000;
    }
    bool ended() const override
    {
        const QAudio::State state = sink_.state();
        if (state == QAudio::StoppedState)
            return true;
        return device_.exhausted() && state != QAudio::ActiveState;
    }
    // Stopped (only the card stops itself) before every sample was taken, or with an error other
    // than an underrun, which only means it waited for samples. Qt only names the kind of error,
    // without the system's words.
    std::optional<std::string> failure() const override
    {
        const QAudio::Error error = sink_.error();
        const bool failed = error != QAudio::NoError && error != QAudio::UnderrunError;
        if (sink_.state() != QAudio::StoppedState || (!failed && device_.exhausted()))
            return std::nullopt;
        return std::string();
    }

private:
    SamplesDevice device_;
    QAudioSink sink_;
    std::uint32_t sampleRate_;
};

}  // namespace

std::unique_ptr<SoundPlayback> playOnDefaultOutput(SoundSamples& samples)
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return nullptr;
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(samples.sampleRate()));
    format.setChannelCount(1);
    format.setSampleFormat(samples.bitsPerSample() == 8 ? QAudioFormat::UInt8
                                                        : QAudioFormat::Int16);
    if (!output.isFormatSupported(format))
        return nullptr;
    auto playback = std::make_unique<QtPlayback>(samples, output, format);
    if (!playback->started())
        return nullptr;
    return playback;
}

}  // namespace murax
