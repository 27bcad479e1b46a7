// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/command_line.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>

#include "lister/entry_commands.h"
#include "lister/help_text.h"
#include "lister/png_file.h"
#include "tape/make/entry_from_file.h"
#include "tape/make/tape_name.h"

namespace murax::lister {
namespace {

enum class Mode { Entry, ToTap, Sound, Make };

// An option that chooses what the program does instead of listing; at most one is given. Every
// such mode reads one file without --check or -r.
struct ModeOption {
    std::string_view name;
    Mode mode;
    bool writesOutput;                        // needs -o; any other mode refuses it
    ExportForm form = ExportForm::DataBytes;  // for Mode::Entry, which takes an entry number
};

constexpr ModeOption kModeOptions[] = {
    {"--basic", Mode::Entry, false, ExportForm::BasicListing},
    {"--hex", Mode::Entry, false, ExportForm::HexDump},
    {"--disassemble", Mode::Entry, false, ExportForm::Disassembly},
    {"--extract", Mode::Entry, true, ExportForm::DataBytes},
    {"--screen", Mode::Entry, true, ExportForm::ScreenPng},
    {"--to-tap", Mode::ToTap, true},
    {"--wav", Mode::Sound, true},
    {"--make", Mode::Make, true},
};

// The options of --wav, each with a value.
constexpr std::string_view kSoundOptions[] = {"--entries", "--rate", "--bits"};

// The options of --make, each with a value.
constexpr std::string_view kMakeOptions[] = {"--name", "--start", "--autostart"};

// The command line as given, before it is made into one mode.
struct Given {
    const ModeOption* mode = nullptr;
    std::size_t entry = 0;
    std::string entryText;
    bool check = false;
    bool recursive = false;
    std::optional<std::string> output;
    std::vector<std::string> files;
    SoundFormat format;
    std::vector<EntryRun> runs;
    std::vector<std::string> soundOptions;                         // as given
    std::vector<std::pair<std::string, std::string>> makeOptions;  // as given, with their values
};

Finished usageError(const std::string& what)
{
    std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", kProgram, what.c_str(),
                 kProgram);
    return {2};
}

const ModeOption* modeOption(std::string_view arg)
{
    for (const ModeOption& option : kModeOptions)
        if (option.name == arg)
            return &option;
    return nullptr;
}

template <std::size_t N>
bool isOneOf(std::string_view arg, const std::string_view (&options)[N])
{
    for (const std::string_view option : options)
        if (option == arg)
            return true;
    return false;
}

// "--extract, --screen, --to-tap or --wav": the modes that write an output.
std::string modesWritingOutput()
{
    std::vector<std::string_view> names;
    for (const ModeOption& option : kModeOptions)
        if (option.writesOutput)
            names.push_back(option.name);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += std::string(i == 0                  ? ""
                            : i + 1 == names.size() ? " or "
                                                    : ", ") +
                std::string(names[i]);
    return text;
}

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
std::optional<Finished> soundOption(std::string_view arg, const std::string& value, Given& given)
{
    given.soundOptions.emplace_back(arg);
    if (arg == "--entries") {
        const auto runs = entryRuns(value);
        if (!runs)
            return usageError("--entries needs entry numbers from 1 such as 2 or 1,4-6, not '" +
                              value + "'");
        given.runs.insert(given.runs.end(), runs->begin(), runs->end());
    } else if (arg == "--rate") {
        const auto rate = oneOf(value, kSoundSampleRates);
        if (!rate)
            return usageError("--rate must be " + listed(kSoundSampleRates) + ", not '" + value +
                              "'");
        given.format.sampleRate = *rate;
    } else {
        const auto bits = oneOf(value, kSoundSampleBits);
        if (!bits)
            return usageError("--bits must be " + listed(kSoundSampleBits) + ", not '" + value +
                              "'");
        given.format.bitsPerSample = *bits;
    }
    return std::nullopt;
}

// Reads the arguments into `given`; what the program ends with when it is done already.
std::optional<Finished> readArguments(const std::vector<std::string>& arguments, Given& given)
{
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string arg = arguments[i];
        const bool option = !optionsEnded && arg.size() > 1 && arg[0] == '-';
        if (!option) {
            given.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            const std::string help = helpText(kProgram);
            std::fwrite(help.data(), 1, help.size(), stdout);
            return Finished{0};
        } else if (arg == "--version") {
            std::printf("%s %s\n", kProgram, MURAX_VERSION);
            return Finished{0};
        } else if (arg == "--check") {
            given.check = true;
        } else if (arg == "-r" || arg == "--recursive") {
            given.recursive = true;
        } else if (const ModeOption* mode = modeOption(arg)) {
            if (given.mode)
                return usageError(std::string(given.mode->name) + " and " + arg +
                                  " cannot be given together");
            given.mode = mode;
            if (mode->mode != Mode::Entry)
                continue;
            if (i + 1 >= arguments.size())
                return usageError(arg + " needs an entry number");
            const auto number = entryNumber(arguments[++i]);
            if (!number)
                return usageError(arg + " needs an entry number from 1, not '" + arguments[i] +
                                  "'");
            given.entry = *number;
            given.entryText = arguments[i];
        } else if (isOneOf(arg, kMakeOptions)) {
            if (i + 1 >= arguments.size())
                return usageError(arg + " needs a value");
            given.makeOptions.emplace_back(arg, arguments[++i]);
        } else if (isOneOf(arg, kSoundOptions)) {
            if (i + 1 >= arguments.size())
                return usageError(arg + " needs a value");
            if (const auto wrong = soundOption(arg, arguments[++i], given))
                return wrong;
        } else if (arg == "-o") {
            if (i + 1 >= arguments.size())
                return usageError("-o needs a file name");
            given.output = arguments[++i];
        } else {
            return usageError("unknown option " + arg);
        }
    }
    return std::nullopt;
}

