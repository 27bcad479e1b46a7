// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/make/entry_from_file.h"

#include <cstdint>

#include "support/ascii_case.h"
#include "support/platform/native_file.h"
#include "support/platform/os_error.h"
#include "tape/format/tap_layout.h"
#include "tape/make/basic_tokeniser.h"
#include "tape/make/tap_blocks.h"

namespace murax {
namespace {

constexpr unsigned kProgramType = 0, kBytesType = 3;
constexpr unsigned kNoAutostart = 32768;      // an autostart line field of 32768 or more: none
constexpr unsigned kBytesParameter2 = 32768;  // what SAVE ... CODE leaves in a bytes header
constexpr unsigned kLastAutostartLine = 9999;
constexpr std::size_t kAddressSpace = 65536;
// No entry is made of more: a listing's text may be longer than its program, but not by this much.
constexpr std::uint64_t kLongestFileRead = 16 * 1024 * 1024;

std::string_view extensionOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string refusalText(std::string_view path, const std::string& why)
{
    return std::string(path) + ": " + why;
}

FileEntry refused(std::string_view path, const std::string& why)
{
    return {{}, refusalText(path, why)};
}

FileEntry entry(const HeaderFields& fields, std::string_view data)
{
    return {framedHeaderBlock(fields) + framedDataBlock(data), {}};
}

FileEntry programEntry(std::string_view path, std::string_view text,
                       const FileEntryChoices& choices)
{
    if (text.find('\0') != std::string_view::npos)
        return refused(path, "not a BASIC listing: it holds bytes that are not text");
    if (choices.autostart && *choices.autostart > kLastAutostartLine)
        return refused(path, "the autostart line must be 0 to 9999, not " +
                                 std::to_string(*choices.autostart));
    const TokenisedBasic program = tokeniseBasic(text);
    if (program.error)
        return refused(path, basicErrorText(*program.error));
    if (program.program.empty())
        return refused(path, "not a BASIC listing: it has no program lines");
    if (program.program.size() > kLongestBlockData)
        return refused(path, "the program is " + std::to_string(program.program.size()) +
                                 " bytes long; a tape block holds at most " +
                                 std::to_string(kLongestBlockData));
    const auto length = static_cast<unsigned>(program.program.size());
    return entry({tap::kHeaderFlag, kProgramType, choices.name, length,
                  choices.autostart.value_or(kNoAutostart), length},
                 program.program);
}

FileEntry screenEntry(std::string_view path, std::string_view contents,
                      const FileEntryChoices& choices)
{
    std::string screen(contents);
    if (screen.size() == kScreenPixelsLength)
        screen.append(kScreenLength - kScreenPixelsLength,
                      static_cast<char>(kScreenDefaultAttribute));
    if (screen.size() != kScreenLength)
        return refused(path,
                       "not a screen: a screen file holds 6912 bytes (or 6144 of pixels "
                       "alone), this one " +
                           std::to_string(contents.size()));
    return entry({tap::kHeaderFlag, kBytesType, choices.name, static_cast<unsigned>(screen.size()),
                  kScreenStart, kBytesParameter2},
                 screen);
}

FileEntry codeEntry(std::string_view path, std::string_view contents,
                    const FileEntryChoices& choices)
{
    if (choices.start >= kAddressSpace)
        return refused(
            path, "the start address must be 0 to 65535, not " + std::to_string(choices.start));
    if (contents.size() > kLongestBlockData)
        return refused(path, "the file is " + std::to_string(contents.size()) +
                                 " bytes long; a tape block holds at most " +
                                 std::to_string(kLongestBlockData) + " bytes of data");
    if (choices.start + contents.size() > kAddressSpace)
        return refused(path, "its " + std::to_string(contents.size()) + " bytes from address " +
                                 std::to_string(choices.start) + " would run past 65535 (to " +
                                 std::to_string(choices.start + contents.size() - 1) + ")");
    return entry({tap::kHeaderFlag, kBytesType, choices.name,
                  static_cast<unsigned>(contents.size()), choices.start, kBytesParameter2},
                 contents);
}

}  // namespace

FileEntryKind entryKindForFile(std::string_view path)
{
    const std::string extension = asciiUpper(extensionOf(path));
    if (extension == ".BAS" || extension == ".TXT")
        return FileEntryKind::Program;
    if (extension == ".SCR")
        return FileEntryKind::Screen;
    return FileEntryKind::Code;
}

FileEntry entryFromFile(std::string_view path, std::string_view contents,
                        const FileEntryChoices& choices)
{
    if (contents.empty())
        return refused(path, "the file is empty");
    if (choices.name.size() > tap::kNameLength)
        return refused(path, "a tape name holds at most 10 characters");
    switch (entryKindForFile(path)) {
    case FileEntryKind::Program:
        return programEntry(path, contents, choices);
    case FileEntryKind::Screen:
        return screenEntry(path, contents, choices);
    case FileEntryKind::Code:
        break;
    }
    return codeEntry(path, contents, choices);
}

std::string refusalWhateverChosen(std::string_view path, std::string_view contents)
{
    // Code from address 0 runs past 65535 only when no block could hold it anyway.
    FileEntryChoices any;
    any.start = 0;
    return entryFromFile(path, contents, any).refusal;
}

FileContents readFileForEntry(const std::string& path)
{
    NativeFile file = NativeFile::openForReading(path);
    if (!file.isOpen())
        return {{}, refusalText(path, "cannot read it: " + systemErrorText(file.error()))};
    if (const auto size = file.regularFileSize(); size && *size > kLongestFileRead)
        return {{},
                refusalText(path, "the file is " + std::to_string(*size) +
                                      " bytes long, far more than an entry is made of")};
    FileContents read;
    if (!file.readAll(read.bytes))
        return {{}, refusalText(path, "cannot read it: " + systemErrorText(file.error()))};
    return read;
}

FileEntry entryFromFileAt(const std::string& path, const FileEntryChoices& choices)
{
    const FileContents read = readFileForEntry(path);
    if (!read.refusal.empty())
        return {{}, read.refusal};
    return entryFromFile(path, read.bytes, choices);
}

}  // namespace murax
