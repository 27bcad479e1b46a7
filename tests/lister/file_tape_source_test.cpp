// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list's reading of a tape from a file and from a pipe: the entries, lines and verdicts
// must be those of the whole-file split, whatever the sizes of the blocks and the gaps the
// reader jumps over or reads through.

#include "tape/format/file_tape_source.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "lister/tape_listing.h"
#include "tape/format/display_charset.h"
#include "tape/format/entry_checks.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {
namespace {

// Blocks from a few bytes to the largest a length field allows, so that the reader meets both
// short gaps (read through) and long ones (jumped over), lone data blocks among them, and a tape
// that may end anywhere.
std::string tapeWithLargeBlocks(std::mt19937& random)
{
    std::uniform_int_distribution<unsigned> size(0, 65533), small(0, 40), pick(0, 3);
    std::string tape;
    for (int i = 0; i < 12; ++i) {
        const unsigned length = pick(random) == 0 ? small(random) : size(random);
        std::string payload(length, static_cast<char>(i));
        if (pick(random) == 1)
            tape += dataBlock(payload);
        else
            tape += headerBlock(3, "big", length, 32768, 0) + dataBlock(payload);
    }
    if (pick(random) == 0)
        tape.resize(std::uniform_int_distribution<std::size_t>(0, tape.size())(random));
    return tape;
}

// What murax-list must print, from the whole-file split and the in-memory checks.
std::string expectedListing(const std::string& tape, bool check)
{
    BlockList list;
    splitIntoEntries(tape, list);
    std::string text;
    for (std::size_t i = 0; i < list.count(); ++i) {
        std::string line = bytesToDisplayUtf8(list.lines()[i].view());
        if (check) {
            line.append(52 - list.lines()[i].view().size() + 2, ' ');
            line += verdictColumn(entryVerdicts(factsOfEntry(list.entries()[i])));
        }
        text += line + "\n";
    }
    return text;
}

std::string writeTape(const ScratchFolder& folder, const std::string& tape)
{
    const std::string path = folder / "tape.tap";
    writeText(path, tape);
    return path;
}

// What `read` gives from a pipe that a thread fills with `tape`; the thread stops where the
// reader leaves off.
template <typename Read>
auto throughPipe(const std::string& tape, Read read)
{
    std::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    EXPECT_EQ(::pipe(ends), 0);
    std::thread writer([&] {
        std::size_t done = 0;
        while (done < tape.size()) {
            const ssize_t wrote = ::write(ends[1], tape.data() + done, tape.size() - done);
            if (wrote <= 0)
                break;
            done += static_cast<std::size_t>(wrote);
        }
        ::close(ends[1]);
    });
    auto result = read(ends[0]);
    ::close(ends[0]);
    writer.join();
    return result;
}

template <typename Read>
auto throughFile(const std::string& path, Read read)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    auto result = read(fd);
    ::close(fd);
    return result;
}

std::string listingThrough(int fd, bool check)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = ::open_memstream(&buffer, &size);
    NativeFile file = NativeFile::openForReading("/dev/fd/" + std::to_string(fd));
    EXPECT_TRUE(file.isOpen());
    FileTapeSource source(file);
    lister::writeListing(source, out, check);
    EXPECT_FALSE(source.failed());
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Entry `number` as murax-list reads it, or "none of N" when the tape has N entries only.
std::string entryThrough(int fd, std::size_t number)
{
    NativeFile file = NativeFile::openForReading("/dev/fd/" + std::to_string(fd));
    FileTapeSource source(file);
    std::size_t count = 0;
    const auto entry = lister::readEntry(source, number, count);
    EXPECT_FALSE(source.failed());
    return entry ? *entry : "none of " + std::to_string(count);
}

TEST(FileTapeSource, FileAndPipeListAsTheWholeFileSplit)
{
    ScratchFolder folder;
    std::mt19937 random(1515);
    for (int round = 0; round < 24; ++round) {
        const std::string tape = tapeWithLargeBlocks(random);
        const std::string path = writeTape(folder, tape);
        for (const bool check : {false, true}) {
            const std::string expected = expectedListing(tape, check);
            const auto list = [check](int fd) { return listingThrough(fd, check); };
            EXPECT_EQ(throughFile(path, list), expected) << "file, round " << round;
            EXPECT_EQ(throughPipe(tape, list), expected) << "pipe, round " << round;
        }
    }
}

// A tape whose second entry, a header with its data, starts `offset` bytes in, after a lone data
// block; a third entry follows.
std::string secondEntryAt(std::size_t offset)
{
    return dataBlock(std::string(offset - 4, 'p')) + headerBlock(3, "near", 3, 32768, 0) +
           dataBlock("abc") + dataBlock("after");
}

TEST(FileTapeSource, ReadEntryGivesAnEntrysExactBytes)
{
    ScratchFolder folder;
    std::mt19937 random(7);
    // Entries whose start lies just before the end of the reader's first 64 KiB, where finding
    // their end moves the reader past their start: after a lone block, and after a flag-0 block
    // of the greatest length, which takes the block after it into its entry.
    std::vector<std::string> tapes{tapeWithLargeBlocks(random)};
    for (std::size_t offset = 65510; offset <= 65522; ++offset)
        tapes.push_back(secondEntryAt(offset));
    tapes.push_back(framed(std::string(65535, '\0')) + dataBlock("abc") + secondEntryAt(40));
    for (const std::string& tape : tapes) {
        BlockList list;
        splitIntoEntries(tape, list);
        const std::string path = writeTape(folder, tape);
        for (std::size_t number = 1; number <= list.count() + 1; ++number) {
            const std::string expected = number <= list.count()
                                             ? std::string(list.entries()[number - 1])
                                             : "none of " + std::to_string(list.count());
            const auto read = [number](int fd) { return entryThrough(fd, number); };
            for (const auto& [from, got] : {std::pair{"file", throughFile(path, read)},
                                            std::pair{"pipe", throughPipe(tape, read)}})
                EXPECT_TRUE(got == expected)
                    << from << ", entry " << number << " of a tape of " << tape.size()
                    << " bytes: " << got.size() << " bytes, not " << expected.size();
        }
    }
}

}  // namespace
}  // namespace murax::testing
