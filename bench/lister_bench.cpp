// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list's path on a tape of a million entries: read the file, split it, write every line.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

#include "bench/bench_support.h"
#include "lister/tape_listing.h"
#include "lister/whole_file_reader.h"

namespace murax::bench {
namespace {

constexpr std::size_t kMillion = 1u << 20;

void ListMillionEntries(benchmark::State& state)
{
    ScratchFolder folder;
    const std::string path = folder.write("zeros.tap", zeroTape(kMillion));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"), std::fclose);
    static char buffer[1 << 16];
    std::setvbuf(sink.get(), buffer, _IOFBF, sizeof buffer);
    for (auto _ : state) {
        std::string bytes;
        int error = 0;
        if (!lister::readWholeFile(path, bytes, error)) {
            state.SkipWithError("cannot read the tape");
            break;
        }
        lister::writeListing(bytes, sink.get());
        std::fflush(sink.get());
    }
    state.counters["entries"] = static_cast<double>(kMillion);
    state.SetLabel("target: < 500 ms");
}
BENCHMARK(ListMillionEntries)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
