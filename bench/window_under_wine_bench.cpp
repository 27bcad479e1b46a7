// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows main window under Wine: a million entries from loading to the first paint, and the
// Delete of every other entry. The Windows build's timing program does the work in the real
// window and times it with the system's performance counter; this program runs it under Wine, on
// a display of Xvfb's, and reports its figures as the iterations' times, so that Wine's start-up
// and the tape's writing are not counted. It skips (77) where the Windows build, Wine or Xvfb is
// missing, unless MURAX_WINDOWS_BENCH_REQUIRED is set, when that is a failure.
// MURAX_WINDOW_TIMING_PROGRAM names another timing program; WINEPREFIX another Wine prefix.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace murax::bench {
namespace {

struct Round {
    double loadedMs = 0, firstPaintMs = 0, rowOneSelectedMs = 0, deleteEveryOtherMs = 0;
};

std::string environment(const char* name, const std::string& otherwise)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : otherwise;
}

std::string timingProgram()
{
    return environment("MURAX_WINDOW_TIMING_PROGRAM", MURAX_WINDOW_TIMING_PROGRAM);
}

std::string quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool installed(const std::string& command)
{
    return std::system(("command -v " + command + " >/dev/null 2>&1").c_str()) == 0;
}

// Why the timing program cannot be run here; empty when it can.
std::string whatIsMissing()
{
    if (!std::filesystem::exists(timingProgram()))
        return "the Windows build's timing program " + timingProgram() +
               " is not there (tools/test-windows.sh builds it)";
    for (const char* command : {"wine", "xvfb-run"})
        if (!installed(command))
            return std::string(command) + " is not installed (tools/setup-deps.sh windows)";
    return {};
}

// Runs the timing program for `rounds` rounds and reads its figures; throws with what went
// wrong when it fails or prints fewer rounds.
std::vector<Round> timeUnderWine(int rounds)
{
    // The windows go to a display of Xvfb's, never to the user's.
    unsetenv("WAYLAND_DISPLAY");
    setenv("WINEPREFIX", environment("WINEPREFIX", MURAX_WINDOWS_WINE_PREFIX).c_str(), 1);
    setenv("WINEDEBUG", "-all", 0);
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=", 0);
    const std::string command =
        "xvfb-run -a wine " + quoted(timingProgram()) + " " + std::to_string(rounds);
    FILE* output = popen(command.c_str(), "r");
    if (output == nullptr)
        throw std::runtime_error("cannot run " + command);
    std::vector<Round> figures;
    std::string printed;
    char line[512];
    while (std::fgets(line, sizeof line, output) != nullptr) {
        printed += line;
        Round round;
        int number = 0;
        if (std::sscanf(line,
                        "round %d: loaded_ms=%lf first_paint_ms=%lf row_one_selected_ms=%lf "
                        "delete_every_other_ms=%lf",
                        &number, &round.loadedMs, &round.firstPaintMs, &round.rowOneSelectedMs,
                        &round.deleteEveryOtherMs) == 5)
            figures.push_back(round);
    }
    const int status = pclose(output);
    if (status != 0 || static_cast<int>(figures.size()) != rounds)
        throw std::runtime_error(command + " failed (status " + std::to_string(status) +
                                 "), having printed: " + printed);
    return figures;
}

// The rounds run so far; each benchmark takes rounds of its own from it in order, so that a
// round measured for one figure serves the other too, and no figure is counted twice.
class Rounds {
public:
    // Makes sure that `count` rounds after the first `taken` are there, in one run of Wine.
    void prepare(std::size_t taken, std::size_t count)
    {
        if (taken + count > rounds_.size()) {
            const auto more = timeUnderWine(static_cast<int>(taken + count - rounds_.size()));
            rounds_.insert(rounds_.end(), more.begin(), more.end());
        }
    }

    const Round& next(std::size_t& taken) { return rounds_.at(taken++); }

private:
    std::vector<Round> rounds_;
};

Rounds& rounds()
{
    static Rounds made;
    return made;
}

template <typename Figure>
void reportRounds(benchmark::State& state, std::size_t& taken, Figure figure)
{
    try {
        rounds().prepare(taken, static_cast<std::size_t>(state.max_iterations));
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
        return;
    }
    for (auto _ : state)
        state.SetIterationTime(figure(rounds().next(taken)) / 1000.0);
}

void FirstPaintOfMillionEntriesUnderWine(benchmark::State& state)
{
    static std::size_t taken = 0;
    double loadedMs = 0, rowOneMs = 0;
    reportRounds(state, taken, [&](const Round& round) {
        loadedMs += round.loadedMs;
        rowOneMs += round.rowOneSelectedMs;
        return round.firstPaintMs;
    });
    // Of the time to the first paint, what reading and splitting the file took.
    state.counters["loaded_ms"] = benchmark::Counter(loadedMs, benchmark::Counter::kAvgIterations);
    state.counters["row_one_selected_ms"] =
        benchmark::Counter(rowOneMs, benchmark::Counter::kAvgIterations);
    state.SetLabel("target: < 1 s");
}
BENCHMARK(FirstPaintOfMillionEntriesUnderWine)->Unit(benchmark::kMillisecond)->UseManualTime();

void DeleteEveryOtherEntryUnderWine(benchmark::State& state)
{
    static std::size_t taken = 0;
    reportRounds(state, taken, [](const Round& round) { return round.deleteEveryOtherMs; });
    state.SetLabel("the key typed, up to the repaint");
}
BENCHMARK(DeleteEveryOtherEntryUnderWine)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    const std::string missing = murax::bench::whatIsMissing();
    if (!missing.empty()) {
        const char* required = std::getenv("MURAX_WINDOWS_BENCH_REQUIRED");
        if (required != nullptr && *required != '\0' && std::string(required) != "0") {
            std::cerr << "cannot time the Windows window: " << missing << "\n";
            return 1;
        }
        std::cout << "skipped: " << missing << "\n";
        return 77;
    }
    return murax::bench::runBenchmarks(argc, argv);
}
