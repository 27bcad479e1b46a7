// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An hour of a tape's sound: made and handed out in pieces, and written to a file through the
// replacing write, with the heap the writing takes besides the tape.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "support/platform/replacing_write.h"
#include "tape/sound/loader_timing.h"
#include "tape/sound/tape_sound.h"

namespace murax::bench {
namespace {

constexpr std::uint64_t kHour = 3600 * kSpectrumClockHz;

// Blocks of 65535 bytes of mixed bits, as many as an hour of sound takes.
struct HourOfTape {
    std::vector<std::string> bytes;
    std::vector<std::string_view> blocks;

    HourOfTape()
    {
        std::uint32_t x = 1;
        while (tapeSoundDuration(blocks) < kHour) {
            std::string block(65535, '\xFF');
            for (std::size_t i = 1; i < block.size(); ++i) {
                x = x * 1103515245 + 12345;
                block[i] = static_cast<char>(x >> 16);
            }
            bytes.push_back(std::move(block));
            blocks.assign(bytes.begin(), bytes.end());
        }
    }
};

const HourOfTape& hourOfTape()
{
    static const HourOfTape tape;
    return tape;
}

SoundFormat formatOf(const benchmark::State& state)
{
    return {static_cast<std::uint32_t>(state.range(0)), static_cast<std::uint32_t>(state.range(1))};
}

void setCounters(benchmark::State& state, std::uint64_t bytes, std::size_t heapGrowth)
{
    const double minutes = static_cast<double>(tapeSoundDuration(hourOfTape().blocks)) /
                           static_cast<double>(60 * kSpectrumClockHz);
    state.counters["minutes"] = minutes;
    state.counters["wav_MiB"] = static_cast<double>(bytes) / (1 << 20);
    state.counters["heap_MiB"] = static_cast<double>(heapGrowth) / (1 << 20);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// The sound made and handed to a sink that keeps nothing: the work of making it alone.
void SoundOfAnHourMade(benchmark::State& state)
{
    const HourOfTape& tape = hourOfTape();
    const SoundFormat format = formatOf(state);
    std::uint64_t bytes = 0;
    std::size_t heapGrowth = 0;
    for (auto _ : state) {
        bytes = 0;
        const std::size_t before = heapInUse();
        const auto parts = tapeSoundFile(tape.blocks, format);
        const bool written = parts && parts->writeTo([&](std::string_view piece) {
            bytes += piece.size();
            heapGrowth = std::max(heapGrowth, heapInUse() - std::min(heapInUse(), before));
            benchmark::DoNotOptimize(piece.data());
            return true;
        });
        if (!written)
            state.SkipWithError("the sound was not made");
    }
    setCounters(state, bytes, heapGrowth);
}
BENCHMARK(SoundOfAnHourMade)
    ->Args({44100, 16})
    ->Args({48000, 16})
    ->Args({22050, 8})
    ->Unit(benchmark::kMillisecond);

// The same written to a file in the temporary folder, flushed to disk and put in place.
void SoundOfAnHourWritten(benchmark::State& state)
{
    const HourOfTape& tape = hourOfTape();
    const ScratchFolder folder;
    const std::string target = folder.path("hour.wav");
    const SoundFormat format = formatOf(state);
    std::size_t heapGrowth = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        const auto parts = tapeSoundFile(tape.blocks, format);
        const ByteParts watched([&](const ByteParts::Sink& sink) {
            return parts->writeTo([&](std::string_view piece) {
                heapGrowth = std::max(heapGrowth, heapInUse() - std::min(heapInUse(), before));
                return sink(piece);
            });
        });
        if (!parts || replaceFileContents(target, watched, LinksInTheWay::Follow))
            state.SkipWithError("the sound was not written");
    }
    setCounters(state, std::filesystem::file_size(target) - 44, heapGrowth);
}
BENCHMARK(SoundOfAnHourWritten)->Args({44100, 16})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
