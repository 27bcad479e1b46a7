// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/make_mode.h"

#include <charconv>
#include <cstdio>

#include "lister/entry_commands.h"
#include "support/platform/file_identity.h"
#include "support/platform/native_file.h"
#include "support/platform/os_error.h"
#include "tape/make/entry_from_file.h"
#include "tape/make/tape_name.h"

namespace murax::lister {
namespace {

constexpr const char* kProgram = "murax-list";

std::optional<unsigned> numberUpTo(const std::string& text, unsigned largest)
{
    unsigned value = 0;
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || fault != std::errc() || end != text.data() + text.size() || value > largest)
        return std::nullopt;
    return value;
}

void report(const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", kProgram, what.c_str());
}

}  // namespace

bool takeMakeOption(const std::vector<std::string>& arguments, std::size_t& i, MakeOptions& options,
                    std::string& problem)
{
    const std::string& arg = arguments[i];
    if (arg == "--make") {
        options.requested = true;
        return true;
    }
    std::optional<std::string>* value = arg == "--name"        ? &options.name
                                        : arg == "--start"     ? &options.start
                                        : arg == "--autostart" ? &options.autostart
                                                               : nullptr;
    if (!value)
        return false;
    if (i + 1 >= arguments.size())
        problem = arg + " needs a value";
    else
        *value = arguments[++i];
    return true;
}

std::optional<std::string> makeUsageProblem(const MakeOptions& options,
                                            const std::vector<std::string>& files, bool hasOutput,
                                            const std::string& otherMode)
{
    if (!options.requested) {
        if (options.name || options.start || options.autostart)
            return std::string("--name, --start and --autostart go with --make only");
        return std::nullopt;
    }
    if (!otherMode.empty())
        return "--make and " + otherMode + " cannot be given together";
    if (files.size() != 1)
        return std::string("--make takes one file");
    if (!hasOutput)
        return std::string("--make needs -o OUTPUT");
    if (options.name && !tapeNameFromText(*options.name))
        return "--name takes up to 10 characters that a tape name can hold, not '" + *options.name +
               "'";
    const FileEntryKind kind = entryKindForFile(files.front());
    if (options.start) {
        if (kind != FileEntryKind::Code)
            return std::string("--start goes with a code file (not .bas, .txt or .scr)");
        if (!numberUpTo(*options.start, 65535))
            return "--start needs an address from 0 to 65535, not '" + *options.start + "'";
    }
    if (options.autostart) {
        if (kind != FileEntryKind::Program)
            return std::string("--autostart goes with a BASIC listing (.bas or .txt)");
        if (!numberUpTo(*options.autostart, 9999))
            return "--autostart needs a line number from 0 to 9999, not '" + *options.autostart +
                   "'";
    }
    return std::nullopt;
}

int makeTapeFile(const MakeOptions& options, const std::string& input, const std::string& output)
{
    NativeFile file = NativeFile::openForReading(input);
    std::string contents;
    if (!file.isOpen() || !file.readAll(contents)) {
        report("cannot read " + input + ": " + systemErrorText(file.error()));
        return 1;
    }
    const auto identity = file.identity();
    if (output != kStandardOutput && identity && identity == identityOf(output)) {
        report(input + ": the tape must go to another file than the one it is made from (-o " +
               output + ")");
        return 1;
    }
    FileEntryChoices choices;
    choices.name = options.name ? *tapeNameFromText(*options.name) : tapeNameForFile(input);
    if (options.start)
        choices.start = *numberUpTo(*options.start, 65535);
    if (options.autostart)
        choices.autostart = numberUpTo(*options.autostart, 9999);
    const FileEntry made = entryFromFile(input, contents, choices);
    if (!made.refusal.empty()) {
        report(made.refusal + "; nothing was written");
        return 1;
    }
    const ActionOutcome written = writeOutputFile(output, {made.bytes}, stdout);
    if (written.status != 0)
        report(input + ": " + written.reason);
    return written.status;
}

}  // namespace murax::lister
