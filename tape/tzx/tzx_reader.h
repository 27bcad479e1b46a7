// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A TZX tape (format version 1.x) read block by block, and what each block becomes when the tape
// is brought into a TAP file. A TAP file can hold only whole blocks of bytes; a TZX tape also
// holds sound (tones, pulses, recordings) and information for the people and programs that play
// it. The data blocks whose bytes a TAP block can hold as they are become TAP blocks, unchanged;
// the blocks that hold no data are passed over; the rest are named so that nobody loses them
// unawares.
namespace murax::tzx {

// The first eight bytes of every TZX file; its major and minor version follow.
inline constexpr std::string_view kSignature{"ZXTape!\x1A", 8};
inline constexpr std::size_t kHeaderSize = 10;

bool hasTzxSignature(std::string_view file);

enum class Fate {
    Entry,         // its bytes become one TAP block, unchanged
    PassedOver,    // it holds no data: a pause, a group, a text, information about the tape...
    NotConverted,  // it holds sound or data that no TAP block can hold exactly
};

struct Block {
    std::uint64_t offset = 0;  // of its ID byte, counted from the file's first byte
    unsigned id = 0;
    Fate fate = Fate::PassedOver;
    std::string reason;  // NotConverted, and a data block without bytes: why, in a few words
    // Entry: where the bytes its TAP block holds lie in the file, and how many there are.
    std::uint64_t dataOffset = 0;
    std::size_t dataSize = 0;
    // Entry, from readTzx only: the TAP block, its two length bytes and then its bytes.
    std::string tapBlock;
};

// A fault that makes the tape unreadable from `offset` on.
struct Malformed {
    std::uint64_t offset = 0;
    std::string what;  // a sentence that names the block and the offset
};

struct Tape {
    unsigned major = 0;
    unsigned minor = 0;
    // The blocks in file order, up to a fault when there is one.
    std::vector<Block> blocks;
    // When set, the tape must not be taken in at all: its blocks after the fault are unknown.
    std::optional<Malformed> malformed;
};

// Reads a whole TZX file held in memory, its blocks with their TAP blocks (a tape of any size is
// read block by block, never whole, by BlockReader and the TAP stream beside it): a bad signature,
// a major version other than 1, a block that runs past the end of the file, an ID whose length the
// file's version does not give (from version 1.10 on, a block of an unknown ID begins with its
// length in four bytes) or a generalised data block whose tables do not fit it make the tape
// malformed.
Tape readTzx(std::string_view file);

// The tape's format version as it is written: "1.20", "1.02".
std::string versionText(unsigned major, unsigned minor);
std::string versionText(const Tape& tape);

// The TAP blocks of the tape's Entry blocks, joined in order: a TAP file.
std::string tapBytes(const Tape& tape);

// How many of the tape's blocks meet that fate.
std::size_t countOf(const Tape& tape, Fate fate);

// A block ID's name, such as "standard speed data" or "pure tone"; "unknown" for an ID that the
// format does not define.
std::string_view blockName(unsigned id);

// How messages name a block: "block 3 (ID 0x12, pure tone) at offset 1234", counted from 1.
std::string blockPlace(std::size_t number, unsigned id, std::uint64_t offset);

}  // namespace murax::tzx
