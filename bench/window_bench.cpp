// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real window on the offscreen platform: a million entries from loading to the first paint,
// and Delete, Insert and Move on the real list view, and Undo and Redo of the Delete; the viewer
// showing the disassembly of 48 KB.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>

#include <memory>
#include <random>

#include "bench/bench_support.h"
#include "bench/command_setting.h"
#include "qt/block_list_view.h"
#include "qt/entry_viewer.h"
#include "qt/main_window.h"
#include "qt/program_fonts.h"
#include "seam/desktop_services.h"
#include "tape/commands/add_command.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/undo_commands.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::bench {
namespace {

// Notes when a widget has been painted.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget* widget) : widget_(widget) { widget->installEventFilter(this); }
    ~PaintWatch() override
    {
        if (widget_)
            widget_->removeEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == widget_ && event->type() == QEvent::Paint)
            painted = true;
        return false;
    }

private:
    QPointer<QWidget> widget_;
};

struct Setting : CommandSetting {
    std::string chosen = folder.write("chosen.tap", ordinaryTape(8u << 20));
};

Setting& setting()
{
    static const auto made = std::make_unique<Setting>();
    return *made;
}

void processUntil(const bool& done)
{
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// From reading the file to the first paint of the list in the real window, and the memory the
// loaded tape and its window hold per entry: the bytes the heap hands out for them, Qt's
// included (the resident size would hide memory the process freed earlier and reuses here).
void FirstPaintOfMillionEntries(benchmark::State& state)
{
    const std::string& tape = setting().tape;
    double heapPerEntry = 0, rowOneMs = 0;
    for (auto _ : state) {
        const std::size_t heapBefore = heapInUse();
        QElapsedTimer clock;
        clock.start();

        auto list = std::make_unique<BlockList>();
        ABLOCKS(tape, *list);
        auto window = std::make_unique<MainWindow>(setting().app, *list);
        PaintWatch watch(window->blockList()->viewport());
        window->show();
        processUntil(watch.painted);

        state.PauseTiming();
        // Row 1 is selected once the first paint is through.
        while (window->blockList()->selectedPositions().empty())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        rowOneMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        heapPerEntry = static_cast<double>(heapInUse() - heapBefore) / kMillion;
        window.reset();
        list.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["row_one_selected_ms"] = rowOneMs;
    state.counters["heap_bytes_per_entry"] = heapPerEntry;
    state.SetLabel("target: < 1 s, <= 150 bytes per entry");
}
BENCHMARK(FirstPaintOfMillionEntries)->Unit(benchmark::kMillisecond);

// The window showing a million entries; each benchmark restores the list it needs.
struct Shown {
    BlockList loaded;
    BlockList list;
    std::unique_ptr<MainWindow> window;
    Shown()
    {
        ABLOCKS(setting().tape, loaded);
        loaded.currentFile = setting().tape;
        list = loaded;
        window = std::make_unique<MainWindow>(setting().app, list);
        PaintWatch watch(window->blockList()->viewport());
        window->show();
        processUntil(watch.painted);
        QCoreApplication::processEvents();
    }
    BlockListView& view() { return *window->blockList(); }

    // The loaded entries back in the list and the view, with the rows first, first + step, ...
    // selected, or with `block` rows from `first` on, and row `current` the current one.
    void restore(int first, int step, int current, int block = 1)
    {
        list = loaded;
        view().reload(list.lines());
        const int rows = static_cast<int>(list.count());
        // Without repainting, or the view would scroll its image for every row it brings in.
        view().suspendRedraw();
        for (int start = first; start <= rows; start += step)
            for (int position = start; position < start + block && position <= rows; ++position)
                view().select(position);
        view().select(current);
        view().resumeRedraw();
        QCoreApplication::processEvents();
    }
    // The command, then the events it left behind (the repaint of the list among them).
    template <typename Command>
    void run(Command command)
    {
        command(*window, list);
        QCoreApplication::processEvents();
    }
};

// Made on first use and closed before the application object goes.
std::unique_ptr<Shown> shownWindow;

Shown& shown()
{
    if (!shownWindow)
        shownWindow = std::make_unique<Shown>();
    return *shownWindow;
}

void DeleteEveryOtherEntryInTheView(benchmark::State& state)
{
    Shown& s = shown();
    bool everyOtherSelected = true;
    for (auto _ : state) {
        state.PauseTiming();
        s.restore(1, 2, 1);
        everyOtherSelected =
            everyOtherSelected && s.view().selectedPositions().size() == kMillion / 2;
        setting().fake.messageAnswers = {Desktop::Yes};
        state.ResumeTiming();

        s.run(ELIMINA);
    }
    if (!everyOtherSelected || s.list.count() != kMillion / 2 ||
        s.view().count() != static_cast<int>(kMillion / 2))
        state.SkipWithError("the selected entries were not deleted");
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(DeleteEveryOtherEntryInTheView)->Unit(benchmark::kMillisecond);

// Undo of that Delete: half a million entries back in their places, and their rows selected.
void UndoDeleteEveryOtherEntryInTheView(benchmark::State& state)
{
    Shown& s = shown();
    bool restored = true;
    for (auto _ : state) {
        state.PauseTiming();
        s.restore(1, 2, 1);
        setting().fake.messageAnswers = {Desktop::Yes};
        s.run(ELIMINA);
        state.ResumeTiming();

        s.run(ANNULLA);

        state.PauseTiming();
        restored = restored && s.list.entries() == s.loaded.entries() &&
                   s.view().selectedPositions().size() == kMillion / 2;
        state.ResumeTiming();
    }
    if (!restored || s.view().count() != static_cast<int>(kMillion))
        state.SkipWithError("the deleted entries did not come back");
    state.SetLabel("target: under 100 ms");
}
BENCHMARK(UndoDeleteEveryOtherEntryInTheView)->Unit(benchmark::kMillisecond);

void RedoDeleteEveryOtherEntryInTheView(benchmark::State& state)
{
    Shown& s = shown();
    for (auto _ : state) {
        state.PauseTiming();
        s.restore(1, 2, 1);
        setting().fake.messageAnswers = {Desktop::Yes};
        s.run(ELIMINA);
        s.run(ANNULLA);
        state.ResumeTiming();

        s.run(RIPETI);
    }
    if (s.list.count() != kMillion / 2 || s.view().count() != static_cast<int>(kMillion / 2) ||
        s.view().selectedPositions() != std::vector<int>{1})
        state.SkipWithError("the Delete was not made again");
    state.SetLabel("target: under 100 ms");
}
BENCHMARK(RedoDeleteEveryOtherEntryInTheView)->Unit(benchmark::kMillisecond);

// The same number of entries deleted, selected as one block (as a click and a shift-click do).
void DeleteHalfTheEntriesAsOneBlockInTheView(benchmark::State& state)
{
    Shown& s = shown();
    const int half = static_cast<int>(kMillion / 2);
    bool blockSelected = true;
    for (auto _ : state) {
        state.PauseTiming();
        s.restore(half / 2, static_cast<int>(kMillion), half / 2, half);
        blockSelected = blockSelected && s.view().selectedPositions().size() == kMillion / 2;
        setting().fake.messageAnswers = {Desktop::Yes};
        state.ResumeTiming();

        s.run(ELIMINA);
    }
    if (!blockSelected || s.list.count() != kMillion / 2 || s.view().currentPosition() != half / 2)
        state.SkipWithError("the selected entries were not deleted");
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(DeleteHalfTheEntriesAsOneBlockInTheView)->Unit(benchmark::kMillisecond);

void InsertLargeFileInTheView(benchmark::State& state)
{
    Shown& s = shown();
    const int middle = static_cast<int>(kMillion / 2);
    for (auto _ : state) {
        state.PauseTiming();
        s.restore(middle, static_cast<int>(kMillion), middle);
        setting().fake.openAnswers = {setting().chosen};
        state.ResumeTiming();

        s.run([](Window& w, BlockList& l) { AGGIUNGI(w, l, true); });
    }
    if (s.list.count() <= kMillion || s.view().currentPosition() != middle)
        state.SkipWithError("the file was not inserted");
    state.counters["entries_inserted"] = static_cast<double>(s.list.count() - kMillion);
    state.SetLabel("8 MiB of ordinary blocks; target: well under 100 ms");
}
BENCHMARK(InsertLargeFileInTheView)->Unit(benchmark::kMillisecond);

void MoveInTheView(benchmark::State& state)
{
    Shown& s = shown();
    const int middle = static_cast<int>(kMillion / 2);
    s.restore(middle, static_cast<int>(kMillion), middle);
    for (auto _ : state) {
        // Down and back up again, so every iteration starts from the same state.
        s.run(SPOSTAGIU);
        s.run(SPOSTASU);
    }
    if (s.view().currentPosition() != middle || s.list.entries() != s.loaded.entries())
        state.SkipWithError("the entry did not move back and forth");
    state.SetLabel("two moves per iteration; target: well under 100 ms each");
}
BENCHMARK(MoveInTheView)->Unit(benchmark::kMillisecond);

// The viewer showing a bytes entry of 48 KB of code (random bytes from a fixed seed, which decode
// into every kind of instruction), its disassembly in front: from the entry to the first paint
// of the disassembly.
void ViewerShowsTheDisassemblyOf48K(benchmark::State& state)
{
    constexpr std::size_t kCodeBytes = 48u << 10;
    std::mt19937 generator(48);
    std::string code(kCodeBytes, '\0');
    for (char& byte : code)
        byte = static_cast<char>(generator() & 0xFF);
    const std::string entry =
        testing::headerBlock(3, "code", kCodeBytes, 16384, 32768) + testing::dataBlock(code);
    EntryViewer viewer([] {}, [] {}, [] {}, nullptr);
    viewer.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        PaintWatch watch(viewer.disassembly()->viewport());
        viewer.showEntry(entry);
        processUntil(watch.painted);
        state.PauseTiming();
        if (viewer.tabs()->currentWidget() != viewer.disassembly())
            state.SkipWithError("the disassembly is not in front");
        // Another entry between the runs, so that each shows the disassembly anew.
        viewer.showEntry(testing::dataBlock(""));
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("target: well under 100 ms");
}
BENCHMARK(ViewerShowsTheDisassemblyOf48K)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    murax::installFontSubstitutions();
    const int status = murax::bench::runBenchmarks(argc, argv);
    murax::bench::shownWindow.reset();
    return status;
}
