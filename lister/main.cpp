// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list: prints the entries of TAP files the way the Murax editor lists them, checks their
// blocks, shows or exports what one entry holds, and writes a tape's sound. TZX tapes are listed
// block by block and by the entries their data blocks become, and converted into TAP files.

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lister/console.h"
#include "lister/entry_commands.h"
#include "lister/file_tape_source.h"
#include "lister/png_file.h"
#include "lister/sound_output.h"
#include "lister/tape_folders.h"
#include "lister/tape_listing.h"
#include "lister/tzx_listing.h"
#include "support/platform/os_error.h"

namespace {

using murax::lister::EntryAction;

constexpr const char* kProgram = "murax-list";

void printHelp()
{
    std::printf(
        "Usage: %s [OPTION]... FILE...\n"
        "  or:  %s --basic N | --hex N | --disassemble N FILE\n"
        "  or:  %s --extract N | --screen N -o OUTPUT FILE\n"
        "  or:  %s --to-tap -o OUTPUT FILE\n"
        "  or:  %s --wav [--entries LIST] [--rate HZ] [--bits N] -o OUTPUT FILE\n"
        "List the entries of ZX Spectrum TAP files as the Murax editor shows them:\n"
        "one line per entry with its name, type, start and length.\n"
        "With several files, each file's lines follow a line with its name.\n"
        "Entries are numbered from 1 in the order they are listed.\n"
        "\n"
        "A TZX tape (known by its signature, whatever its name) is listed block by block:\n"
        "number, offset, ID, kind, and whether it becomes an entry, is passed over (it\n"
        "holds no data) or is not converted (tones, pulses, recordings, and data that a\n"
        "TAP block cannot hold exactly); then the entries its data blocks become, as the\n"
        "editor's Add takes them in. The entry options act on those entries.\n"
        "\n"
        "  --check          add a column of verdicts on each entry's blocks: flag byte,\n"
        "                   checksum, the header's data length against the data block's,\n"
        "                   a block cut short by the end of the file (\"ok\" when all pass)\n"
        "  -r, --recursive  list the *.tap and *.tzx files in each folder given and the\n"
        "                   folders below\n"
        "  --basic N        print the BASIC listing of entry N, a program\n"
        "  --hex N          print a hex dump of entry N's bytes\n"
        "  --disassemble N  print entry N's data, without flag and checksum, as Z80\n"
        "                   assembler source that pasmo assembles back to exactly\n"
        "                   those bytes: an ORG at a bytes header's start address (0\n"
        "                   for other entries), then an instruction a line\n"
        "  --extract N      write entry N's data bytes, without flag and checksum, to\n"
        "                   OUTPUT\n"
        "  --screen N       write entry N's data, a screen of 6912 (or 6144) bytes, to\n"
        "                   OUTPUT as a 256x192 PNG picture\n"
        "  --to-tap         write the TAP file that the TZX tape FILE converts to, to\n"
        "                   OUTPUT; the blocks left out are named\n"
        "  --wav            write the tape's sound to OUTPUT as a WAV file that a real\n"
        "                   Spectrum loads: the ROM's timings, half a second of silence\n"
        "                   first and a second of pause after each block; mono PCM.\n"
        "                   A TZX tape sounds as the entries it converts to\n"
        "  --entries LIST   with --wav, only these entries, in this order: numbers and\n"
        "                   runs separated by commas, such as 2 or 1,4-6 (default: all)\n"
        "  --rate HZ        with --wav, the sample rate: 22050, 44100 (default) or 48000\n"
        "  --bits 8|16      with --wav, 16-bit signed (default) or 8-bit unsigned samples\n"
        "  -o OUTPUT        the file that --extract, --screen, --to-tap and --wav write,\n"
        "                   replaced whole; - for standard output (never the tape read)\n"
        "  --help           show this help and exit\n"
        "  --version        show the version and exit\n"
        "  --               treat every later argument as a file name\n"
        "\n"
        "Exit status: 0 when every file was listed (and with --check, every block\n"
        "passed), 1 when a file could not be read, an entry could not be shown or\n"
        "written, a check failed, a TZX tape is malformed or had blocks that were not\n"
        "converted, or the output could not be written, 2 when the command line is wrong.\n",
        kProgram, kProgram, kProgram, kProgram, kProgram);
}

int usageError(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, what.c_str(),
                 kProgram);
    return 2;
}

