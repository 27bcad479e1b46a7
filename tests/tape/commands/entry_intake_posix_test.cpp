// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <limits>

#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"

#include "tests/support/helpers/address_space_limit.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

// Four million entries of four zero bytes each: 16 MiB of bytes, over 300 MiB in the list.
constexpr std::size_t kZeroEntries = std::size_t{1} << 22;
constexpr std::uint64_t kRoom = std::uint64_t{96} << 20;

class EntryIntakeUnderALimit : public CommandTest {
protected:
    void SetUp() override
    {
        // The base first: its TearDown, which runs after a skip too, puts back what it set up.
        CommandTest::SetUp();
        if (!kAddressSpaceLimitsWork)
            GTEST_SKIP() << kNoAddressSpaceLimit;
        open("main.tap", tapeOf({1, 2}), {1}, 1);
        zeros = write("zeros.tap", std::string(kZeroEntries * 4, '\0'));
    }

    std::string zeros;

    // Under the limit: the command is refused with `told` (or a text that begins with it, when
    // `toldBegins`), the list and its history stay as they were, and a small paste still goes in
    // afterwards. What was not so, or "".
    std::string refusedUnderTheLimit(const std::function<void()>& command, const std::string& told,
                                     bool toldBegins = false)
    {
        std::string report;
        const auto check = [&report](bool holds, const char* what) {
            if (!holds)
                report += std::string(what) + "; ";
        };
        command();
        check(fake.messages.size() == 1, "not told once");
        if (!fake.messages.empty())
            check(toldBegins ? fake.messages.back().text.rfind(told, 0) == 0
                             : fake.messages.back().text == told,
                  ("told: " + fake.messages.back().text).c_str());
        check(tags() == std::vector<int>{1, 2}, "the list changed");
        check(window.list.reloads == 0 && window.list.focus == 1, "the rows changed");
        check(!list.history().canUndo(), "a step was left");
        fake.clipboard = {{"application/x-spectrum-tap", lone(3)}};
        INCOLLA(window, list);
        check(tags() == std::vector<int>{3, 1, 2}, "a small paste did not go in afterwards");
        return report;
    }
};

// The estimate, on the process's own headroom, refuses before anything is made.
TEST_F(EntryIntakeUnderALimit, AnAddThatCannotFitIsRefusedBeforeItBegins)
{
    const std::string report = runWithAddressSpaceLimit(kRoom, [&] {
        fake.openAnswers = {zeros};
        return refusedUnderTheLimit(
            [&] { AGGIUNGI(window, list, true); },
            "Not enough memory for the 4194304 blocks of " + zeros + ".\r\nThey need about ", true);
    });
    EXPECT_EQ(report, "");
}

// When the estimate lets a command through that then cannot get its memory, the failed
// allocation is a refusal too, not the end of the program.
TEST_F(EntryIntakeUnderALimit, AFailedAllocationIsARefusalToo)
{
    fake.headroom = std::numeric_limits<std::uint64_t>::max();
    const std::string clipboard(kZeroEntries * 4, '\0');
    for (const bool paste : {true, false}) {
        SCOPED_TRACE(paste ? "paste" : "add");
        const std::string report = runWithAddressSpaceLimit(kRoom, [&] {
            if (paste) {
                fake.clipboard = {{"application/x-spectrum-tap", clipboard}};
                return refusedUnderTheLimit([&] { INCOLLA(window, list); },
                                            "Not enough memory for the 4194304 blocks of the "
                                            "clipboard.");
            }
            fake.openAnswers = {zeros};
            return refusedUnderTheLimit(
                [&] { AGGIUNGI(window, list, false); },
                "Not enough memory for the 4194304 blocks of " + zeros + ".");
        });
        EXPECT_EQ(report, "");
    }
}

}  // namespace
}  // namespace murax::testing