std::optional<unsigned> numberUpTo(const std::string& text, unsigned largest)
{
    unsigned value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc() || end != text.data() + text.size() || value > largest)
        return std::nullopt;
    return value;
}

// --make with its values checked against what the file will make: --start for code, --autostart
// for a listing, a name the rename field would take.
Command makeCommand(const Given& given, const std::string& file, const std::string& output)
{
    MakeTape mode{file, output, {}, {}, {}};
    const FileEntryKind kind = entryKindForFile(file);
    for (const auto& [option, value] : given.makeOptions) {
        if (option == "--name") {
            mode.name = tapeNameFromText(value);
            if (!mode.name)
                return usageError(
                    "--name takes up to 10 characters that a tape name can hold, "
                    "not '" +
                    value + "'");
        } else if (option == "--start") {
            if (kind != FileEntryKind::Code)
                return usageError("--start goes with a code file (not .bas, .txt or .scr)");
            mode.start = numberUpTo(value, 65535);
            if (!mode.start)
                return usageError("--start needs an address from 0 to 65535, not '" + value + "'");
        } else {
            if (kind != FileEntryKind::Program)
                return usageError("--autostart goes with a BASIC listing (.bas or .txt)");
            mode.autostart = numberUpTo(value, 9999);
            if (!mode.autostart)
                return usageError("--autostart needs a line number from 0 to 9999, not '" + value +
                                  "'");
        }
    }
    return mode;
}

// The one mode that the arguments ask for, or the usage error that they make.
Command commandOf(const Given& given)
{
    if (given.files.empty())
        return usageError("no file given");
    const ModeOption* const mode = given.mode;
    if (!given.soundOptions.empty() && (!mode || mode->mode != Mode::Sound))
        return usageError(given.soundOptions.front() + " goes with --wav only");
    if (!given.makeOptions.empty() && (!mode || mode->mode != Mode::Make))
        return usageError(given.makeOptions.front().first + " goes with --make only");
    if (!mode) {
        if (given.output)
            return usageError("-o goes with " + modesWritingOutput() + " only");
        return ListFiles{given.files, given.check, given.recursive};
    }
    const std::string name(mode->name);
    if (mode->writesOutput && !given.output)
        return usageError(name + " needs -o OUTPUT");
    if (!mode->writesOutput && given.output)
        return usageError("-o goes with " + modesWritingOutput() + " only");
    if (given.files.size() != 1 || given.recursive || given.check)
        return usageError(name + " takes one file, without --check or -r");
    const std::string& file = given.files.front();
    const std::string output = given.output.value_or("");
    switch (mode->mode) {
    case Mode::Entry:
        if (mode->form == ExportForm::ScreenPng && !pngAvailable())
            return usageError(name + ": PNG writing is not available in this build");
        return WriteEntry{file, mode->form, name, given.entry, given.entryText, output};
    case Mode::ToTap:
        return ConvertToTap{file, output};
    case Mode::Sound:
        return WriteSound{file, output, given.format, given.runs};
    case Mode::Make:
        return makeCommand(given, file, output);
    }
    return Finished{2};
}

}  // namespace

Command parseCommandLine(const std::vector<std::string>& arguments)
{
    Given given;
    if (const auto done = readArguments(arguments, given))
        return *done;
    return commandOf(given);
}

}  // namespace murax::lister