struct Options {
    bool check = false;
    bool recursive = false;
    bool toTap = false;
    std::optional<EntryAction> action;
    std::string actionName;
    std::size_t entry = 0;
    std::string entryText;  // as given, for the messages
    std::optional<std::string> output;
    std::vector<std::string> files;
    bool wav = false;
    murax::SoundFormat soundFormat;
    std::vector<murax::lister::EntryRun> entryRuns;
    std::vector<std::string> soundOptions;  // --entries, --rate and --bits, as given
};

// A number that must be one of `allowed`.
template <std::size_t N>
std::optional<std::uint32_t> oneOf(std::string_view text,
                                   const std::array<std::uint32_t, N>& allowed)
{
    for (const std::uint32_t value : allowed)
        if (text == std::to_string(value))
            return value;
    return std::nullopt;
}

template <std::size_t N>
std::string listed(const std::array<std::uint32_t, N>& values)
{
    std::string text;
    for (std::size_t i = 0; i < N; ++i)
        text += (i == 0 ? "" : i + 1 == N ? " or " : ", ") + std::to_string(values[i]);
    return text;
}

// Reads the value of --entries, --rate or --bits; a usage error when it is wrong.
std::optional<int> soundOption(std::string_view arg, const std::string& value, Options& options)
{
    options.soundOptions.emplace_back(arg);
    if (arg == "--entries") {
        const auto runs = murax::lister::entryRuns(value);
        if (!runs)
            return usageError("--entries needs entry numbers from 1 such as 2 or 1,4-6, not '" +
                              value + "'");
        options.entryRuns.insert(options.entryRuns.end(), runs->begin(), runs->end());
    } else if (arg == "--rate") {
        const auto rate = oneOf(value, murax::kSoundSampleRates);
        if (!rate)
            return usageError("--rate must be " + listed(murax::kSoundSampleRates) + ", not '" +
                              value + "'");
        options.soundFormat.sampleRate = *rate;
    } else {
        const auto bits = oneOf(value, murax::kSoundSampleBits);
        if (!bits)
            return usageError("--bits must be " + listed(murax::kSoundSampleBits) + ", not '" +
                              value + "'");
        options.soundFormat.bitsPerSample = *bits;
    }
    return std::nullopt;
}

std::optional<EntryAction> actionOption(std::string_view arg)
{
    if (arg == "--basic")
        return EntryAction::Basic;
    if (arg == "--hex")
        return EntryAction::Hex;
    if (arg == "--disassemble")
        return EntryAction::Disassemble;
    if (arg == "--extract")
        return EntryAction::Extract;
    if (arg == "--screen")
        return EntryAction::Screen;
    return std::nullopt;
}

