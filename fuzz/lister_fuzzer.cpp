// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: murax-list's streaming reader against the whole-file split. The input is a
// tape, either its bytes as they are or a recipe for one of up to several hundred KiB (headers,
// data blocks of any length, screens, blocks that end just short of a 64 KiB boundary, a cut
// end), and an entry number. Read from a file and from a pipe, the listing, the checked listing
// and every mode that shows or writes one entry must give exactly what they give from the
// entries that splitting the whole file yields.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "lister/entry_commands.h"
#include "lister/tape_listing.h"
#include "tape/format/display_charset.h"
#include "tape/format/entry_checks.h"
#include "tape/format/file_tape_source.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"

namespace murax::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLargestTape = 512 << 10;
constexpr std::size_t kMostBlocks = 48;
// The width of a complete entry's line, after which the verdicts follow.
constexpr std::size_t kLineWidth = 52;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "lister_fuzzer: %s\n", what.c_str());
    std::abort();
}

void appendWord(std::string& bytes, unsigned word)
{
    bytes += static_cast<char>(word & 0xFF);
    bytes += static_cast<char>((word >> 8) & 0xFF);
}

// A block with its length field: the flag, the payload and a checksum, sound or not.
void appendBlock(std::string& tape, char flag, const std::string& payload, bool soundChecksum)
{
    std::string block = flag + payload;
    char checksum = 0;
    for (const char c : block)
        checksum = static_cast<char>(checksum ^ c);
    block += soundChecksum ? checksum : static_cast<char>(~checksum);
    appendWord(tape, static_cast<unsigned>(block.size()));
    tape += block;
}

