// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The user's side of an installed murax.exe, for windows_package_test.sh under Wine:
//
//   hex_handoff_driver session SHORTCUT TAPE SEEN [FOLDER]
//     starts the program that the Start-menu shortcut names, in the shortcut's working folder (or
//     in FOLDER, as a user who starts it from there), on TAPE, and chooses "Edit with hex
//     editor..." on the first entry; answers every message box (Yes where it asks, else OK) and
//     prints its text; once the hex editor has ended (SEEN exists) or a box was answered, closes
//     the window. Exits with murax.exe's exit status.
//   hex_handoff_driver edit SEEN FILE
//     the hex editor (the scratch file's path comes last): writes 'E' over byte 4 of FILE (a
//     header's first name letter), or 'g' where an 'E' stands, then puts FILE's path, as it was
//     given, in SEEN.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "support/platform/wide_text_windows.h"
#include "tests/win32/helpers/thread_windows.h"
#include "win32/resource_ids.h"
#include "win32/windows_toolbar.h"

namespace {

using murax::testing::findThreadWindow;
using murax::testing::hasClass;
using murax::testing::waitUntil;
using murax::testing::windowText;

constexpr std::size_t kEditedOffset = 4;

int edit(const std::wstring& seen, const std::wstring& file)
{
    std::string bytes;
    {
        std::ifstream in(std::filesystem::path(file), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (bytes.size() <= kEditedOffset)
        return 2;
    bytes[kEditedOffset] = bytes[kEditedOffset] == 'E' ? 'g' : 'E';
    std::ofstream(std::filesystem::path(file), std::ios::binary | std::ios::trunc) << bytes;
    std::ofstream(std::filesystem::path(seen), std::ios::binary) << murax::utf8Text(file);
    return 0;
}

struct Shortcut {
    std::wstring target;
    std::wstring workingFolder;
};

// What the shell reads from the shortcut: its program, and its working folder with the
// environment's variables put in, as the shell does when it starts one.
bool readShortcut(const std::wstring& path, Shortcut& shortcut)
{
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return false;
    IPersistFile* file = nullptr;
    bool read = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    wchar_t target[MAX_PATH] = {}, folder[MAX_PATH] = {}, expanded[MAX_PATH] = {};
    read = read && SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
           SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
           SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)) &&
           ExpandEnvironmentStringsW(folder, expanded, MAX_PATH) > 0;
    if (file != nullptr)
        file->Release();
    link->Release();
    shortcut = {target, expanded};
    return read;
}

void key(HWND window, int virtualKey)
{
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

std::wstring textOfChildren(HWND window)
{
    std::wstring all;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        all += windowText(child) + L' ';
    return all;
}

int session(const std::wstring& shortcutPath, const std::wstring& tape, const std::wstring& seen,
            const wchar_t* folder)
{
    Shortcut shortcut;
    if (!readShortcut(shortcutPath, shortcut)) {
        std::puts("the shortcut cannot be read");
        return 90;
    }
    if (folder != nullptr)
        shortcut.workingFolder = folder;
    std::printf("working folder: %s\n", murax::utf8Text(shortcut.workingFolder).c_str());
    std::wstring line = L"\"" + shortcut.target + L"\" " + tape;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        shortcut.workingFolder.c_str(), &startup, &process)) {
        std::puts("murax.exe did not start");
        return 91;
    }
    CloseHandle(process.hThread);
    const DWORD thread = process.dwThreadId;
    const auto ended = [&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; };

    HWND window = nullptr;
    waitUntil([&] {
        window =
            findThreadWindow(thread, [](HWND w) { return windowText(w).rfind(L"Murax ", 0) == 0; });
        return window != nullptr || ended();
    });
    const HWND list = window ? GetDlgItem(window, MURAX_ID_BLOCK_LIST) : nullptr;
    // Row 1 becomes current once the window is first painted.
    if (list == nullptr ||
        !waitUntil([&] { return SendMessageW(list, LB_GETSELCOUNT, 0, 0) == 1; })) {
        std::puts("no window with its first row current");
        TerminateProcess(process.hProcess, 92);
        return 92;
    }
    PostMessageW(window, WM_COMMAND, murax::WindowsToolbar::idOfButton(murax::ToolbarButton::Edit),
                 0);
    HWND menu = nullptr;
    waitUntil([&] {
        menu = findThreadWindow(thread, [](HWND w) { return hasClass(w, L"#32768"); });
        return menu != nullptr;
    });
    if (menu == nullptr) {
        std::puts("the Edit button's menu did not open");
        TerminateProcess(process.hProcess, 93);
        return 93;
    }
    // Its entries: "Edit properties...", then "Edit with hex editor...".
    key(menu, VK_DOWN);
    key(menu, VK_DOWN);
    key(menu, VK_RETURN);

    bool answered = false;
    const bool over = waitUntil(
        [&] {
            if (ended())
                return true;
            if (const HWND box = findThreadWindow(thread, [](HWND w) {
                    return hasClass(w, L"#32770") && windowText(w) == L"Attenzione";
                })) {
                std::printf("message: %s\n", murax::utf8Text(textOfChildren(box)).c_str());
                const int answer = GetDlgItem(box, IDYES) != nullptr ? IDYES : IDOK;
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
                answered = true;
                waitUntil([box] { return !IsWindow(box); });
            } else if (answered || GetFileAttributesW(seen.c_str()) != INVALID_FILE_ATTRIBUTES) {
                // Refused while the hand-off still runs; asked again until the window goes.
                PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            }
            return false;
        },
        std::chrono::seconds(60), std::chrono::milliseconds(50));
    DWORD status = 94;
    if (over)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, 94);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"edit" && argc == 4)
        return edit(argv[2], argv[3]);
    if (mode == L"session" && (argc == 5 || argc == 6)) {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const int status = session(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : nullptr);
        CoUninitialize();
        return status;
    }
    std::fputs("usage: hex_handoff_driver session SHORTCUT TAPE SEEN [FOLDER] | edit SEEN FILE\n",
               stderr);
    return 2;
}
