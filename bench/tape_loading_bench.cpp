// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, lines and joining at sizes far beyond real tapes.

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

#include "bench/bench_support.h"
#include "support/platform/file_io.h"
#include "tape/format/tap_decoding.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"

namespace murax::bench {
namespace {

constexpr std::size_t kOrdinaryTapeBytes = 64u << 20;
constexpr std::size_t kMillion = 1u << 20;  // the 4 MiB file of zero bytes holds 2^20 entries

struct Tapes {
    ScratchFolder folder;
    std::string ordinary = folder.write("ordinary.tap", ordinaryTape(kOrdinaryTapeBytes));
    std::string zeros = folder.write("zeros.tap", zeroTape(kMillion));
};

const Tapes& tapes()
{
    static const auto made = std::make_unique<Tapes>();
    return *made;
}

double secondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The plainest way to get a file into memory: one read() into a string of its size.
std::string readWithOneCall(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    std::string data(static_cast<std::size_t>(::lseek(fd, 0, SEEK_END)), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t got =
            ::pread(fd, data.data() + done, data.size() - done, static_cast<off_t>(done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return data;
}

// Loading a 64 MiB tape next to reading the same file into memory alone, timed in turn in every
// iteration so that both meet the same cache state. The figure is load_over_read.
void LoadOrdinaryTapeVersusReading(benchmark::State& state)
{
    const std::string& path = tapes().ordinary;
    double readSeconds = 0, rawSeconds = 0, loadSeconds = 0;
    std::size_t entries = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        {
            std::string data = readFile(path);
            benchmark::DoNotOptimize(data.data());
        }
        readSeconds += secondsSince(start);

        start = std::chrono::steady_clock::now();
        {
            std::string data = readWithOneCall(path);
            benchmark::DoNotOptimize(data.data());
        }
        rawSeconds += secondsSince(start);

        start = std::chrono::steady_clock::now();
        auto list = std::make_unique<BlockList>();
        ABLOCKS(path, *list);
        const double loaded = secondsSince(start);
        loadSeconds += loaded;
        state.SetIterationTime(loaded);
        entries = list->count();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["read_ms"] = readSeconds / n * 1e3;
    state.counters["one_read_call_ms"] = rawSeconds / n * 1e3;
    state.counters["load_ms"] = loadSeconds / n * 1e3;
    state.counters["load_over_read"] = loadSeconds / readSeconds;
    state.counters["load_over_one_read_call"] = loadSeconds / rawSeconds;
    state.counters["entries"] = static_cast<double>(entries);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kOrdinaryTapeBytes));
    state.SetLabel("target: load_over_read <= 1.5");
}
BENCHMARK(LoadOrdinaryTapeVersusReading)->UseManualTime()->Unit(benchmark::kMillisecond);

// A million entries from 4 MiB of zero bytes, and what they cost in memory while loaded: the bytes
// the heap hands out for them (the resident size would hide memory that earlier benchmarks freed
// and this one reuses).
void LoadMillionEntries(benchmark::State& state)
{
    const std::string& path = tapes().zeros;
    double heapPerEntry = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t heapBefore = heapInUse();
        auto list = std::make_unique<BlockList>();
        state.ResumeTiming();

        ABLOCKS(path, *list);

        state.PauseTiming();
        heapPerEntry = static_cast<double>(heapInUse() - heapBefore) / list->count();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = static_cast<double>(kMillion);
    state.counters["heap_bytes_per_entry"] = heapPerEntry;
    state.SetLabel("target: < 500 ms, <= 150 bytes per entry");
}
BENCHMARK(LoadMillionEntries)->Unit(benchmark::kMillisecond);

const BlockList& millionEntries()
{
    static const auto list = [] {
        auto loaded = std::make_unique<BlockList>();
        ABLOCKS(tapes().zeros, *loaded);
        return loaded;
    }();
    return *list;
}

const BlockList& ordinaryEntries()
{
    static const auto list = [] {
        auto loaded = std::make_unique<BlockList>();
        ABLOCKS(tapes().ordinary, *loaded);
        return loaded;
    }();
    return *list;
}

void BuildAllLines(benchmark::State& state)
{
    const BlockList& list = millionEntries();
    for (auto _ : state) {
        std::vector<std::string> lines;
        lines.reserve(list.count());
        for (const std::string& entry : list.entries())
            lines.push_back(BLKLINE(entry));
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["entries"] = static_cast<double>(list.count());
    state.counters["ns_per_line"] = benchmark::Counter(
        static_cast<double>(list.count()) * 1e-9,
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BuildAllLines)->Unit(benchmark::kMillisecond);

void JoinMillionEntries(benchmark::State& state)
{
    const BlockList& list = millionEntries();
    for (auto _ : state) {
        std::string joined = joinEntries(list);
        benchmark::DoNotOptimize(joined.data());
    }
    state.counters["entries"] = static_cast<double>(list.count());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.count() * 4));
}
BENCHMARK(JoinMillionEntries)->Unit(benchmark::kMillisecond);

void JoinOrdinaryTape(benchmark::State& state)
{
    const BlockList& list = ordinaryEntries();
    for (auto _ : state) {
        std::string joined = joinEntries(list);
        benchmark::DoNotOptimize(joined.data());
    }
    state.counters["entries"] = static_cast<double>(list.count());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kOrdinaryTapeBytes));
}
BENCHMARK(JoinOrdinaryTape)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
