// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// murax-list's walks over a TZX tape, from a file and from a pipe: the counts, the entry each
// block goes into, the entries listed and the TAP file written must be those of the tape read
// whole and its TAP bytes split whole, whatever the blocks.

#include "lister/tzx_listing.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <thread>

#include "lister/tape_listing.h"
#include "tape/format/display_charset.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tape/tzx/tzx_tap_stream.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/tzx/tzx_builder.h"

namespace murax::testing {
namespace {

// Data blocks of every kind and size (empty, a byte, headers whose flag byte is 0 and their data,
// more than a TAP block holds), with blocks that hold no data or no bytes between them.
std::string randomTzx(std::mt19937& random, int blocks, int largest = 3000)
{
    std::uniform_int_distribution<int> pick(0, 9), small(0, 20), size(0, largest);
    std::string body;
    for (int i = 0; i < blocks; ++i) {
        std::string bytes(static_cast<std::size_t>(pick(random) < 5 ? small(random) : size(random)),
                          static_cast<char>(i));
        if (!bytes.empty() && pick(random) < 4)
            bytes[0] = '\0';  // a flag byte that makes the block a header
        switch (pick(random)) {
        case 0:
            body += turboSpeed(bytes);
            break;
        case 1:
            body += pureData(bytes, pick(random) == 0 ? 3 : 8);
            break;
        case 2:
            body += generalisedData(bytes);
            break;
        case 3:
            body += idAnd(0x20, littleEndianBytes(1000, 2));
            break;
        case 4:
            body += idAnd(0x12, littleEndianBytes(2168, 2) + littleEndianBytes(3223, 2));
            break;
        case 5:
            body += pureData(std::string(largest < 3000 ? 1 : 70000, 'x'));
            break;
        default:
            body += standardSpeed(bytes);
            break;
        }
    }
    return tzxFile(body);
}

// The oracle: the tape read whole, its TAP bytes split whole.
struct Expected {
    tzx::Tape tape;
    std::string tap;
    std::vector<std::size_t> entryOfBlock;  // 0 for a block that becomes no entry
    std::string entryLines;
};

Expected expectedOf(const std::string& file)
{
    Expected expected{tzx::readTzx(file), {}, {}, {}};
    expected.tap = tzx::tapBytes(expected.tape);
    BlockList list;
    splitIntoEntries(expected.tap, list);
    for (std::size_t i = 0; i < list.count(); ++i)
        expected.entryLines += bytesToDisplayUtf8(list.lines()[i].view()) + "\n";
    std::size_t entry = 0, inEntry = 0;
    for (const tzx::Block& block : expected.tape.blocks) {
        if (block.fate != tzx::Fate::Entry) {
            expected.entryOfBlock.push_back(0);
            continue;
        }
        if (inEntry == 0)
            inEntry = list.entries()[entry++].size();
        inEntry -= block.tapBlock.size();
        expected.entryOfBlock.push_back(entry);
    }
    return expected;
}

// What `run` gives with a TzxTape read from the file, or from a pipe that a thread fills with it.
template <typename Run>
auto withTape(const std::string& path, const std::string& file, bool piped, Run run)
{
    int ends[2] = {-1, -1};
    std::thread writer;
    std::string name = path;
    if (piped) {
        EXPECT_EQ(::pipe(ends), 0);
        writer = std::thread([&] {
            for (std::size_t done = 0; done < file.size();) {
                const ssize_t wrote = ::write(ends[1], file.data() + done, file.size() - done);
                if (wrote <= 0)
                    break;
                done += static_cast<std::size_t>(wrote);
            }
            ::close(ends[1]);
        });
        name = "/dev/fd/" + std::to_string(ends[0]);
    }
    NativeFile input = NativeFile::openForReading(name);
    EXPECT_TRUE(input.isOpen());
    FileTapeSource source(input);
    EXPECT_TRUE(lister::isTzxTape(source));
    lister::TzxTape tape(input, source);
    auto result = run(tape);
    EXPECT_FALSE(tape.failed());
    if (piped) {
        writer.join();
        ::close(ends[0]);
    }
    return result;
}

std::string listingOf(lister::TzxTape& tape)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = ::open_memstream(&buffer, &size);
    lister::writeTzxListing(tape, out, false);
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// The listing against the oracle: the counts, each block's entry, then the entries.
void expectListing(const std::string& listing, const Expected& expected)
{
    std::istringstream lines(listing);
    std::string line;
    std::getline(lines, line);
    const std::string counts = std::to_string(expected.tape.blocks.size()) + " blocks, " +
                               std::to_string(tzx::countOf(expected.tape, tzx::Fate::Entry)) +
                               " converted";
    EXPECT_NE(line.find(counts), std::string::npos) << line << " against " << counts;
    std::getline(lines, line);  // the column heads
    for (std::size_t i = 0; i < expected.tape.blocks.size(); ++i) {
        ASSERT_TRUE(std::getline(lines, line)) << "no line for block " << i + 1;
        const std::size_t entry = expected.entryOfBlock[i];
        const std::string end = entry == 0 ? "" : "entry " + std::to_string(entry);
        EXPECT_EQ(std::stoul(line), i + 1);
        EXPECT_EQ(entry == 0, line.find("entry ") == std::string::npos) << line;
        EXPECT_TRUE(line.size() >= end.size() &&
                    line.compare(line.size() - end.size(), end.size(), end) == 0)
            << line << " against " << end;
    }
    std::string rest((std::istreambuf_iterator<char>(lines)), std::istreambuf_iterator<char>());
    EXPECT_EQ(rest, expected.tap.empty() ? "" : "\n" + expected.entryLines);
}

TEST(TzxListing, FileAndPipeListAsTheTapeReadWhole)
{
    ScratchFolder folder;
    std::mt19937 random(30);
    const std::string path = folder / "tape.tzx";
    // The last tapes have more block lines than the first walk keeps: they are walked again.
    for (const int blocks : {0, 1, 2, 5, 40, 40, 40, 300, 300, 40000}) {
        SCOPED_TRACE(blocks);
        const std::string file = randomTzx(random, blocks, blocks > 1000 ? 20 : 3000);
        writeText(path, file);
        const Expected expected = expectedOf(file);
        ASSERT_FALSE(expected.tape.malformed);
        for (const bool piped : {false, true}) {
            SCOPED_TRACE(piped ? "pipe" : "file");
            expectListing(withTape(path, file, piped, listingOf), expected);
            const std::string tap = withTape(path, file, piped, lister::tapBytesOf);
            EXPECT_TRUE(tap == expected.tap) << "the TAP bytes differ";
            const std::size_t entries =
                std::count(expected.entryLines.begin(), expected.entryLines.end(), '\n');
            std::size_t count = 0;
            const auto last = withTape(path, file, piped, [&](lister::TzxTape& tape) {
                tzx::TapStream converted(tape.newPass(), tape.size());
                return lister::readEntry(converted, entries, count);
            });
            EXPECT_EQ(last.has_value(), entries > 0);
            if (last) {
                EXPECT_TRUE(expected.tap.ends_with(*last)) << "the last entry differs";
            }
        }
    }
}

TEST(TzxListing, AMalformedTapeListsItsBlocksUpToTheFaultAndNoEntries)
{
    ScratchFolder folder;
    std::mt19937 random(31);
    const std::string whole = randomTzx(random, 30);
    const std::string path = folder / "cut.tzx";
    for (const std::size_t cut : {whole.size() - 1, whole.size() / 2, std::size_t{12}}) {
        SCOPED_TRACE(cut);
        const std::string file = whole.substr(0, cut);
        writeText(path, file);
        const Expected expected = expectedOf(file);
        ASSERT_TRUE(expected.tape.malformed);
        const auto [listing, fault] = withTape(path, file, false, [](lister::TzxTape& tape) {
            return std::pair(listingOf(tape), tape.summary().malformed);
        });
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->what, expected.tape.malformed->what);
        const std::size_t lines = std::count(listing.begin(), listing.end(), '\n');
        EXPECT_EQ(lines, expected.tape.blocks.size() + (expected.tape.blocks.empty() ? 1 : 2));
    }
}

// A file cut short after murax-list took its size is read as far as it reaches now, never past
// its end, and the walk names where it ended.
TEST(TzxListing, AFileThatShrankWhileItWasReadEndsItsWalkWithAFault)
{
    ScratchFolder folder;
    std::mt19937 random(32);
    const std::string file = randomTzx(random, 600);
    const std::string path = folder / "shrinking.tzx";
    writeText(path, file);
    NativeFile input = NativeFile::openForReading(path);
    FileTapeSource source(input);
    ASSERT_TRUE(lister::isTzxTape(source));
    lister::TzxTape tape(input, source);
    std::filesystem::resize_file(path, file.size() / 3);
    const std::string listing = listingOf(tape);
    ASSERT_TRUE(tape.summary().malformed);
    EXPECT_NE(tape.summary().malformed->what.find("ended"), std::string::npos)
        << tape.summary().malformed->what;
    EXPECT_LT(std::count(listing.begin(), listing.end(), '\n'), 600);
}

}  // namespace
}  // namespace murax::testing
