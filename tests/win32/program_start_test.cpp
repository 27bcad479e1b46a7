// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax.exe started as a user starts it: its options answered on the output it was given, a tape
// named outside the ANSI code page opened, a tape edited and saved, a missing one reported by
// name, a cancelled open dialog ending the program.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include <windows.h>

#include "support/platform/wide_text_windows.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/win32/helpers/built_program.h"
#include "tests/win32/helpers/thread_windows.h"
#include "win32/resource_ids.h"
#include "win32/windows_toolbar.h"

namespace murax {
namespace {

// A run of murax.exe with `arguments`, its standard output caught in a pipe.
class ProgramRun {
public:
    explicit ProgramRun(const std::wstring& arguments)
    {
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        CreatePipe(&output_, &writeEnd, &inherited, 0);
        SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        std::wstring line = L"\"" + testing::builtProgramPath() + L"\" " + arguments;
        PROCESS_INFORMATION process{};
        started_ = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                  &startup, &process);
        CloseHandle(writeEnd);
        if (started_) {
            process_ = process.hProcess;
            thread_ = process.dwThreadId;
            CloseHandle(process.hThread);
        }
    }
    ~ProgramRun()
    {
        if (process_ != nullptr) {
            if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_, 99);
            CloseHandle(process_);
        }
        CloseHandle(output_);
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool started() const { return started_; }

    // The program's visible top-level window with this title (and class, if given), waited for
    // while the program runs: once it has ended, none can come.
    HWND waitForWindow(const std::wstring& title, const wchar_t* className = nullptr) const
    {
        return testing::waitForThreadWindow(
            thread_,
            [&](HWND window) {
                return testing::windowText(window) == title &&
                       (className == nullptr || testing::hasClass(window, className));
            },
            [&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; });
    }

    // The exit status once the program has ended; -1 when it has not within the time allowed.
    int exitStatus()
    {
        if (WaitForSingleObject(process_, 30000) != WAIT_OBJECT_0)
            return -1;
        DWORD status = 0;
        GetExitCodeProcess(process_, &status);
        return static_cast<int>(status);
    }

    std::string output()
    {
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(output_, buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        return text;
    }

private:
    HANDLE output_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD thread_ = 0;
    bool started_ = false;
};

std::wstring textOfChildren(HWND window)
{
    std::wstring all;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        all += testing::windowText(child) + L'\n';
    return all;
}

TEST(ProgramStartTest, OptionsAreAnsweredOnTheOutputTheProgramWasGiven)
{
    const struct {
        const wchar_t* arguments;
        std::string startOfOutput;
    } cases[] = {
        {L"--version", "Murax " MURAX_VERSION "\n"},
        {L"--help", "Usage: murax [FILE]\n"},
    };
    for (const auto& c : cases) {
        ProgramRun run(c.arguments);
        ASSERT_TRUE(run.started());
        const std::string output = run.output();
        EXPECT_EQ(output.substr(0, c.startOfOutput.size()), c.startOfOutput)
            << utf8Text(c.arguments);
        EXPECT_EQ(run.exitStatus(), 0);
    }
}

// Greek letters and a character beyond 16 bits: no ANSI code page holds them all.
const std::wstring kForeignName = L"\u03a4\u03b1\u03b9\u03bd\u03af\u03b1 \U0001F3AE";

TEST(ProgramStartTest, TapeNamedOutsideTheAnsiCodePageOpens)
{
    testing::ScratchFolder scratch;
    const std::filesystem::path tape = scratch.path() / (kForeignName + L".tap");
    std::ofstream(tape, std::ios::binary) << testing::headerEntry("game") << testing::dataEntry(5);

    ProgramRun run(L"\"" + tape.wstring() + L"\"");
    ASSERT_TRUE(run.started());
    const HWND window = run.waitForWindow(L"Murax " MURAX_VERSION);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(SendDlgItemMessageW(window, MURAX_ID_BLOCK_LIST, LB_GETCOUNT, 0, 0), 2);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(run.exitStatus(), 0);
}

// A whole session, as a user has it: the tape opened from the command line, its first entry moved
// down by the toolbar, deleted with the question answered Yes, F9, and the program closed.
TEST(ProgramStartTest, EditedTapeIsSavedWithTheEditsAndNothingElse)
{
    testing::ScratchFolder scratch;
    const std::filesystem::path tape = scratch.path() / "game.tap";
    const std::string alpha = testing::headerEntry("alpha"), two = testing::lone(2),
                      gamma = testing::headerEntry("gamma");
    std::ofstream(tape, std::ios::binary) << alpha << two << gamma;

    ProgramRun run(L"\"" + tape.wstring() + L"\"");
    ASSERT_TRUE(run.started());
    const HWND window = run.waitForWindow(L"Murax " MURAX_VERSION);
    ASSERT_NE(window, nullptr);
    const HWND list = GetDlgItem(window, MURAX_ID_BLOCK_LIST);
    // Row 1 becomes current once the window is first painted, as the user first sees it.
    ASSERT_TRUE(testing::waitUntil([&] { return SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 1; }));
    PostMessageW(window, WM_COMMAND, WindowsToolbar::idOfButton(ToolbarButton::MoveDown), 0);
    PostMessageW(list, WM_KEYDOWN, VK_DELETE, 0);
    const HWND question = run.waitForWindow(L"Attenzione", L"#32770");
    ASSERT_NE(question, nullptr);
    PostMessageW(question, WM_COMMAND, IDYES, 0);
    // While Delete runs, the program refuses every other command: F9 waits for the row to go.
    ASSERT_TRUE(testing::waitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 2; }));
    PostMessageW(list, WM_KEYDOWN, VK_F9, 0);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(run.exitStatus(), 0);

    std::ifstream saved(tape, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), two + gamma);
}

TEST(ProgramStartTest, MissingTapeIsReportedByItsWholeName)
{
    testing::ScratchFolder scratch;
    const std::filesystem::path missing = scratch.path() / kForeignName;
    ProgramRun run(L"\"" + missing.wstring() + L"\"");
    ASSERT_TRUE(run.started());
    const HWND box = run.waitForWindow(L"Attenzione", L"#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(textOfChildren(box).find(kForeignName + L".tap"), std::wstring::npos)
        << utf8Text(textOfChildren(box));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(run.exitStatus(), 0);
    EXPECT_EQ(run.waitForWindow(L"Murax " MURAX_VERSION), nullptr);
}

TEST(ProgramStartTest, CancelledOpenDialogEndsTheProgramWithoutAWindow)
{
    ProgramRun run(L"");
    ASSERT_TRUE(run.started());
    const HWND dialog = run.waitForWindow(L"Select a TAP file to open", L"#32770");
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(run.exitStatus(), 0);
}

}  // namespace
}  // namespace murax
