// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/help_text.h"

namespace murax::lister {
namespace {

// The forms of the command line, the first after "Usage:", the others after "or:".
constexpr std::string_view kForms[] = {
    "[OPTION]... FILE...",
    "--basic N | --hex N | --disassemble N FILE",
    "--extract N | --screen N -o OUTPUT FILE",
    "--to-tap -o OUTPUT FILE",
    "--wav [--entries LIST] [--rate HZ] [--bits N] -o OUTPUT FILE",
    "--make [--name N] [--start A] [--autostart L] -o OUTPUT FILE",
};

constexpr std::string_view kDescription =
    "List the entries of ZX Spectrum TAP files as the Murax editor shows them:\n"
    "one line per entry with its name, type, start and length.\n"
    "With several files, each file's lines follow a line with its name.\n"
    "Entries are numbered from 1 in the order they are listed.\n"
    "\n"
    "A TZX tape (known by its signature, whatever its name) is listed block by block:\n"
    "number, offset, ID, kind, and whether it becomes an entry, is passed over (it\n"
    "holds no data) or is not converted (tones, pulses, recordings, and data that a\n"
    "TAP block cannot hold exactly); then the entries its data blocks become, as the\n"
    "editor's Add takes them in. The entry options act on those entries. Every mode\n"
    "names the blocks that are not converted on standard error.\n"
    "\n"
    "A WAV recording of a tape (known by its signature, whatever its name; PCM of\n"
    "8 to 32 bits or 32-bit float, mono or stereo, 8 to 192 kHz) is listed block\n"
    "by block: number, time in the recording, kind (standard or turbo), length and\n"
    "checksum verdict, with where a failed block likely went wrong or broke off;\n"
    "then the entries its blocks become, on which the entry options and --wav act.\n"
    "Every mode names the failed blocks on standard error.\n";

// An option and what it does, its lines already broken to fit beside the option column.
struct OptionHelp {
    std::string_view option;
    std::string_view text;
};

constexpr OptionHelp kOptions[] = {
    {"--check",
     "add a column of verdicts on each entry's blocks: flag byte,\n"
     "checksum, the header's data length against the data block's,\n"
     "a block cut short by the end of the file (\"ok\" when all pass)"},
    {"-r, --recursive",
     "list the *.tap, *.tzx and *.wav files in each folder given\n"
     "and the folders below"},
    {"--basic N", "print the BASIC listing of entry N, a program"},
    {"--hex N", "print a hex dump of entry N's bytes"},
    {"--disassemble N",
     "print entry N's data, without flag and checksum, as Z80\n"
     "assembler source that pasmo assembles back to exactly those\n"
     "bytes: an ORG at a bytes header's start address (0 for other\n"
     "entries), then an instruction a line"},
    {"--extract N",
     "write entry N's data bytes, without flag and checksum, to\n"
     "OUTPUT"},
    {"--screen N",
     "write entry N's data, a screen of 6912 (or 6144) bytes, to\n"
     "OUTPUT as a 256x192 PNG picture"},
    {"--to-tap",
     "write the TAP file that the TZX tape or WAV recording FILE\n"
     "converts to, to OUTPUT; the blocks left out, and a\n"
     "recording's blocks that failed (kept as read), are named"},
    {"--wav",
     "write the tape's sound to OUTPUT as a WAV file that a real\n"
     "Spectrum loads: the ROM's timings, half a second of silence\n"
     "first and a second of pause after each block; mono PCM.\n"
     "A TZX tape sounds as the entries it converts to"},
    {"--entries LIST",
     "with --wav, only these entries, in this order: numbers and\n"
     "runs separated by commas, such as 2 or 1,4-6 (default: all)"},
    {"--rate HZ", "with --wav, the sample rate: 22050, 44100 (default) or 48000"},
    {"--bits 8|16", "with --wav, 16-bit signed (default) or 8-bit unsigned samples"},
    {"--make",
     "write a TAP file holding the one entry made of FILE, chosen\n"
     "by its name: a BASIC listing (.bas, .txt) tokenised into a\n"
     "program, a screen (.scr, 6912 bytes, or 6144 of pixels\n"
     "alone) a bytes entry at 16384, any other file a bytes (CODE)\n"
     "entry"},
    {"--name N",
     "with --make, the tape name, up to 10 characters (default:\n"
     "the file's name without its extension)"},
    {"--start A", "with --make, a code file's start address, 0-65535 (32768)"},
    {"--autostart L", "with --make, a program's autostart line, 0-9999 (none)"},
    {"-o OUTPUT",
     "the file that --extract, --screen, --to-tap, --wav and --make\n"
     "write, replaced whole; - for standard output (never the file\n"
     "read, by any name, nor standard output opened on it)"},
    {"--help", "show this help and exit"},
    {"--version", "show the version and exit"},
    {"--", "treat every later argument as a file name"},
};

constexpr std::string_view kExitStatus =
    "Exit status: 0 when every file was listed (and with --check, every block\n"
    "passed), 1 when a file could not be read, an entry could not be shown or\n"
    "written, a check failed, a TZX tape is malformed or had blocks that were not\n"
    "converted, a recording could not be read or had blocks that failed their\n"
    "checksum, broke off or were left out, a file could not be made into an\n"
    "entry, the output could not be written or memory ran out, 2 when the command\n"
    "line is wrong.\n";

// Where the options' texts begin.
constexpr std::size_t kTextColumn = 19;

void appendOption(std::string& help, const OptionHelp& option)
{
    std::string_view text = option.text;
    std::string lead = "  " + std::string(option.option);
    lead.resize(kTextColumn, ' ');
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        help += lead;
        help += text.substr(0, end);
        help += '\n';
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        lead.assign(kTextColumn, ' ');
    }
}

}  // namespace

std::string helpText(std::string_view program)
{
    std::string help;
    for (const std::string_view form : kForms) {
        help += help.empty() ? "Usage: " : "  or:  ";
        help += program;
        help += ' ';
        help += form;
        help += '\n';
    }
    help += kDescription;
    help += '\n';
    for (const OptionHelp& option : kOptions)
        appendOption(help, option);
    help += '\n';
    help += kExitStatus;
    return help;
}

}  // namespace murax::lister
