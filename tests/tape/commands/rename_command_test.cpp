// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/rename_command.h"

#include "tape/model/change_detection.h"
#include "tests/tape/commands/command_fixture.h"

namespace murax::testing {
namespace {

using Rename = CommandTest;

std::string nameOf(const std::string& entry)
{
    return entry.substr(4, 10);
}

bool headerChecksumHolds(const std::string& entry)
{
    return xorOf(entry.substr(2, 19)) == std::string(1, '\0');
}

// A header whose stored checksum is wrong, followed by its data.
std::string headerWithWrongChecksum(const std::string& name)
{
    std::string h = header(3, name, 3, 32768);
    h[20] = static_cast<char>(h[20] ^ 0x55);
    return h;
}

TEST_F(Rename, NewNameIsPaddedAndTheChecksumRecomputed)
{
    const std::string payload = data("\x01\x02\x1A");
    open("game.tap", lone(1) + header(0, "OLDNAME", 3) + payload + lone(2), {2}, 2);
    const std::string oldLine = list.lines()[1].str();
    window.nameAnswers.push_back("AB");

    MODIFICA(window, list);

    ASSERT_EQ(window.nameRequests.size(), 1u);
    EXPECT_EQ(window.nameRequests[0].fieldText, "OLDNAME");
    EXPECT_EQ(window.nameRequests[0].maxLength, 10u);
    const std::string& entry = list.entries()[1];
    EXPECT_EQ(nameOf(entry), "AB        ");
    EXPECT_TRUE(headerChecksumHolds(entry));
    EXPECT_EQ(entry.substr(21), payload);
    EXPECT_EQ(list.lines()[1], "AB        " + oldLine.substr(10));
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{2});
    EXPECT_EQ(window.list.currentPosition(), 2);
    expectListInStep();
    EXPECT_TRUE(window.statusTexts.empty());
    EXPECT_TRUE(window.titles.empty());
}

TEST_F(Rename, OnlyTheFocusRowIsRenamed)
{
    open("game.tap", header(0, "ONE") + data("abc") + header(0, "TWO") + data("abc"), {1, 2}, 1);
    window.nameAnswers.push_back("NEW");
    MODIFICA(window, list);
    EXPECT_EQ(nameOf(list.entries()[0]), "NEW       ");
    EXPECT_EQ(nameOf(list.entries()[1]), "TWO       ");
    EXPECT_EQ(window.list.selectedPositions(), std::vector<int>{1});
}

TEST_F(Rename, UntouchedNameMendsAWrongChecksumAndCountsAsAChange)
{
    open("game.tap", headerWithWrongChecksum("SAME") + data("abc"), {1}, 1);
    EXPECT_FALSE(CAMBIATO(list));
    window.nameAnswers.push_back("SAME");
    MODIFICA(window, list);
    EXPECT_EQ(nameOf(list.entries()[0]), "SAME      ");
    EXPECT_TRUE(headerChecksumHolds(list.entries()[0]));
    EXPECT_TRUE(CAMBIATO(list));
}

TEST_F(Rename, UntouchedNameWithACorrectChecksumIsNoChange)
{
    open("game.tap", header(0, "SAME") + data("abc"), {1}, 1);
    window.nameAnswers.push_back("SAME");
    MODIFICA(window, list);
    EXPECT_FALSE(CAMBIATO(list));
}

TEST_F(Rename, NameWithAZeroByteShowsWhatPrecedesIt)
{
    open("game.tap", header(0, std::string("AB\0DEFGHIJ", 10)) + data("x"), {1}, 1);
    window.nameAnswers.push_back("AB");
    MODIFICA(window, list);
    EXPECT_EQ(window.nameRequests.at(0).fieldText, "AB");
    EXPECT_EQ(nameOf(list.entries()[0]), "AB        ");
    EXPECT_TRUE(headerChecksumHolds(list.entries()[0]));
}

TEST_F(Rename, AllSpacesShowsAnEmptyFieldAndAnEmptyFieldWritesSpaces)
{
    open("game.tap", header(0, "") + data("x"), {1}, 1);
    window.nameAnswers.push_back("");
    MODIFICA(window, list);
    EXPECT_EQ(window.nameRequests.at(0).fieldText, "");
    EXPECT_EQ(nameOf(list.entries()[0]), std::string(10, ' '));
    EXPECT_FALSE(CAMBIATO(list));
}

TEST_F(Rename, TextLongerThanTheNameIsCut)
{
    open("game.tap", header(0, "X") + data("x"), {1}, 1);
    window.nameAnswers.push_back("ABCDEFGHIJKLMN");
    MODIFICA(window, list);
    EXPECT_EQ(nameOf(list.entries()[0]), "ABCDEFGHIJ");
    EXPECT_EQ(list.entries()[0].size(), 21u + data("x").size());
}

TEST_F(Rename, CancelLeavesEverythingAsItWas)
{
    const std::string bytes = header(0, "KEEP") + data("x") + lone(1);
    open("game.tap", bytes, {1, 2}, 1);
    window.nameAnswers.push_back(std::nullopt);
    MODIFICA(window, list);
    EXPECT_EQ(window.nameRequests.size(), 1u);
    EXPECT_EQ(joinEntries(list), bytes);
    EXPECT_EQ(window.list.reloads, 0);
    EXPECT_EQ(window.list.selectedPositions(), (std::vector<int>{1, 2}));
}

TEST_F(Rename, RefusesSilentlyWhatIsNotACompleteStandardHeader)
{
    // Flag 0 but a 17-byte block: offset 20 lies in the next block.
    std::string shortBlock(1, '\0');
    shortBlock += std::string(16, 'h');
    const std::string odd = framed(shortBlock) + data("abcdef");
    // A header cut off by the end of the file.
    const std::string cut = header(0, "CUT").substr(0, 15);
    const std::vector<std::string> refused = {lone(1), odd, framed(std::string(40, '\0')), cut};
    for (const auto& bytes : refused) {
        open("game.tap", bytes, {1}, 1);
        window.nameAnswers.push_back("NEW");
        MODIFICA(window, list);
        EXPECT_TRUE(window.nameRequests.empty());
        EXPECT_EQ(joinEntries(list), bytes);
        EXPECT_EQ(window.list.reloads, 0);
        window.nameAnswers.clear();
    }

    open("empty.tap", "");
    MODIFICA(window, list);
    EXPECT_TRUE(window.nameRequests.empty());
}

}  // namespace
}  // namespace murax::testing