// Reads the command line into `options`; a status to exit with when the program is done.
std::optional<int> parseArguments(const std::vector<std::string>& arguments, Options& options)
{
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view arg = arguments[i];
        const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!option) {
            options.files.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            printHelp();
            return 0;
        } else if (arg == "--version") {
            std::printf("%s %s\n", kProgram, MURAX_VERSION);
            return 0;
        } else if (arg == "--check") {
            options.check = true;
        } else if (arg == "-r" || arg == "--recursive") {
            options.recursive = true;
        } else if (arg == "--to-tap") {
            options.toTap = true;
        } else if (const auto action = actionOption(arg)) {
            if (options.action)
                return usageError(options.actionName + " and " + std::string(arg) +
                                  " cannot be given together");
            if (i + 1 >= arguments.size())
                return usageError(std::string(arg) + " needs an entry number");
            const auto number = murax::lister::entryNumber(arguments[++i]);
            if (!number)
                return usageError(std::string(arg) + " needs an entry number from 1, not '" +
                                  arguments[i] + "'");
            options.action = action;
            options.actionName = arg;
            options.entry = *number;
            options.entryText = arguments[i];
        } else if (arg == "--wav") {
            options.wav = true;
        } else if (arg == "--entries" || arg == "--rate" || arg == "--bits") {
            if (i + 1 >= arguments.size())
                return usageError(std::string(arg) + " needs a value");
            if (const auto wrong = soundOption(arg, arguments[++i], options))
                return wrong;
        } else if (arg == "-o") {
            if (i + 1 >= arguments.size())
                return usageError("-o needs a file name");
            options.output = arguments[++i];
        } else {
            return usageError("unknown option " + std::string(arg));
        }
    }
    if (options.files.empty())
        return usageError("no file given");
    if (options.wav) {
        if (options.action || options.toTap)
            return usageError("--wav and " + (options.toTap ? "--to-tap" : options.actionName) +
                              " cannot be given together");
        if (!options.output)
            return usageError("--wav needs -o OUTPUT");
        if (options.files.size() != 1 || options.recursive || options.check)
            return usageError("--wav takes one file, without --check or -r");
        return std::nullopt;
    }
    if (!options.soundOptions.empty())
        return usageError(options.soundOptions.front() + " goes with --wav only");
    if (options.toTap) {
        if (options.action || options.files.size() != 1 || options.recursive || options.check)
            return usageError("--to-tap takes one file, without --check, -r or an entry option");
        if (!options.output)
            return usageError("--to-tap needs -o OUTPUT");
        return std::nullopt;
    }
    const bool writes =
        options.action == EntryAction::Extract || options.action == EntryAction::Screen;
    if (writes && !options.output)
        return usageError(options.actionName + " needs -o OUTPUT");
    if (!writes && options.output)
        return usageError("-o goes with --extract, --screen, --to-tap or --wav only");
    if (options.action && (options.files.size() != 1 || options.recursive || options.check))
        return usageError(options.actionName + " takes one file, without --check or -r");
    if (options.action == EntryAction::Screen && !murax::lister::pngAvailable())
        return usageError("--screen: PNG writing is not available in this build");
    return std::nullopt;
}

void reportUnreadable(const std::string& file, int error)
{
    // Keep what was listed so far in order with the message.
    std::fflush(stdout);
    std::fprintf(stderr, "%s: cannot read %s: %s\n", kProgram, file.c_str(),
                 murax::systemErrorText(error).c_str());
}

void reportProblem(const std::string& file, const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s: %s\n", kProgram, file.c_str(), what.c_str());
}

// A TZX tape read whole from `source`; nothing (and the failure reported) when the file could not
// be read.
std::optional<murax::tzx::Tape> readTzxFile(const std::string& file,
                                            murax::lister::FileTapeSource& source,
                                            murax::NativeFile& input)
{
    const std::string bytes = murax::lister::readWholeTape(source);
    if (source.failed()) {
        reportUnreadable(file, input.error());
        return std::nullopt;
    }
    return murax::tzx::readTzx(bytes);
}

// The same for a tape whose entries are wanted: a malformed one is reported too, with what its
// fault means for the command (`consequence`, "" or "; nothing was written"), and gives nothing.
std::optional<murax::tzx::Tape> readWellFormedTzxFile(const std::string& file,
                                                      murax::lister::FileTapeSource& source,
                                                      murax::NativeFile& input,
                                                      const std::string& consequence)
{
    auto tape = readTzxFile(file, source, input);
    if (tape && tape->malformed) {
        reportProblem(file, tape->malformed->what + consequence);
        return std::nullopt;
    }
    return tape;
}

// A TZX tape's blocks, then the entries they become. False when the tape is malformed (its
// blocks are listed up to the fault) or a check failed.
bool listTzx(const std::string& file, const murax::tzx::Tape& tape, bool check)
{
    const std::string tap = murax::tzx::tapBytes(tape);
    murax::lister::writeTzxBlocks(tape, tap, stdout);
    if (tape.malformed) {
        reportProblem(file, tape.malformed->what);
        return false;
    }
    if (tap.empty())
        return true;
    std::fputc('\n', stdout);
    murax::MemoryTapeSource entries(tap);
    return murax::lister::writeListing(entries, stdout, check);
}

