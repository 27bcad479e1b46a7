// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>

#include "tape/commands/clipboard_commands.h"
#include "tape/model/entry_intake.h"

#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using EntryIntakeTest = CommandTest;

// The count comes from the length fields alone and must be the split's to the entry, whatever
// the bytes: a wrong count would let a tape through that cannot fit, or refuse one that can.
TEST(EntryTallyTest, CountsTheEntriesTheSplitMakes)
{
    const std::string tapes[] = {
        "",
        std::string(4000, '\0'),                        // zero-length blocks paired as headers
        lone(1) + lone(2) + headerEntry("code", 3000),  // entries kept on the heap
        headerEntry("cut", 50).substr(0, 40),           // cut short in the data block
        std::string("\x13", 1),                         // a lone byte
        headerBlock(3, "alone", 4, 0, 0) + lone(1) + "\xFF",
    };
    for (const std::string& tape : tapes) {
        BlockList split;
        splitIntoEntries(tape, split);
        std::uint64_t heapBytes = 0;
        for (const std::string& entry : split.entries())
            heapBytes += BlockList::heapBytesOfEntry(entry.size());
        const EntryTally tally = tallyEntries(tape);
        EXPECT_EQ(tally.entries, split.count()) << tape.size();
        EXPECT_EQ(tally.heapBytes, heapBytes) << tape.size();
    }
    EXPECT_EQ(tallyEntries(std::string(4000, '\0')).entries, 1000u);
    EXPECT_EQ(BlockList::heapBytesOfEntry(3), 0u);
    EXPECT_GE(BlockList::heapBytesOfEntry(3000), 3001u);
}

// Every command that takes in another tape's entries counts what they will cost first and is
// refused, with the list, its rows and its history as they were, when the memory cannot be had;
// the start-up load says the same and ends.
TEST_F(EntryIntakeTest, EveryCommandThatTakesInEntriesIsRefusedWhenTheMemoryCannotBeHad)
{
    const std::string many = tapeOf({3, 4, 5, 6, 7, 8, 9});
    struct Command {
        std::string what;
        std::string source;  // as the message names it
        std::function<void()> run;
    };
    const std::string file = path("many.tap");
    std::vector<Command> commands;
    for (const FileCommand& command : commandsTakingAFile())
        commands.push_back({command.what, file, [run = command.run, file] { run(file); }});
    commands.push_back({"paste", "the clipboard", [&] {
                            fake.clipboard = {{"application/x-spectrum-tap", many}};
                            INCOLLA(window, list);
                        }});
    for (const Command& command : commands) {
        for (const bool enough : {false, true}) {
            SCOPED_TRACE(command.what + (enough ? " with enough memory" : ""));
            open("main.tap", tapeOf({1, 2}), {1}, 1);
            write("many.tap", many);
            window.list.log.clear();
            fake.messages.clear();
            fake.headroom = enough ? std::nullopt : std::optional<std::uint64_t>(100);
            startedUp = false;
            command.run();
            if (enough) {
                EXPECT_TRUE(fake.messages.empty());
                // The list took the entries in, or the start-up load went through.
                EXPECT_TRUE(joinEntries(list) != tapeOf({1, 2}) || startedUp);
                continue;
            }
            expectRefused("Not enough memory for the 7 blocks of " + command.source +
                              ".\r\nThey need about 1 MB.",
                          {1, 2});
            EXPECT_FALSE(startedUp);
        }
    }
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace murax::testing
