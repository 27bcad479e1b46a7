// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Z80 disassembler on 48 KB, the most a Spectrum's memory holds above the screen: as the
// viewer's lines, as the whole page the viewer draws, and as the assembler source murax-list
// --disassemble writes. Random bytes from a
// fixed seed decode into every kind of instruction, the prefixed ones and data among them.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench/bench_support.h"
#include "tape/inspect/entry_viewer_page.h"
#include "tape/inspect/z80_disassembly.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::bench {
namespace {

constexpr std::size_t kCodeBytes = 48u << 10;
constexpr std::uint16_t kStart = 0x4000;

const std::string& code()
{
    static const std::string bytes = [] {
        std::mt19937 generator(48);
        std::string made(kCodeBytes, '\0');
        for (char& byte : made)
            byte = static_cast<char>(generator() & 0xFF);
        return made;
    }();
    return bytes;
}

void DisassemblyLinesOf48K(benchmark::State& state)
{
    std::size_t lines = 0;
    for (auto _ : state) {
        const auto text = disassemblyLines(code(), kStart);
        lines = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    if (lines == 0)
        state.SkipWithError("no instructions");
    state.counters["instructions"] = static_cast<double>(lines);
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(DisassemblyLinesOf48K)->Unit(benchmark::kMillisecond);

void AssemblerSourceOf48K(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string source = z80Source(code(), kStart);
        bytes = source.size();
        benchmark::DoNotOptimize(source.data());
    }
    if (bytes == 0)
        state.SkipWithError("no source");
    state.counters["source_KiB"] = static_cast<double>(bytes) / 1024;
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(AssemblerSourceOf48K)->Unit(benchmark::kMillisecond);

// The whole page the viewer draws of a bytes entry of 48 KB: details, disassembly and hex dump.
void ViewerPageOf48K(benchmark::State& state)
{
    const std::string entry =
        testing::headerBlock(3, "code", kCodeBytes, kStart, 32768) + testing::dataBlock(code());
    for (auto _ : state) {
        const EntryViewerPage page = entryViewerPage(entry);
        if (page.disassembly.empty())
            state.SkipWithError("no disassembly");
        benchmark::DoNotOptimize(page.disassembly.data());
    }
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(ViewerPageOf48K)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