// The files to list: with -r, each folder's tapes in its place.
std::vector<std::string> filesToList(const Options& options, int& status)
{
    if (!options.recursive)
        return options.files;
    std::vector<std::string> files;
    for (const std::string& file : options.files) {
        if (!murax::lister::isFolder(file)) {
            files.push_back(file);
            continue;
        }
        std::vector<std::string> unreadable;
        for (std::string& tape : murax::lister::tapesUnder(file, unreadable))
            files.push_back(std::move(tape));
        for (const std::string& folder : unreadable) {
            std::fprintf(stderr, "%s: cannot read %s\n", kProgram, folder.c_str());
            status = 1;
        }
    }
    return files;
}

// Whether the output is the tape being read, under the same name or another (a link): writing it
// would replace the tape.
bool outputIsTheInput(const murax::NativeFile& input, const std::optional<std::string>& output)
{
    if (!output || *output == murax::lister::kStandardOutput)
        return false;
    const auto read = input.identity();
    return read && read == murax::identityOf(*output);
}

// Opens the tape that a command reads to write `output`: nothing when it cannot be opened, or
// when the output is the tape itself (writing it would replace the tape), each reported, the
// latter with `refusal`.
std::optional<murax::NativeFile> openTapeForOutput(const std::string& file,
                                                   const std::optional<std::string>& output,
                                                   const std::string& refusal)
{
    murax::NativeFile input = murax::NativeFile::openForReading(file);
    if (!input.isOpen()) {
        reportUnreadable(file, input.error());
        return std::nullopt;
    }
    if (outputIsTheInput(input, output)) {
        reportProblem(file, refusal);
        return std::nullopt;
    }
    return input;
}

int performOnEntry(const Options& options)
{
    const std::string& file = options.files.front();
    const std::string where = file + ": entry " + options.entryText + ": ";
    auto opened =
        openTapeForOutput(file, options.output,
                          "entry " + options.entryText + ": cannot write " +
                              options.output.value_or("") + ": it is the tape being read");
    if (!opened)
        return 1;
    murax::NativeFile& input = *opened;
    murax::lister::FileTapeSource source(input);
    // A TZX tape's entries are those it converts to.
    std::string converted;
    murax::MemoryTapeSource convertedSource(converted);
    murax::TapeSource* tape = &source;
    if (murax::lister::isTzxTape(source)) {
        const auto tzxTape = readWellFormedTzxFile(file, source, input, "");
        if (!tzxTape)
            return 1;
        converted = murax::tzx::tapBytes(*tzxTape);
        convertedSource = murax::MemoryTapeSource(converted);
        tape = &convertedSource;
    }
    std::size_t count = 0;
    const auto entry = murax::lister::readEntry(*tape, options.entry, count);
    if (source.failed()) {
        reportUnreadable(file, input.error());
        return 1;
    }
    if (!entry) {
        std::fprintf(stderr, "%s: %sno such entry (the tape has %s)\n", kProgram, where.c_str(),
                     std::to_string(count).c_str());
        return 1;
    }
    const murax::lister::ActionOutcome outcome = murax::lister::performEntryAction(
        *options.action, *entry, options.output.value_or(""), stdout);
    if (outcome.status != 0) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: %s%s\n", kProgram, where.c_str(), outcome.reason.c_str());
    }
    return outcome.status;
}

