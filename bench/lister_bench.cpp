// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list on large tapes and many tapes, run as the program it is, against `cat FILE
// >/dev/null` on the same files in the same iterations; and its listing path in process on a
// tape of a million entries.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "bench/bench_support.h"
#include "lister/tape_listing.h"
#include "tape/format/file_tape_source.h"

namespace murax::bench {
namespace {

constexpr std::size_t kMillion = 1u << 20;
constexpr std::size_t kLargeTapeBytes = 64u << 20;
constexpr std::size_t kManyTapes = 10000;
constexpr std::size_t kSmallTapeBytes = 50u << 10;
constexpr std::size_t kDenseTzxBlocks = 2800000;

// A TAP file of `blocks` blocks of one byte each.
std::string denseTap(std::size_t blocks)
{
    std::string tap;
    tap.reserve(3 * blocks);
    for (std::size_t i = 0; i < blocks; ++i)
        tap += std::string_view("\x01\x00\xFF", 3);
    return tap;
}

struct Tapes {
    ScratchFolder folder;
    std::string ordinary = folder.write("ordinary.tap", ordinaryTape(kLargeTapeBytes));
    // 64 MiB of entries of four bytes each: the most entries a file of that size can hold.
    std::string zeros = folder.write("zeros.tap", zeroTape(kLargeTapeBytes / 4));
    std::string million = folder.write("million.tap", zeroTape(kMillion));
    // The ordinary tape's blocks as a TZX tape, and 2.8 million blocks of one byte each (16 MiB).
    std::string ordinaryTzx = folder.write("ordinary.tzx", tzxOfTap(ordinaryTape(kLargeTapeBytes)));
    std::string denseTzx = folder.write("dense.tzx", tzxOfTap(denseTap(kDenseTzxBlocks)));
};

const Tapes& tapes()
{
    static const auto made = std::make_unique<Tapes>();
    return *made;
}

// 10,000 different tapes of 50 KiB in a folder of their own.
const std::string& manyTapesFolder()
{
    static const std::string folder = [] {
        const std::string path = tapes().folder.path("many");
        std::filesystem::create_directory(path);
        const std::string tape = ordinaryTape(kSmallTapeBytes);
        for (std::size_t i = 0; i < kManyTapes; ++i) {
            std::string variant = tape;
            // A payload byte and the checksum after it changed alike: other bytes, still sound.
            variant[variant.size() - 1] ^= static_cast<char>(i);
            variant[variant.size() - 2] ^= static_cast<char>(i);
            std::FILE* file =
                std::fopen((path + "/tape" + std::to_string(i) + ".tap").c_str(), "wb");
            std::fwrite(variant.data(), 1, variant.size(), file);
            std::fclose(file);
        }
        return path;
    }();
    return folder;
}

struct ProgramRun {
    double seconds = 0;
    double peakMiB = 0;  // the child's peak resident size
    bool succeeded = false;
};

// Runs a program with its standard output to /dev/null and waits for it. Started by fork, not
// posix_spawn: a child that shares this process's memory until it starts the program would be
// charged this process's peak size as its own.
ProgramRun runProgram(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ProgramRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int sink = ::open("/dev/null", O_WRONLY);
        ::dup2(sink, 1);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child > 0 && ::wait4(child, &status, 0, &usage) == child && WIFEXITED(status)) {
        run.succeeded = WEXITSTATUS(status) == 0;
        run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

// murax-list, plain or with --check, on one tape and `cat` on the same tape, in turn in every
// iteration so that both meet the same cache state. The figures are list_over_cat and peak_MiB;
// true_over_cat is the floor any program meets here, the cost of starting a process at all
// (`true`, which does nothing), against the same cat.
void listAgainstCat(benchmark::State& state, const std::string& path, bool check)
{
    double listSeconds = 0, catSeconds = 0, trueSeconds = 0, peak = 0;
    for (auto _ : state) {
        const ProgramRun cat = runProgram({"cat", path});
        trueSeconds += runProgram({"true"}).seconds;
        std::vector<std::string> command = {MURAX_LIST_PROGRAM, path};
        if (check)
            command.insert(command.begin() + 1, "--check");
        const ProgramRun list = runProgram(command);
        if (!cat.succeeded || !list.succeeded) {
            state.SkipWithError("cat or murax-list failed");
            break;
        }
        catSeconds += cat.seconds;
        listSeconds += list.seconds;
        peak = std::max(peak, list.peakMiB);
        state.SetIterationTime(list.seconds);
    }
    state.counters["cat_ms"] = catSeconds / static_cast<double>(state.iterations()) * 1e3;
    state.counters["list_over_cat"] = listSeconds / catSeconds;
    state.counters["true_over_cat"] = trueSeconds / catSeconds;
    state.counters["peak_MiB"] = peak;
}

void ListLargeTapeAgainstCat(benchmark::State& state)
{
    listAgainstCat(state, tapes().ordinary, false);
    state.SetLabel("64 MiB of ordinary blocks; target: list_over_cat <= 0.5, peak_MiB < 16");
}
BENCHMARK(ListLargeTapeAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond);

void CheckLargeTapeAgainstCat(benchmark::State& state)
{
    listAgainstCat(state, tapes().ordinary, true);
    state.SetLabel("64 MiB of ordinary blocks, --check; target: peak_MiB < 16");
}
BENCHMARK(CheckLargeTapeAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond);

// The densest tape: memory must not grow with the entries either.
void ListDensestTapeAgainstCat(benchmark::State& state)
{
    listAgainstCat(state, tapes().zeros, false);
    state.SetLabel("64 MiB of 4-byte entries; target: peak_MiB < 16");
}
BENCHMARK(ListDensestTapeAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond);

// The ordinary tape as a TZX tape: its blocks checked and counted, listed, then its entries.
void ListLargeTzxAgainstCat(benchmark::State& state)
{
    listAgainstCat(state, tapes().ordinaryTzx, false);
    state.SetLabel("64 MiB TZX of ordinary blocks; target: list_over_cat <= 2, peak_MiB < 16");
}
BENCHMARK(ListLargeTzxAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond);

// Memory must not grow with the blocks of a TZX tape either.
void ListDensestTzxAgainstCat(benchmark::State& state)
{
    listAgainstCat(state, tapes().denseTzx, false);
    state.SetLabel("16 MiB TZX of 2.8 million one-byte blocks; target: peak_MiB < 16");
}
BENCHMARK(ListDensestTzxAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond);

// --to-tap of the 64 MiB TZX tape against `cp` of the same file, in turn in every iteration. The
// TAP file is written as a save is, flushed to disk before it takes the name; cp_sync_ms is cp
// followed by `sync` of the copy, the same durability.
void TzxToTapAgainstCp(benchmark::State& state)
{
    const std::string& path = tapes().ordinaryTzx;
    const std::string copy = tapes().folder.path("copy.tzx");
    const std::string converted = tapes().folder.path("converted.tap");
    double convertSeconds = 0, cpSeconds = 0, syncSeconds = 0, peak = 0;
    for (auto _ : state) {
        const ProgramRun cp = runProgram({"cp", path, copy});
        const ProgramRun sync = runProgram({"sync", copy});
        const ProgramRun convert =
            runProgram({MURAX_LIST_PROGRAM, "--to-tap", "-o", converted, path});
        if (!cp.succeeded || !sync.succeeded || !convert.succeeded) {
            state.SkipWithError("cp, sync or murax-list --to-tap failed");
            break;
        }
        cpSeconds += cp.seconds;
        syncSeconds += sync.seconds;
        convertSeconds += convert.seconds;
        peak = std::max(peak, convert.peakMiB);
        state.SetIterationTime(convert.seconds);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["cp_ms"] = cpSeconds / iterations * 1e3;
    state.counters["cp_sync_ms"] = (cpSeconds + syncSeconds) / iterations * 1e3;
    state.counters["to_tap_over_cp"] = convertSeconds / cpSeconds;
    state.counters["to_tap_over_cp_sync"] = convertSeconds / (cpSeconds + syncSeconds);
    state.counters["peak_MiB"] = peak;
    state.SetLabel(
        "64 MiB TZX; target: to_tap_over_cp <= 2 (to_tap_over_cp_sync as durable), "
        "peak_MiB < 16");
}
BENCHMARK(TzxToTapAgainstCp)->UseManualTime()->Unit(benchmark::kMillisecond);

// --check over a folder of 10,000 tapes of 50 KiB, walked by -r.
void CheckManyTapes(benchmark::State& state)
{
    const std::string& folder = manyTapesFolder();
    double peak = 0;
    for (auto _ : state) {
        // Every tape is sound: exit status 1 would be a failed check or an unreadable file.
        const ProgramRun list = runProgram({MURAX_LIST_PROGRAM, "--check", "-r", folder});
        if (!list.succeeded) {
            state.SkipWithError("murax-list --check failed");
            break;
        }
        peak = std::max(peak, list.peakMiB);
        state.SetIterationTime(list.seconds);
    }
    state.counters["tapes"] = static_cast<double>(kManyTapes);
    state.counters["peak_MiB"] = peak;
    state.SetLabel("target: < 2000 ms");
}
BENCHMARK(CheckManyTapes)->UseManualTime()->Unit(benchmark::kMillisecond);

// Where the listing goes in process: /dev/null, buffered as murax-list buffers its output.
std::FILE* nullSink()
{
    static char buffer[1 << 16];
    static std::unique_ptr<std::FILE, int (*)(std::FILE*)> sink(std::fopen("/dev/null", "w"),
                                                                std::fclose);
    std::setvbuf(sink.get(), buffer, _IOFBF, sizeof buffer);
    return sink.get();
}

// murax-list's listing path in process; false when the tape could not be read.
bool listInProcess(const std::string& path)
{
    NativeFile file = NativeFile::openForReading(path);
    FileTapeSource source(file);
    lister::writeListing(source, nullSink(), false);
    std::fflush(nullSink());
    return file.isOpen() && !source.failed();
}

// The same 64 MiB tape in process, against reading it whole in pieces of 128 KiB as cat does:
// the programs' start-up, which is most of what the run above measures, left out of both.
void ListLargeTapeInProcessAgainstReading(benchmark::State& state)
{
    const std::string& path = tapes().ordinary;
    std::vector<char> piece(128u << 10);
    double listSeconds = 0, readSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        NativeFile whole = NativeFile::openForReading(path);
        while (whole.read(piece.data(), piece.size()) > 0) {
        }
        readSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        start = std::chrono::steady_clock::now();
        if (!listInProcess(path)) {
            state.SkipWithError("cannot read the tape");
            break;
        }
        const double listed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        listSeconds += listed;
        state.SetIterationTime(listed);
    }
    state.counters["read_ms"] = readSeconds / static_cast<double>(state.iterations()) * 1e3;
    state.counters["list_over_read"] = listSeconds / readSeconds;
}
BENCHMARK(ListLargeTapeInProcessAgainstReading)->UseManualTime()->Unit(benchmark::kMillisecond);

// The listing path in process: scan a million entries and write every line.
void ListMillionEntries(benchmark::State& state)
{
    const std::string& path = tapes().million;
    for (auto _ : state) {
        if (!listInProcess(path)) {
            state.SkipWithError("cannot read the tape");
            break;
        }
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
