// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Entries made from files: what each kind makes, read back through the format's own readers and
// checks, and the files refused, each with a message that names it and says why.

#include <gtest/gtest.h>

#include "tape/format/entry_bytes.h"
#include "tape/format/entry_checks.h"
#include "tape/format/header_fields.h"
#include "tape/make/entry_from_file.h"
#include "tape/make/tape_name.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax {
namespace {

struct Made {
    const char* path;
    std::string contents;
    FileEntryChoices choices;
    unsigned type, parameter1;
    std::string data;  // what the data block holds
};

class EntriesFromFiles : public ::testing::TestWithParam<Made> {};

TEST_P(EntriesFromFiles, ReadBackAsMadeAndPassEveryCheck)
{
    const Made& made = GetParam();
    const FileEntry entry = entryFromFile(made.path, made.contents, made.choices);
    ASSERT_EQ(entry.refusal, "");
    const auto header = decodeHeader(entry.bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->type, made.type);
    EXPECT_EQ(header->name, (made.choices.name + "          ").substr(0, 10));
    EXPECT_EQ(header->parameter1, made.parameter1);
    EXPECT_EQ(entryData(entry.bytes), made.data);
    EXPECT_TRUE(allPassed(entryVerdicts(factsOfEntry(entry.bytes))));
}

const std::string kPixels(6144, '\x55');
const std::string kCls("\x00\x0A\x02\x00\xFB\x0D", 6);  // 10 CLS
const std::string kScreen = kPixels + std::string(768, '\x47');

INSTANTIATE_TEST_SUITE_P(
    Kinds, EntriesFromFiles,
    ::testing::Values(
        Made{"s.scr", kScreen, {"screen", {}, 0}, 3, 16384, kScreen},
        Made{"pixels.SCR",
             kPixels,
             {"p", {}, 0},
             3,
             16384,
             kPixels + std::string(768, static_cast<char>(kScreenDefaultAttribute))},
        Made{"code.bin", "\x01\x02", {"code", {}, 40000}, 3, 40000, "\x01\x02"},
        Made{"top", "\xC9", {"", {}, 65535}, 3, 65535, "\xC9"},
        Made{"whole", std::string(65533, 'x'), {"w", {}, 0}, 3, 0, std::string(65533, 'x')},
        Made{"folder.bas/code", "z", {"z", {}, kDefaultCodeStart}, 3, kDefaultCodeStart, "z"},
        Made{"bom.bas",
             "\xEF\xBB\xBF"
             "10 CLS\r\n",
             {"bom", {}, 0},
             0,
             32768,
             kCls},
        Made{"loader.Txt", "10 CLS\n", {"loader", 10, 0}, 0, 10, kCls},
        Made{"loader.bas", "10 CLS\n", {"0123456789", {}, 0}, 0, 32768, kCls}));

struct Refused {
    const char* path;
    std::string contents;
    FileEntryChoices choices;
    const char* says;
};

class RefusedFiles : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedFiles, MakeNothingAndSayWhyNamingTheFile)
{
    const Refused& refused = GetParam();
    const FileEntry entry = entryFromFile(refused.path, refused.contents, refused.choices);
    EXPECT_EQ(entry.bytes, "");
    EXPECT_EQ(entry.refusal.rfind(std::string(refused.path) + ": ", 0), 0u) << entry.refusal;
    EXPECT_NE(entry.refusal.find(refused.says), std::string::npos) << entry.refusal;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedFiles,
    ::testing::Values(
        Refused{"empty.bin", "", {}, "empty"}, Refused{"empty.bas", "", {}, "empty"},
        Refused{"short.scr", std::string(6143, 'x'), {}, "6143"},
        Refused{"long.scr", std::string(6913, 'x'), {}, "not a screen"},
        Refused{"big.bin", std::string(65534, 'x'), {"b", {}, 0}, "at most 65533"},
        Refused{"past.bin", std::string(600, 'x'), {"p", {}, 65000}, "run past 65535 (to 65599)"},
        Refused{"one.bin", "xy", {"p", {}, 65535}, "run past 65535"},
        Refused{"start.bin", "x", {"p", {}, 65536}, "0 to 65535"},
        Refused{"name.bin", "x", {"eleven char", {}, 0}, "at most 10"},
        Refused{"a.bas", "10 CLS\n", {"a", 10000, 0}, "0 to 9999"},
        Refused{"binary.bas", std::string("10 CLS\0", 7), {}, "not text"},
        Refused{"notes.txt", "# only a comment\n\n", {}, "no program lines"},
        Refused{"bad.bas", "10 CLS\n20 PRINT \"x\n", {}, "line 2, column 10"}));

// From a path: read whole, or refused with the system's reason when it cannot be read.
TEST(EntryFromFileAt, ReadsTheFileOrSaysWhyNot)
{
    testing::ScratchFolder folder;
    testing::writeText(folder / "code.bin", "\x01\x02\x03");
    const FileEntryChoices choices{"code", {}, 40000};
    EXPECT_EQ(entryFromFileAt(folder / "code.bin", choices).bytes,
              entryFromFile("code.bin", "\x01\x02\x03", choices).bytes);
    for (const std::string& unreadable : {folder / "gone.bin", folder.path().string()}) {
        const FileEntry entry = entryFromFileAt(unreadable, choices);
        EXPECT_EQ(entry.bytes, "");
        EXPECT_EQ(entry.refusal.rfind(unreadable + ": cannot read it: ", 0), 0u) << entry.refusal;
    }
}

TEST(TapeName, TakesWhatTheRenameFieldTakes)
{
    EXPECT_EQ(tapeNameFromText("HELLO"), "HELLO");
    EXPECT_EQ(tapeNameFromText("£10 (c)é"),
              "\xA3"
              "10 (c)\xE9");
    EXPECT_EQ(tapeNameFromText("0123456789"), "0123456789");
    EXPECT_FALSE(tapeNameFromText("01234567890"));
    EXPECT_FALSE(tapeNameFromText("名前"));
    EXPECT_FALSE(tapeNameFromText("\xFF"));
    EXPECT_EQ(tapeNameForFile("/home/me/a.long-name.bas"), "a.long-nam");
    EXPECT_EQ(tapeNameForFile("C:\\games\\名.scr"), "");
    EXPECT_EQ(tapeNameForFile("loader"), "loader");
}

}  // namespace
}  // namespace murax
