// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/export_command.h"

#include "seam/desktop_services.h"
#include "seam/message_box.h"
#include "support/ascii_case.h"
#include "support/paths.h"
#include "tape/commands/block_list_box.h"
#include "tape/commands/file_saving.h"
#include "tape/commands/save_commands.h"
#include "tape/format/entry_bytes.h"
#include "tape/inspect/entry_details.h"
#include "tape/inspect/hex_dump.h"
#include "tape/inspect/z80_disassembly.h"

namespace murax {
namespace {

bool endsWithNoCase(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() &&
           equalsIgnoringAsciiCase(name.substr(name.size() - suffix.size()), suffix);
}

}  // namespace

ExportForm exportFormFor(std::string_view entry, std::string_view fileName)
{
    if (endsWithNoCase(fileName, ".txt") && programListing(entry))
        return ExportForm::BasicListing;
    if (endsWithNoCase(fileName, ".png") && entryScreen(entry))
        return ExportForm::ScreenPng;
    if (endsWithNoCase(fileName, ".asm") && codeAddressOfEntry(entry))
        return ExportForm::Disassembly;
    return ExportForm::DataBytes;
}

std::string exportDialogTitle(std::string_view entry)
{
    std::vector<std::string> forms;
    if (programListing(entry))
        forms.emplace_back(".txt: the BASIC listing");
    if (entryScreen(entry))
        forms.emplace_back(".png: the screen picture");
    if (codeAddressOfEntry(entry))
        forms.emplace_back(".asm: the disassembly");
    std::string title = "Export data bytes";
    for (std::size_t i = 0; i < forms.size(); ++i)
        title += (i == 0 ? " (a name ending in " : "; in ") + forms[i];
    return forms.empty() ? title : title + ")";
}

std::vector<std::string> exportDialogFilters(std::string_view entry)
{
    std::vector<std::string> filters{"Data bytes (*)"};
    if (programListing(entry))
        filters.emplace_back("BASIC listing (*.txt)");
    if (entryScreen(entry))
        filters.emplace_back("Screen picture (*.png)");
    if (codeAddressOfEntry(entry))
        filters.emplace_back("Disassembly (*.asm)");
    return filters;
}

void exportCommand(Window& window, BlockList& list)
{
    const int n = blockListBox(window).currentPosition();
    if (n < 1 || static_cast<std::size_t>(n) > list.count())
        return;
    const std::string& entry = list.entries()[n - 1];
    const std::string chosen =
        window.app().desktop().saveFileDialog(exportDialogTitle(entry), exportDialogFilters(entry));
    if (chosen.empty())
        return;
    const std::string target = FULLNAME(chosen);
    if (!agreesToOverwrite(window.app(), target))
        return;

    std::string bytes;
    switch (exportFormFor(entry, target)) {
    case ExportForm::DataBytes:
        bytes = entryData(entry);
        break;
    case ExportForm::BasicListing:
        bytes = linesAsText(*programListing(entry));
        break;
    case ExportForm::HexDump:
        bytes = linesAsText(hexDumpLines(entry));
        break;
    case ExportForm::ScreenPng: {
        const ScreenPicture picture = *entryScreen(entry);
        bytes = window.pngEncoder().encode(kScreenWidth, kScreenHeight, picture.rgba);
        if (bytes.empty()) {
            POPMSG(window.app(), "The screen could not be made into a PNG picture.",
                   MessageKind::Inform);
            return;
        }
        break;
    }
    case ExportForm::Disassembly:
        bytes = z80Source(entryData(entry), *codeAddressOfEntry(entry));
        break;
    }
    writeFileReplacing(window.app(), target, {bytes});
}

}  // namespace murax
