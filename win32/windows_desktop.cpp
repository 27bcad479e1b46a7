// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32/windows_desktop.h"

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>

#include "support/platform/child_process.h"
#include "support/platform/running_executable.h"
#include "support/platform/wave_out_windows.h"
#include "support/platform/wide_text_windows.h"
#include "win32/dialog_filters.h"
#include "win32/item_choice_dialog.h"
#include "win32/message_pump.h"

namespace murax {
namespace {

constexpr int kPollMilliseconds = 2;
// Room for the longest path the file dialogs return.
constexpr DWORD kPathRoom = 32768;

// Both dialogs start in the current folder, leave it as it was, hide the read-only box, insist
// on an existing folder but accept a file that does not exist yet, add no extension and warn of
// no overwrite: the commands complete and confirm the name themselves.
std::string runFileDialog(const std::string& title, const std::vector<std::string>& filters,
                          BOOL(WINAPI* dialog)(LPOPENFILENAMEW))
{
    std::wstring chosen(kPathRoom, L'\0');
    const std::wstring wideTitle = wideText(title);
    const std::wstring filterText = dialogFilterText(filters);
    std::wstring folder(kPathRoom, L'\0');
    folder.resize(GetCurrentDirectoryW(kPathRoom, folder.data()));

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = GetActiveWindow();
    request.lpstrFilter = filters.empty() ? nullptr : filterText.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = chosen.data();
    request.nMaxFile = kPathRoom;
    request.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    request.lpstrTitle = wideTitle.c_str();
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!dialog(&request))
        return {};
    return utf8Text(chosen.c_str(), wcslen(chosen.c_str()));
}

// The MessageBoxW style of a kind: its buttons, icon and default button.
unsigned messageBoxStyle(const MessageKindDescription& kind)
{
    // The system's sets of buttons, by the numbers its box answers with, which Desktop's are.
    static_assert(Desktop::Ok == IDOK && Desktop::Cancel == IDCANCEL && Desktop::Yes == IDYES &&
                  Desktop::No == IDNO);
    static const struct {
        unsigned style;
        std::vector<int> buttons;
    } sets[] = {
        {MB_OK, {IDOK}},
        {MB_OKCANCEL, {IDOK, IDCANCEL}},
        {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
        {MB_YESNO, {IDYES, IDNO}},
    };
    unsigned style = 0;
    for (const auto& set : sets)
        if (set.buttons == kind.buttons)
            style = set.style;
    const auto defaultAt = std::find(kind.buttons.begin(), kind.buttons.end(), kind.defaultButton) -
                           kind.buttons.begin();
    style |= static_cast<unsigned>(defaultAt) * MB_DEFBUTTON2;
    switch (kind.icon) {
    case MessageIcon::Information:
        return style | MB_ICONINFORMATION;
    case MessageIcon::Question:
        return style | MB_ICONQUESTION;
    case MessageIcon::Stop:
        return style | MB_ICONSTOP;
    }
    return style;
}

}  // namespace

int WindowsDesktop::messageBox(const std::string& text, const std::string& title,
                               const MessageKindDescription& kind)
{
    // Esc and the close box answer as the system's box decides from its buttons: Cancel where
    // there is one, OK in a box of OK alone, nothing in a Yes/No box, as the description says.
    return MessageBoxW(GetActiveWindow(), wideText(text).c_str(), wideText(title).c_str(),
                       messageBoxStyle(kind));
}

void WindowsDesktop::beep()
{
    // The speaker's tone where the system still has one; else the sound it plays for a warning.
    if (!Beep(880, 55))
        MessageBeep(MB_OK);
}

std::string WindowsDesktop::openFileDialog(const std::string& title,
                                           const std::vector<std::string>& filters)
{
    return runFileDialog(title, filters, GetOpenFileNameW);
}

std::string WindowsDesktop::saveFileDialog(const std::string& title,
                                           const std::vector<std::string>& filters)
{
    return runFileDialog(title, filters, GetSaveFileNameW);
}

std::optional<std::size_t> WindowsDesktop::chooseItem(const std::string& title,
                                                      const std::string& label,
                                                      const std::vector<std::string>& items,
                                                      std::size_t current)
{
    std::vector<std::wstring> wideItems;
    for (const std::string& item : items)
        wideItems.push_back(wideText(item));
    return runItemChoiceDialog(GetActiveWindow(), wideText(title), wideText(label), wideItems,
                               current);
}

void WindowsDesktop::openWithDefaultProgram(const std::string& fileOrUri)
{
    // The verb of the file type's default action; the result is not examined.
    ShellExecuteW(nullptr, nullptr, wideText(fileOrUri).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void WindowsDesktop::processPendingEvents()
{
    dispatchPendingMessages();
}

int WindowsDesktop::runAndWait(const std::string& commandLine, int)
{
    const std::optional<int> exitCode =
        runAndWaitFor(commandLine, kPollMilliseconds, [] { dispatchPendingMessages(); });
    return exitCode.value_or(NotStarted);
}

std::string WindowsDesktop::executableFolder()
{
    const std::string path = runningExecutablePath();
    return path.substr(0, path.find_last_of("\\/") + 1);
}

void WindowsDesktop::setClipboardData(const std::string& mimeType, const std::string& bytes)
{
    clipboard_.put(mimeType, bytes);
}

std::optional<std::string> WindowsDesktop::clipboardData(const std::string& mimeType)
{
    return clipboard_.take(mimeType);
}

namespace {

class WaveOutPlayback : public SoundPlayback {
public:
    explicit WaveOutPlayback(std::unique_ptr<WaveOut> output) : output_(std::move(output)) {}
    std::uint64_t playedSamples() const override { return output_->playedSamples(); }
    bool ended() const override { return output_->ended(); }
    std::optional<std::string> failure() const override { return output_->failure(); }

private:
    std::unique_ptr<WaveOut> output_;
};

}  // namespace

std::unique_ptr<SoundPlayback> WindowsDesktop::playSound(SoundSamples& samples)
{
    std::unique_ptr<WaveOut> output = WaveOut::open(
        samples.sampleRate(), samples.bitsPerSample(),
        [&samples](char* out, std::size_t bytes) { return samples.read(out, bytes); });
    if (output == nullptr)
        return nullptr;
    return std::make_unique<WaveOutPlayback>(std::move(output));
}

}  // namespace murax