int listFiles(const Options& options)
{
    int status = 0;
    const std::vector<std::string> files = filesToList(options, status);
    const bool named = files.size() > 1 || options.recursive;
    bool firstListed = true;
    for (const std::string& file : files) {
        murax::NativeFile input = murax::NativeFile::openForReading(file);
        if (!input.isOpen()) {
            reportUnreadable(file, input.error());
            status = 1;
            continue;
        }
        murax::lister::FileTapeSource source(input);
        // A file that cannot be read at all (a folder, a device) gets no name line, as none of
        // its entries can be listed.
        source.bytesAt(0, 1);
        if (source.failed()) {
            reportUnreadable(file, input.error());
            status = 1;
            continue;
        }
        if (named)
            std::printf("%s%s:\n", firstListed ? "" : "\n", file.c_str());
        firstListed = false;
        if (murax::lister::isTzxTape(source)) {
            const auto tape = readTzxFile(file, source, input);
            if (!tape || !listTzx(file, *tape, options.check))
                status = 1;
            continue;
        }
        if (!murax::lister::writeListing(source, stdout, options.check))
            status = 1;
        if (source.failed()) {
            reportUnreadable(file, input.error());
            status = 1;
        }
    }
    return status;
}

// Writes the TAP file that a TZX tape converts to. The input is never written: an output that
// names it in any way is refused before anything is written.
int convertToTap(const Options& options)
{
    const std::string& file = options.files.front();
    const std::string& output = *options.output;
    auto opened = openTapeForOutput(
        file, output,
        "the TAP file must go to another file than the tape itself (-o " + output + ")");
    if (!opened)
        return 1;
    murax::NativeFile& input = *opened;
    murax::lister::FileTapeSource source(input);
    if (!murax::lister::isTzxTape(source)) {
        if (source.failed())
            reportUnreadable(file, input.error());
        else
            reportProblem(file, "not a TZX tape: it does not begin with the TZX signature");
        return 1;
    }
    const auto tape = readWellFormedTzxFile(file, source, input, "; nothing was written");
    if (!tape)
        return 1;
    const murax::lister::ActionOutcome written =
        murax::lister::writeOutputFile(output, {murax::tzx::tapBytes(*tape)}, stdout);
    if (written.status != 0) {
        reportProblem(file, written.reason);
        return written.status;
    }
    int status = 0;
    for (std::size_t i = 0; i < tape->blocks.size(); ++i) {
        const murax::tzx::Block& block = tape->blocks[i];
        if (block.fate != murax::tzx::Fate::NotConverted)
            continue;
        reportProblem(file, murax::tzx::blockPlace(i + 1, block.id, block.offset) +
                                " was left out: " + block.reason);
        status = 1;
    }
    return status;
}

// Writes the sound of the tape's entries, a TZX tape's being those it converts to. As with
// --to-tap, an output that names the tape in any way is refused before anything is written.
int writeSound(const Options& options)
{
    const std::string& file = options.files.front();
    auto opened = openTapeForOutput(
        file, options.output,
        "the sound must go to another file than the tape itself (-o " + *options.output + ")");
    if (!opened)
        return 1;
    murax::NativeFile& input = *opened;
    murax::lister::FileTapeSource source(input);
    std::string tap;
    if (murax::lister::isTzxTape(source)) {
        const auto tape = readWellFormedTzxFile(file, source, input, "; nothing was written");
        if (!tape)
            return 1;
        tap = murax::tzx::tapBytes(*tape);
    } else {
        tap = murax::lister::readWholeTape(source);
        if (source.failed()) {
            reportUnreadable(file, input.error());
            return 1;
        }
    }
    const murax::lister::ActionOutcome outcome = murax::lister::writeTapeSound(
        tap, options.entryRuns, options.soundFormat, *options.output, stdout);
    if (outcome.status != 0)
        reportProblem(file, outcome.reason);
    return outcome.status;
}

}  // namespace

int main(int argc, char** argv)
{
    murax::lister::prepareStandardOutput();
    Options options;
    if (const auto done = parseArguments(murax::lister::programArguments(argc, argv), options))
        return *done;

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    const int status = options.wav      ? writeSound(options)
                       : options.toTap  ? convertToTap(options)
                       : options.action ? performOnEntry(options)
                                        : listFiles(options);

    // A listing that could not be written (a full disk, a closed pipe) must not look like success.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno ? errno : EIO;
        std::fprintf(stderr, "%s: cannot write the listing: %s\n", kProgram, std::strerror(error));
        return 1;
    }
    return status;
}
