// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace murax {

// What a file becomes, chosen by its name's extension (in any case): a BASIC listing (.bas,
// .txt) a program entry, a screen (.scr) a bytes entry at the screen's address, anything else
// a bytes ("CODE") entry at a start address.
enum class FileEntryKind { Program, Screen, Code };
FileEntryKind entryKindForFile(std::string_view path);

inline constexpr unsigned kDefaultCodeStart = 32768;
inline constexpr unsigned kScreenStart = 16384;
inline constexpr std::size_t kScreenLength = 6912;
inline constexpr std::size_t kScreenPixelsLength = 6144;
// The attributes a screen of pixels alone gets: black ink on white paper, the ROM's own.
inline constexpr unsigned char kScreenDefaultAttribute = 0x38;

// What the user chose for the entry; what the kind does not use is not looked at.
struct FileEntryChoices {
    std::string name;                    // the tape name's bytes, at most ten; padded with spaces
    std::optional<unsigned> autostart;   // a program's autostart line, 0-9999; none by default
    unsigned start = kDefaultCodeStart;  // a CODE entry's start address, 0-65535
};

struct FileEntry {
    std::string bytes;    // the header block and the data block, each with its length field
    std::string refusal;  // why no entry was made, naming the file; empty when one was
};

// The entry that the file `path`, holding `contents`, makes. A file that is empty, is not what
// its name says, or does not fit (a listing with a fault, a screen of another size, code that
// would run past 65535) makes none, and the refusal says why.
FileEntry entryFromFile(std::string_view path, std::string_view contents,
                        const FileEntryChoices& choices);

// Why the file `path`, holding `contents`, makes no entry whatever is chosen for it (it is empty,
// not what its name says, longer than a block holds); empty when some choice makes one.
std::string refusalWhateverChosen(std::string_view path, std::string_view contents);

// The file at `path` read whole, or why it cannot be (gone, a folder, no permission: the refusal
// names it with the system's reason; far longer than any entry is made of: it is not read).
struct FileContents {
    std::string bytes;
    std::string refusal;  // empty when the file was read
};
FileContents readFileForEntry(const std::string& path);

// The entry of the file at `path`, read whole first: a file that cannot be read makes none
// either, and the refusal says why.
FileEntry entryFromFileAt(const std::string& path, const FileEntryChoices& choices);

}  // namespace murax
