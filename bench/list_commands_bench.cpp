// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Delete, Insert and Move on a tape of a million entries, through the commands alone: the scripted
// fake window and desktop stand in for the real ones (the real list view has its own benchmark).
// The fake window's own list box copies every row on a reload and keeps the selection in a tree,
// bookkeeping for tests that would swamp the commands' figures here; the window below shows a
// list box that reads the rows in place, as the real list model does.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "bench/bench_support.h"
#include "bench/command_setting.h"
#include "seam/desktop_services.h"
#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/move_commands.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_window.h"

namespace murax::bench {
namespace {

using testing::FakeWindow;

struct Setting : CommandSetting {
    BlockList loaded;
    Setting()
    {
        ABLOCKS(tape, loaded);
        loaded.currentFile = tape;
    }
};

Setting& setting()
{
    static const auto made = std::make_unique<Setting>();
    return *made;
}

// Keeps the standard list box rules with the rows read in place and the selection as a sorted
// vector.
class InPlaceListBox : public ListBox {
public:
    const DisplayLines* rows = nullptr;
    std::vector<int> selected;
    int focus = 0;

    int currentPosition() const override { return focus; }
    int count() const override { return rows ? static_cast<int>(rows->size()) : 0; }
    std::vector<int> selectedPositions() const override { return selected; }
    void reload(const DisplayLines& lines) override
    {
        rows = &lines;
        selected.clear();
        focus = 0;
    }
    void select(int position) override
    {
        if (position < 1 || position > count())
            return;
        const auto at = std::lower_bound(selected.begin(), selected.end(), position);
        if (at == selected.end() || *at != position)
            selected.insert(at, position);
        focus = position;
    }
    void selectRows(const std::vector<int>& positions, int current) override
    {
        for (const int position : positions)
            if (position >= 1 && position <= count())
                selected.push_back(position);
        std::sort(selected.begin(), selected.end());
        selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
        if (current >= 1 && current <= count())
            focus = current;
    }
    void suspendRedraw() override {}
    void resumeRedraw() override {}
};

class BenchWindow : public FakeWindow {
public:
    BenchWindow() : FakeWindow(setting().app) {}
    InPlaceListBox box;
    ListBox& listBox() override { return box; }
};

// A fresh copy of the million-entry list with its window, the rows as loaded.
struct Scene {
    BlockList list = setting().loaded;
    BenchWindow window;
    Scene(std::vector<int> selected, int current)
    {
        window.box.rows = &list.lines();
        window.box.selected = std::move(selected);
        window.box.focus = current;
    }
};

void DeleteEveryOtherEntry(benchmark::State& state)
{
    std::vector<int> everyOther;
    for (int p = 1; p <= static_cast<int>(kMillion); p += 2)
        everyOther.push_back(p);
    std::size_t left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>(everyOther, 1);
        setting().fake.messageAnswers = {Desktop::Yes};
        state.ResumeTiming();

        ELIMINA(scene->window, scene->list);

        state.PauseTiming();
        left = scene->list.count();
        scene.reset();
        state.ResumeTiming();
    }
    if (left != kMillion / 2)
        state.SkipWithError("the selected entries were not deleted");
    state.counters["entries_left"] = static_cast<double>(left);
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(DeleteEveryOtherEntry)->Unit(benchmark::kMillisecond);

// Insert in the middle of the million entries; the argument is the size of the chosen file.
void InsertLargeFile(benchmark::State& state, std::string chosenTape)
{
    const std::string chosen = setting().folder.write("chosen.tap", chosenTape);
    BlockList inserted;
    splitIntoEntries(chosenTape, inserted);
    std::size_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>(std::vector<int>{int(kMillion / 2)}, kMillion / 2);
        setting().fake.openAnswers = {chosen};
        state.ResumeTiming();

        AGGIUNGI(scene->window, scene->list, true);

        state.PauseTiming();
        count = scene->list.count();
        scene.reset();
        state.ResumeTiming();
    }
    if (count != kMillion + inserted.count())
        state.SkipWithError("the file was not inserted");
    state.counters["entries_inserted"] = static_cast<double>(inserted.count());
    state.counters["file_MiB"] = static_cast<double>(chosenTape.size()) / (1 << 20);
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK_CAPTURE(InsertLargeFile, ordinary_8MiB, ordinaryTape(8u << 20))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InsertLargeFile, entries_128k, zeroTape(1u << 17))->Unit(benchmark::kMillisecond);

// What the list costs per entry after taking entries in, and the command's peak: the heap's
// bytes for the whole list after the command (its leftovers given back) over its entries, and
// how far resident memory rose during the command, the bytes it reads or receives included.
// A million entries pasted into an empty list, a million added to a million, one added to a
// million (where a list grown by doubling would stand half empty).
void TakeInEntries(benchmark::State& state, bool paste, std::size_t entries)
{
    const std::string added = setting().folder.write("added.tap", zeroTape(entries));
    double listBytesPerEntry = 0, peakMiB = 0;
    std::size_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::size_t heapBefore = heapInUse();
        auto scene = std::make_unique<Scene>(std::vector<int>{1}, 1);
        if (paste) {
            scene->list = BlockList();
            setting().fake.clipboard = {{kTapeMimeType, zeroTape(entries)}};
        } else {
            setting().fake.openAnswers = {added};
        }
        const std::size_t residentBefore = residentNow();
        resetResidentPeak();
        state.ResumeTiming();

        if (paste)
            INCOLLA(scene->window, scene->list);
        else
            AGGIUNGI(scene->window, scene->list, false);

        state.PauseTiming();
        peakMiB = static_cast<double>(residentPeak() - residentBefore) / (1 << 20);
        setting().fake.clipboard.clear();
        count = scene->list.count();
        listBytesPerEntry =
            static_cast<double>(heapInUse() - heapBefore) / static_cast<double>(count);
        scene.reset();
        state.ResumeTiming();
    }
    if (count != entries + (paste ? 0 : kMillion))
        state.SkipWithError("the entries were not taken in");
    state.counters["list_bytes_per_entry"] = listBytesPerEntry;
    state.counters["peak_MiB"] = peakMiB;
}
BENCHMARK_CAPTURE(TakeInEntries, paste_million_into_empty, true, kMillion)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TakeInEntries, add_million_to_million, false, kMillion)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TakeInEntries, add_one_to_million, false, 1)->Unit(benchmark::kMillisecond);

