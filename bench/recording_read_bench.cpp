// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings of a tape read back into blocks. For each kind of wear a cassette and sound card put
// on a recording, alone and all together (tests/support/helpers/worn_recording.h), the share of
// the tape's blocks read back byte for byte by Murax and, beside it, by fuse-emulator-utils'
// audio2tape (its TZX tape made a TAP file by tapeconv); the targets are printed with them. Then
// an hour of 44.1 kHz 16-bit mono read, streamed, with the memory it takes, by the decoder alone
// and from a file through the window's intake.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "bench/bench_support.h"
#include "seam/app_context.h"
#include "tape/commands/tape_file_reading.h"
#include "tape/sound/recording_reader.h"
#include "tape/sound/tape_sound.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/fakes/fake_window.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/support/helpers/worn_recording.h"

namespace murax::bench {
namespace {

using testing::Wear;

// Reading at least this share of all the worn set's blocks, and on no kind of wear fewer than
// audio2tape, is the target.
constexpr double kTargetShare = 0.95;

// A tape as people saved them: programs and code, each a header and its data, of a few dozen
// bytes to a screen's worth, and a few lone data blocks, the bytes drawn from a fixed seed.
std::vector<std::string> testTape()
{
    std::mt19937 random(1982);
    std::vector<std::string> blocks;
    const auto payload = [&](std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() & 0xFF);
        return bytes;
    };
    for (int i = 0; i < 8; ++i) {
        const std::size_t size = 40 + random() % 2400;
        const unsigned type = i % 2 == 0 ? 0 : 3;
        blocks.push_back(
            testing::headerBlock(type, "part " + std::to_string(i), size, 10, 32768).substr(2));
        blocks.push_back(testing::dataBlock(payload(size)).substr(2));
        if (i % 3 == 2)
            blocks.push_back(testing::dataBlock(payload(100 + random() % 600), 0x80).substr(2));
    }
    return blocks;
}

const std::vector<std::string>& tapeBlocks()
{
    static const std::vector<std::string> blocks = testTape();
    return blocks;
}

// How many of the tape's blocks, in order, are among those read, byte for byte.
std::size_t blocksReadExactly(const std::vector<std::string>& read)
{
    std::size_t found = 0, next = 0;
    for (const std::string& block : tapeBlocks()) {
        for (std::size_t i = next; i < read.size(); ++i)
            if (read[i] == block) {
                ++found;
                next = i + 1;
                break;
            }
    }
    return found;
}

std::vector<std::string> blocksOfTap(const std::string& tap)
{
    std::vector<std::string> blocks;
    for (std::size_t at = 0; at + 2 <= tap.size();) {
        const std::size_t size =
            static_cast<unsigned char>(tap[at]) + 256u * static_cast<unsigned char>(tap[at + 1]);
        blocks.push_back(tap.substr(at + 2, size));
        at += 2 + size;
    }
    return blocks;
}

// audio2tape's and tapeconv's reading of the file; nothing when either failed outright.
std::vector<std::string> audio2tapeBlocks(const ScratchFolder& folder, const std::string& wav)
{
    const std::string tzx = folder.path("read.tzx"), tap = folder.path("read.tap");
    std::remove(tap.c_str());
    const std::string command = "audio2tape '" + wav + "' '" + tzx +
                                "' >/dev/null 2>&1 && tapeconv '" + tzx + "' '" + tap +
                                "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream in(tap, std::ios::binary);
    return blocksOfTap(std::string(std::istreambuf_iterator<char>(in), {}));
}

std::vector<std::string> muraxBlocks(const std::string& wav)
{
    MemoryTapeSource source(wav);
    std::vector<std::string> blocks;
    for (RecordedBlock& block : readWholeRecording(source, wav.size()).blocks)
        blocks.push_back(std::move(block.bytes));
    return blocks;
}

struct Shares {
    std::size_t murax = 0, audio2tape = 0, blocks = 0;
};

Shares& allKinds()
{
    static Shares shares;
    return shares;
}

void WornRecordingReadBack(benchmark::State& state)
{
    const Wear wear = testing::everyWear().at(static_cast<std::size_t>(state.range(0)));
    const std::vector<std::string_view> blocks(tapeBlocks().begin(), tapeBlocks().end());
    const std::string wav =
        testing::wornRecording(blocks, wear, 4000 + static_cast<std::uint32_t>(state.range(0)));
    std::size_t murax = 0;
    for (auto _ : state)
        murax = blocksReadExactly(muraxBlocks(wav));
    const ScratchFolder folder;
    const std::size_t audio2tape =
        blocksReadExactly(audio2tapeBlocks(folder, folder.write("worn.wav", wav)));
    const auto share = [&](std::size_t n) {
        return static_cast<double>(n) / static_cast<double>(blocks.size());
    };
    state.counters["murax"] = share(murax);
    state.counters["audio2tape"] = share(audio2tape);
    state.counters["blocks"] = static_cast<double>(blocks.size());
    MemoryTapeSource header(wav);
    if (const auto layout = readWavLayout(header, wav.size());
        std::holds_alternative<WavLayout>(layout))
        state.counters["seconds"] = std::get<WavLayout>(layout).seconds();
    state.SetLabel(testing::wearName(wear) + (murax >= audio2tape
                                                  ? "; not fewer than audio2tape: met"
                                                  : "; not fewer than audio2tape: MISSED"));
    if (state.range(0) != 0) {
        allKinds().murax += murax;
        allKinds().audio2tape += audio2tape;
        allKinds().blocks += blocks.size();
    }
}
BENCHMARK(WornRecordingReadBack)
    ->DenseRange(0, static_cast<int>(testing::everyWear().size()) - 1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The worn kinds together, from the runs above.
void WornRecordingsInAll(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(allKinds().blocks);
    const Shares& all = allKinds();
    if (all.blocks == 0) {
        state.SkipWithError("run it with the worn recordings (WornRecordingReadBack) before it");
        return;
    }
    const double murax = static_cast<double>(all.murax) / static_cast<double>(all.blocks);
    state.counters["murax"] = murax;
    state.counters["audio2tape"] =
        static_cast<double>(all.audio2tape) / static_cast<double>(all.blocks);
    state.counters["blocks"] = static_cast<double>(all.blocks);
    state.SetLabel(murax >= kTargetShare ? "target >= 95% of all blocks: met"
                                         : "target >= 95% of all blocks: MISSED");
}
BENCHMARK(WornRecordingsInAll)->Iterations(1);

// An hour of 44.1 kHz 16-bit mono: a minute of a tape's sound over and over, made once and
// handed out by a source that never holds more than that minute.
class HourOfRecording final : public TapeSource {
public:
    static constexpr int kMinutes = 60;

    HourOfRecording()
    {
        std::vector<std::string> bytes;
        std::vector<std::string_view> blocks;
        std::mt19937 random(7);
        while (tapeSoundDuration(blocks) < 60ull * 3'500'000) {
            std::string block(1 + random() % 3000, '\xFF');
            for (char& c : block)
                c = static_cast<char>(random() & 0xFF);
            block[0] = '\xFF';
            bytes.push_back(testing::withChecksum(block));
            blocks.assign(bytes.begin(), bytes.end());
        }
        blocksPerMinute_ = blocks.size();
        tapSoundFile(blocks);
    }

    std::string_view bytesAt(std::uint64_t position, std::size_t count) override
    {
        if (position < kHeader)
            return std::string_view(header_).substr(static_cast<std::size_t>(position), count);
        const std::uint64_t at = (position - kHeader) % minute_.size();
        if (position - kHeader >= kMinutes * minute_.size())
            return {};
        return std::string_view(minute_).substr(static_cast<std::size_t>(at), count);
    }
    std::uint64_t size() const { return kHeader + kMinutes * minute_.size(); }
    std::size_t blocks() const { return kMinutes * blocksPerMinute_; }
    const std::string& minuteFile() const { return minuteFile_; }

private:
    static constexpr std::size_t kHeader = 44;

    void tapSoundFile(const std::vector<std::string_view>& blocks)
    {
        tapeSoundFile(blocks, {44100, 16})->writeTo([this](std::string_view piece) {
            minuteFile_ += piece;
            return true;
        });
        minute_ = minuteFile_.substr(kHeader);
        header_ = minuteFile_.substr(0, kHeader);
        const auto data = static_cast<std::uint32_t>(kMinutes * minute_.size());
        for (int i = 0; i < 4; ++i) {
            header_[40 + i] = static_cast<char>((data >> (8 * i)) & 0xFF);
            header_[4 + i] = static_cast<char>(((data + 36) >> (8 * i)) & 0xFF);
        }
    }

    std::string minuteFile_, minute_, header_;
    std::size_t blocksPerMinute_ = 0;
};

// The processor time of the child processes that have ended, in seconds.
double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

HourOfRecording& theHour()
{
    static HourOfRecording hour;
    return hour;
}

void HourOfRecordingRead(benchmark::State& state)
{
    HourOfRecording& source = theHour();
    std::size_t blocks = 0, heapPeak = 0;
    double cpuSeconds = 0;
    resetResidentPeak();
    for (auto _ : state) {
        blocks = 0;
        const std::size_t before = heapInUse();
        const std::clock_t start = std::clock();
        readRecording(
            source, source.size(),
            [&](RecordedBlock&& block) { blocks += block.verdict == RecordedBlock::Verdict::Ok; },
            [](LeftOutSignal&&) {},
            [&](double) {
                heapPeak = std::max(heapPeak, heapInUse() - std::min(heapInUse(), before));
                return true;
            });
        cpuSeconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    if (blocks != source.blocks())
        state.SkipWithError("the hour's blocks were not all read");
    state.counters["blocks"] = static_cast<double>(blocks);
    state.counters["heap_MiB"] = static_cast<double>(heapPeak) / (1 << 20);
    // The process's peak holds the minute of sound the source repeats, too.
    state.counters["resident_peak_MiB"] = static_cast<double>(residentPeak()) / (1 << 20);
    state.counters["cpu_s"] = cpuSeconds;
    state.SetLabel(std::string("target < 5 s of one core's time, a few MiB: ") +
                   (cpuSeconds < 5 && heapPeak < 8 << 20 ? "met" : "MISSED"));

    // audio2tape (and tapeconv) on one minute of the same sound: their processor time, scaled to
    // the hour.
    const ScratchFolder folder;
    const std::string wav = folder.write("minute.wav", source.minuteFile());
    const double before = childrenCpuSeconds();
    audio2tapeBlocks(folder, wav);
    state.counters["audio2tape_cpu_s_per_hour"] =
        (childrenCpuSeconds() - before) * HourOfRecording::kMinutes;
}
BENCHMARK(HourOfRecordingRead)->Unit(benchmark::kMillisecond)->Iterations(1);

// The hour as Add and a drop take it in, from a file through the window's intake: how much the
// process grows by, the reading and the TAP bytes kept for the list together.
void HourOfRecordingTakenIn(benchmark::State& state)
{
    HourOfRecording& hour = theHour();
    const ScratchFolder folder;
    const std::string path = folder.path("hour.wav");
    std::ofstream file(path, std::ios::binary);
    std::string_view piece;
    for (std::uint64_t at = 0; !(piece = hour.bytesAt(at, 1 << 20)).empty(); at += piece.size())
        file.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    file.close();
    testing::FakeDesktop desktop;
    AppContext app{desktop};
    testing::FakeWindow window(app);
    std::size_t entries = 0;
    const std::size_t before = residentNow();
    resetResidentPeak();
    for (auto _ : state) {
        EntryIntake intake;
        FileConversion conversion(window);
        takeTapeFile(app, intake, path, &conversion);
        entries = intake.entryCount();
    }
    if (entries == 0)
        state.SkipWithError("the hour was not taken in");
    const std::size_t growth = residentPeak() - std::min(residentPeak(), before);
    state.counters["file_MiB"] = static_cast<double>(hour.size()) / (1 << 20);
    state.counters["resident_growth_MiB"] = static_cast<double>(growth) / (1 << 20);
    state.SetLabel(std::string("target a few MiB, whatever the length: ") +
                   (growth < 8 << 20 ? "met" : "MISSED"));
}
BENCHMARK(HourOfRecordingTakenIn)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