std::string noise(std::size_t size, std::uint32_t seed)
{
    std::minstd_rand random(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

// A tape built block by block from the input's choices.
std::string tapeFromRecipe(FuzzedDataProvider& in)
{
    std::string tape;
    for (std::size_t blocks = 0; blocks < kMostBlocks && in.remaining_bytes() > 0; ++blocks) {
        const bool sound = in.ConsumeIntegralInRange(0, 7) != 0;
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: {  // a header: type, name, data length, parameters
            std::string header(1, static_cast<char>(in.ConsumeIntegralInRange(0, 4)));
            std::string name = in.ConsumeBytesAsString(10);
            name.resize(10, ' ');
            header += name;
            for (int word = 0; word < 3; ++word)
                appendWord(header, in.ConsumeIntegral<std::uint16_t>());
            appendBlock(tape, '\0', header, sound);
            break;
        }
        case 1:  // data of any length, a flag of any value
            appendBlock(tape, static_cast<char>(in.ConsumeIntegral<std::uint8_t>()),
                        noise(in.ConsumeIntegralInRange<std::size_t>(0, 65533),
                              in.ConsumeIntegral<std::uint32_t>()),
                        sound);
            break;
        case 2:  // a screen, with or without its attributes
            appendBlock(tape, '\xFF',
                        noise(in.ConsumeBool() ? 6912 : 6144, in.ConsumeIntegral<std::uint32_t>()),
                        sound);
            break;
        case 3: {  // a lone block that ends up to 40 bytes short of a 64 KiB boundary
            const std::size_t boundary = (tape.size() / 65536 + 1) * 65536;
            const std::size_t end = boundary - in.ConsumeIntegralInRange<std::size_t>(0, 40);
            if (end >= tape.size() + 4 && end - tape.size() - 4 <= 65533)
                appendBlock(tape, '\xFF', std::string(end - tape.size() - 4, 'p'), true);
            break;
        }
        case 4:  // bytes as they come
            tape += in.ConsumeBytesAsString(in.ConsumeIntegralInRange<std::size_t>(0, 24));
            break;
        default:  // a length field that promises more than follows, or no block at all
            appendWord(tape, in.ConsumeIntegral<std::uint16_t>());
            break;
        }
        if (tape.size() > kLargestTape)
            break;
    }
    return tape;
}

// What a run of murax-list gives: its status, its standard output and its message.
struct Outcome {
    bool found = true;  // for the modes of one entry
    int status = 0;
    std::string out;
    std::string reason;
    bool operator==(const Outcome&) const = default;
};

std::string describe(const Outcome& outcome)
{
    return (outcome.found ? "" : "no entry, ") + std::to_string(outcome.status) + ", " +
           std::to_string(outcome.out.size()) + " bytes out, \"" + outcome.reason + "\"";
}

// Captures what a step writes to a stream.
template <typename Step>
std::string captured(Step step)
{
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* out = ::open_memstream(&buffer, &size);
    step(out);
    std::fclose(out);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

// Where the tape comes from on the streaming side.
enum class Medium { File, Pipe };

class Workspace {
public:
    Workspace()
    {
        std::string pattern = (fs::temp_directory_path() / "murax-lister-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            fail("cannot make a scratch folder");
        folder_ = pattern;
        // A pipe whose reader stopped early must not end the program.
        std::signal(SIGPIPE, SIG_IGN);
    }
    ~Workspace()
    {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    void setTape(const std::string& tape)
    {
        tape_ = tape;
        std::ofstream(tapePath(), std::ios::binary | std::ios::trunc)
            .write(tape.data(), static_cast<std::streamsize>(tape.size()));
    }

    // Runs `read` on a source of the tape through `medium`.
    template <typename Read>
    Outcome through(Medium medium, Read read) const
    {
        if (medium == Medium::File) {
            NativeFile file = NativeFile::openForReading(tapePath());
            return readFrom(file, read);
        }
        int ends[2];
        if (::pipe(ends) != 0)
            fail("no pipe");
        std::thread writer([&] {
            for (std::size_t done = 0; done < tape_.size();) {
                const ssize_t wrote = ::write(ends[1], tape_.data() + done, tape_.size() - done);
                if (wrote <= 0)
                    break;
                done += static_cast<std::size_t>(wrote);
            }
            ::close(ends[1]);
        });
        Outcome outcome;
        {
            // Every reading end closes before the join: a reader that stopped early must leave
            // the writer an error, not a pipe that blocks it for ever.
            NativeFile file = NativeFile::openForReading("/dev/fd/" + std::to_string(ends[0]));
            outcome = readFrom(file, read);
        }
        ::close(ends[0]);
        writer.join();
        return outcome;
    }

private:
    std::string tapePath() const { return (folder_ / "tape.tap").string(); }

    template <typename Read>
    static Outcome readFrom(NativeFile& file, Read read)
    {
        if (!file.isOpen())
            fail("cannot open the tape");
        FileTapeSource source(file);
        Outcome outcome = read(source);
        if (source.failed())
            fail("reading the tape failed");
        return outcome;
    }

    fs::path folder_;
    std::string tape_;
};

Outcome listing(TapeSource& source, bool check)
{
    Outcome outcome;
    outcome.out = captured(
        [&](std::FILE* out) { outcome.status = lister::writeListing(source, out, check) ? 0 : 1; });
    return outcome;
}

// One entry's mode on its bytes, its picture and data written to standard output.
Outcome onEntry(ExportForm form, const std::optional<std::string>& entry)
{
    Outcome outcome;
    if (!entry) {
        outcome.found = false;
        return outcome;
    }
    outcome.out = captured([&](std::FILE* out) {
        const lister::ActionOutcome done =
            lister::writeEntryForm(form, *entry, std::string(lister::kStandardOutput), out);
        outcome.status = done.status;
        outcome.reason = done.reason;
    });
    return outcome;
}

void compare(const Outcome& streamed, const Outcome& split, const std::string& what)
{
    if (!(streamed == split))
        fail(what + ": streamed " + describe(streamed) + ", split " + describe(split));
}

void checkTape(Workspace& workspace, const std::string& tape, std::size_t number)
{
    workspace.setTape(tape);
    BlockList split;
    splitIntoEntries(tape, split);
    const char* const media[] = {"file", "pipe"};

    for (const bool check : {false, true}) {
        // The split's lines, each with its entry's verdicts after it when checked.
        Outcome expected;
        for (std::size_t i = 0; i < split.count(); ++i) {
            const std::string_view line = split.lines()[i].view();
            expected.out += bytesToDisplayUtf8(line);
            if (check) {
                const std::vector<Verdict> verdicts =
                    entryVerdicts(factsOfEntry(split.entries()[i]));
                expected.out +=
                    std::string(kLineWidth + 2 - std::min(kLineWidth, line.size()), ' ');
                expected.out += verdictColumn(verdicts);
                expected.status = allPassed(verdicts) ? expected.status : 1;
            }
            expected.out += '\n';
        }
        for (const Medium medium : {Medium::File, Medium::Pipe})
            compare(workspace.through(medium,
                                      [&](TapeSource& source) { return listing(source, check); }),
                    expected,
                    std::string(check ? "checked listing" : "listing") + " from a " +
                        media[static_cast<int>(medium)]);
    }

    const std::optional<std::string> wanted =
        number <= split.count() ? std::optional<std::string>(split.entries()[number - 1])
                                : std::nullopt;
    for (const auto form : {ExportForm::HexDump, ExportForm::BasicListing, ExportForm::Disassembly,
                            ExportForm::DataBytes, ExportForm::ScreenPng}) {
        const Outcome expected = onEntry(form, wanted);
        for (const Medium medium : {Medium::File, Medium::Pipe}) {
            std::size_t count = 0;
            const Outcome streamed = workspace.through(medium, [&](TapeSource& source) {
                return onEntry(form, lister::readEntry(source, number, count));
            });
            const std::string what = "form " + std::to_string(static_cast<int>(form)) +
                                     " on entry " + std::to_string(number) + " of " +
                                     std::to_string(split.count()) + " from a " +
                                     media[static_cast<int>(medium)];
            compare(streamed, expected, what);
            if (!wanted && count != split.count())
                fail(what + ": the tape said to have " + std::to_string(count) + " entries");
        }
    }
}

}  // namespace
}  // namespace murax::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static murax::fuzz::Workspace workspace;
    FuzzedDataProvider in(data, size);
    // Taken from the input's end, so that a tape file given as a seed is read as a tape.
    const auto number = in.ConsumeIntegralInRange<std::size_t>(1, 64);
    const bool recipe = in.ConsumeBool();
    const std::string tape =
        recipe ? murax::fuzz::tapeFromRecipe(in) : in.ConsumeRemainingBytesAsString();
    murax::fuzz::checkTape(workspace, tape, number);
    return 0;
}
