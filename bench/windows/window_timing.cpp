// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real Windows main window on a tape of a million entries, timed with the performance
// counter: from reading the file to the first paint of the list, and the Delete of every other
// entry, typed in the list with its question answered by the scripted desktop, up to the repaint
// it leaves behind. Prints one line of figures per round:
//   round N: loaded_ms=... first_paint_ms=... row_one_selected_ms=... delete_every_other_ms=...
// and fails, naming what went wrong, when the window did not do what it should.
// Usage: murax_window_timing [rounds]      (default 1)

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "seam/app_context.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/scratch_folder.h"
#include "win32/message_pump.h"
#include "win32/windows_main_window.h"

namespace murax::bench {
namespace {

// As the Linux benchmarks count it: 2^20 entries, each a header block of length 0 with flag 0
// followed by another empty block, four zero bytes in all.
constexpr int kMillion = 1 << 20;

double millisecondsSince(LARGE_INTEGER start)
{
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER now()
{
    LARGE_INTEGER counter{};
    QueryPerformanceCounter(&counter);
    return counter;
}

// Notes when the list box has finished painting itself.
class PaintWatch {
public:
    explicit PaintWatch(HWND box) : box_(box) { SetWindowSubclass(box_, watch, kId, 0); }
    ~PaintWatch() { RemoveWindowSubclass(box_, watch, kId); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    static inline bool painted = false;

private:
    static constexpr UINT_PTR kId = 0x4D54;
    static LRESULT CALLBACK watch(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR)
    {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        if (message == WM_PAINT)
            painted = true;
        return result;
    }
    HWND box_;
};

// Handles messages, waiting for more, until `done` says so.
template <typename Done>
void dispatchUntil(Done done)
{
    while (!done()) {
        dispatchPendingMessages();
        if (!done())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Handles messages until nothing waits, no paint included.
void dispatchUntilIdle()
{
    dispatchUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; });
}

void check(bool holds, const char* what)
{
    if (!holds)
        throw std::runtime_error(what);
}

struct Figures {
    double loaded = 0, firstPaint = 0, rowOneSelected = 0, deleteEveryOther = 0;
};

Figures timeOneRound(const std::string& tape)
{
    testing::FakeDesktop fake;
    AppContext app(fake);
    Figures figures;

    const LARGE_INTEGER start = now();
    BlockList list;
    ABLOCKS(tape, list);
    figures.loaded = millisecondsSince(start);
    list.currentFile = tape;
    WindowsMainWindow window(app, list);
    check(window.open() != nullptr, "the main window did not open");
    PaintWatch::painted = false;
    const PaintWatch watch(window.blockList().handle());
    dispatchUntil([] { return PaintWatch::painted; });
    figures.firstPaint = millisecondsSince(start);
    // Row 1 becomes selected once the first paint is through.
    dispatchUntil([&] { return !window.blockList().selectedPositions().empty(); });
    figures.rowOneSelected = millisecondsSince(start);
    check(window.blockList().count() == kMillion, "the list does not show a million rows");

    std::vector<int> everyOther;
    for (int position = 1; position <= kMillion; position += 2)
        everyOther.push_back(position);
    window.blockList().selectRows(everyOther, 1);
    dispatchUntilIdle();
    check(window.blockList().selectedPositions() == everyOther, "every other row was not selected");

    fake.messageAnswers = {Desktop::Yes};
    const LARGE_INTEGER deleting = now();
    PostMessageW(window.blockList().handle(), WM_KEYDOWN, VK_DELETE, 1);
    PostMessageW(window.blockList().handle(), WM_KEYUP, VK_DELETE, 0xC0000001);
    dispatchUntilIdle();
    figures.deleteEveryOther = millisecondsSince(deleting);
    check(!fake.messages.empty() && fake.messages.back().text == "Delete the selected blocks?",
          "Delete did not ask its question");
    check(list.count() == kMillion / 2 && window.blockList().count() == kMillion / 2,
          "the selected entries were not deleted");
    return figures;
}

int run(int rounds)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    const testing::ScratchFolder folder;
    const std::string tape = (folder.path() / "million.tap").string();
    std::ofstream(tape, std::ios::binary) << std::string(std::size_t{kMillion} * 4, '\0');
    for (int round = 1; round <= rounds; ++round) {
        const Figures f = timeOneRound(tape);
        std::printf(
            "round %d: loaded_ms=%.3f first_paint_ms=%.3f row_one_selected_ms=%.3f "
            "delete_every_other_ms=%.3f\n",
            round, f.loaded, f.firstPaint, f.rowOneSelected, f.deleteEveryOther);
        std::fflush(stdout);
    }
    return 0;
}

}  // namespace
}  // namespace murax::bench

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: murax_window_timing [rounds]\n");
        return 2;
    }
    try {
        return murax::bench::run(rounds);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "murax_window_timing: %s\n", failure.what());
        return 1;
    }
}
