// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_line.h"

#include <string_view>

#include "window/settings_place.h"

namespace murax {
namespace {

constexpr std::string_view kUsage =
    "Usage: murax [FILE]\n"
    "       murax --help | --version\n"
    "\n"
    "Edits the ZX Spectrum tape image FILE (\".tap\" is added to a name without an extension);\n"
    "without FILE the open dialog asks for one. Further arguments are ignored.\n"
    "\"murax -- --help\" opens a file named --help.\n"
    "A TZX tape does not open: Add, Insert and a drop take its data blocks in as entries,\n"
    "and say which blocks were passed over or could not be converted\n"
    "(murax-list --to-tap -o FILE.tap TAPE.tzx converts it too).\n"
    "Nor does a WAV recording of a cassette, whose blocks they take in the same way.\n"
    "\n"
    "Keys of the list:\n"
    "  Enter, double-click  rename the current header entry\n"
    "  Delete               delete the selected entries\n"
    "  Ctrl+Up, Ctrl+Down   move the current entry up or down\n"
    "  Ctrl+Z               undo the last edit of the list\n"
    "  Ctrl+Y, Ctrl+Shift+Z redo it\n"
    "  Ctrl+C, Ctrl+X       copy, cut the selected entries\n"
    "  Ctrl+V               paste entries before the current row\n"
    "  F2                   open another file\n"
    "  F3                   look inside the current entry: header, checks, hex, BASIC, screen\n"
    "  F9                   save\n"
    "  F11                  run the saved file in the program the desktop associates with it\n"
    "  Esc                  close; unsaved changes are offered for saving\n"
    "A right click on the list offers Inspect and Export... (the current entry's data bytes,\n"
    "a program's listing as NAME.txt, a screen as NAME.png), and Export as sound..., which\n"
    "writes the selected entries, or the whole tape when none is selected, as a WAV file that\n"
    "a real Spectrum loads (44.1 kHz and 16 bits, or 48 or 22.05 kHz, 8 bits, on request),\n"
    "and Play, which plays the same entries through the sound card while you go on editing.\n"
    "\n"
    "The hex editor's command is the value \"Hex editor\" in the section [Edit] of MURAX.INI,\n"
    "read from the folder of the murax executable, else from ";

StartRequest answered(std::ostream& out)
{
    out.flush();
    return {out ? 0 : 1, std::nullopt};
}

}  // namespace

StartRequest readCommandLine(const std::vector<std::string>& arguments, std::ostream& out)
{
    if (arguments.size() < 2)
        return {};
    const std::string& first = arguments[1];
    if (first == "--") {
        if (arguments.size() < 3)
            return {};
        return {std::nullopt, arguments[2]};
    }
    if (first == "--help") {
        out << kUsage << settingsPlaceInHelp() << ".\n";
        return answered(out);
    }
    if (first == "--version") {
        out << "Murax " << MURAX_VERSION << '\n';
        return answered(out);
    }
    return {std::nullopt, first};
}

}  // namespace murax