// Add of a 64 MiB tape after the million entries: a TZX tape, checked whole and its data blocks
// converted on the way in, against the TAP file of the same blocks.
void AddLargeTape(benchmark::State& state, bool tzx)
{
    static const std::string tap = ordinaryTape(64u << 20);
    const std::string added =
        setting().folder.write(tzx ? "added.tzx" : "added.tap", tzx ? tzxOfTap(tap) : tap);
    BlockList entries;
    splitIntoEntries(tap, entries);
    std::size_t count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>(std::vector<int>{1}, 1);
        setting().fake.openAnswers = {added};
        setting().fake.messageAnswers = {Desktop::Ok};
        state.ResumeTiming();

        AGGIUNGI(scene->window, scene->list, false);

        state.PauseTiming();
        count = scene->list.count();
        scene.reset();
        state.ResumeTiming();
    }
    if (count != kMillion + entries.count())
        state.SkipWithError("the tape was not added");
    state.counters["entries_added"] = static_cast<double>(entries.count());
    state.SetLabel(tzx ? "target: < 500 ms" : "the same blocks as a TAP file");
}
BENCHMARK_CAPTURE(AddLargeTape, tzx_64MiB, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AddLargeTape, tap_64MiB, false)->Unit(benchmark::kMillisecond);

void MoveDownInTheMiddle(benchmark::State& state)
{
    auto scene = std::make_unique<Scene>(std::vector<int>{int(kMillion / 2)}, kMillion / 2);
    const std::string moved = scene->list.entries()[kMillion / 2 - 1];
    for (auto _ : state) {
        // Down and back up again, so every iteration starts from the same state.
        SPOSTAGIU(scene->window, scene->list);
        SPOSTASU(scene->window, scene->list);
    }
    if (scene->list.entries()[kMillion / 2 - 1] != moved ||
        scene->window.box.focus != int(kMillion / 2))
        state.SkipWithError("the entry did not move back and forth");
    state.counters["moves"] = benchmark::Counter(2, benchmark::Counter::kIsIterationInvariant);
    state.SetLabel("two moves per iteration; target: well under 100 ms each");
}
BENCHMARK(MoveDownInTheMiddle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    return murax::bench::runBenchmarks(argc, argv);
}
