// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tapes made by tools we did not write (Debian's zmakebas, pasmo and fuse-emulator-utils'
// tapeconv), loaded by the editor's own start-up load and saved by its own Save: what the lines
// show must agree with what fuse-emulator-utils' tzxlist reads in the same file, and Open then
// Save must give the file back byte for byte.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/app_context.h"
#include "support/desktop_services.h"
#include "support/runtime_errors.h"
#include "tape/block_list.h"
#include "tape/add_command.h"
#include "tape/change_detection.h"
#include "tape/delete_command.h"
#include "tape/move_commands.h"
#include "tape/open_commands.h"
#include "tape/save_commands.h"
#include "tape/tap_decoding.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/fakes/fake_window.h"
#include "tests/realtapes/tzxlist_listing.h"

namespace murax::testing {
namespace {

namespace fs = std::filesystem;

// A tape made by a shell script from the tools it names; the script leaves it in tape.tap.
struct Recipe {
    const char* name;
    std::vector<std::string> tools;
    std::string script;
};

void PrintTo(const Recipe& recipe, std::ostream* out)
{
    *out << recipe.name;
}

const std::string kLoaderBasic = "printf '10 CLEAR 32767\\n20 LOAD \"\"CODE\\n30 RANDOMIZE USR 32768\\n' >loader.bas";
const std::string kLabelsBasic =
    "printf '@start:\\nPRINT \"MURAX\"\\nREAD a$\\nGO TO @start\\nDATA \"x\",1,2\\n' >labels.bas";
// One code byte 0xE5 makes the data block's checksum 0xFF ^ 0xE5 = 0x1A, the file's last byte.
const std::string kOneByteCode = "printf '\\tORG 32768\\n\\tDEFB 0E5h\\n' >code.asm";
const std::string kBorderCode =
    "printf '\\tORG 40000\\n\\tLD A,2\\n\\tOUT (254),A\\n\\tRET\\n\\tDEFS 300,0AAh\\n' >border.asm";

const std::vector<Recipe>& recipes()
{
    static const std::vector<Recipe> all = {
        {"zmakebas_program_with_autostart", {"zmakebas"},
         kLoaderBasic + " && zmakebas -a 10 -n loader -o tape.tap loader.bas"},
        {"zmakebas_program_without_autostart_and_a_long_name", {"zmakebas"},
         kLoaderBasic + " && zmakebas -n averylongname -o tape.tap loader.bas"},
        {"zmakebas_labels_and_data", {"zmakebas"},
         kLabelsBasic + " && zmakebas -l -a @start -n labels -o tape.tap labels.bas"},
        {"pasmo_code_ending_in_0x1a", {"pasmo"},
         kOneByteCode + " && pasmo --tap --name code code.asm tape.tap >/dev/null"},
        {"pasmo_basic_loader_and_code", {"pasmo"},
         kBorderCode + " && pasmo --tapbas border.asm tape.tap >/dev/null"},
        {"tapeconv_from_a_pasmo_tzx", {"pasmo", "tapeconv"},
         kBorderCode + " && pasmo --tzxbas border.asm border.tzx >/dev/null"
                       " && tapeconv border.tzx tape.tap"},
        {"several_tools_joined", {"zmakebas", "pasmo", "tapeconv"},
         kLoaderBasic + " && " + kOneByteCode + " && " + kBorderCode +
             " && zmakebas -a 10 -n loader -o a.tap loader.bas"
             " && pasmo --tzxbas border.asm b.tzx >/dev/null && tapeconv b.tzx b.tap"
             " && pasmo --tap code.asm c.tap >/dev/null && cat a.tap b.tap c.tap >tape.tap"},
        {"the_bundled_sample", {},
         "cp '" MURAX_SOURCE_DIR "/resources/sample/murax-demo.tap' tape.tap"},
    };
    return all;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The type column's text for tzxlist's name of the type.
std::string typeTextFor(const std::string& tzxlistWord)
{
    if (tzxlistWord == "Program") return "Program";
    if (tzxlistWord == "Bytes") return "Bytes";
    if (tzxlistWord == "Number Array") return "Number array";
    if (tzxlistWord == "Character Array") return "Character array";
    return "?" + tzxlistWord;
}

int numberIn(const std::string& line, std::size_t from)
{
    return std::stoi(line.substr(from, 5));
}

std::string trimmed(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Each test runs in a scratch folder of its own, which is the current directory, with the
// scripted desktop installed and a handler that abandons a failing command.
class ToolTapes : public ::testing::Test {
protected:
    FakeDesktop fake;
    AppContext app{fake};
    FakeWindow window{app};
    BlockList list;
    fs::path folder;

    void SetUp() override
    {
        if (!toolInstalled("tzxlist"))
            GTEST_SKIP() << "tzxlist (fuse-emulator-utils) is not installed";
        previousDirectory_ = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "murax-realtapes-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        fs::current_path(folder);
        previousHandler_ = installErrorHandler([](const ErrorRecord& record) -> ErrorResult {
            ADD_FAILURE() << "unexpected runtime error on " << record.FILENAME;
            throw CommandAbandoned{};
        });
    }

    void TearDown() override
    {
        if (folder.empty())
            return;
        installErrorHandler(previousHandler_);
        fs::current_path(previousDirectory_);
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    // Makes tape.tap with the recipe; false (and the test skipped) when a tool is missing.
    bool make(const Recipe& recipe)
    {
        for (const std::string& tool : recipe.tools)
            if (!toolInstalled(tool)) {
                missingTool_ = tool;
                return false;
            }
        int status = 0;
        runCommand("(" + recipe.script + ") 2>&1", status);
        EXPECT_EQ(status, 0) << recipe.script;
        return status == 0;
    }

    std::string missingTool_;

    std::vector<ListedBlock> tzxlist(const std::string& file)
    {
        int status = 0;
        const std::string listing = runCommand("tzxlist '" + file + "' 2>&1", status);
        EXPECT_EQ(status, 0) << listing;
        EXPECT_EQ(listing.find("FAIL"), std::string::npos) << listing;
        return parseTzxlist(listing);
    }

    // The editor's list of `file` against tzxlist's reading of it: one entry per header and its
    // data block or per lone data block, with the same names, types, start values and lengths.
    void expectListAgreesWithTzxlist(const std::string& file)
    {
        const std::vector<ListedBlock> blocks = tzxlist(file);
        ASSERT_FALSE(blocks.empty());
        std::size_t entry = 0;
        for (std::size_t b = 0; b < blocks.size(); ++b, ++entry) {
            ASSERT_LT(entry, list.count()) << "tzxlist lists more blocks than the editor's entries";
            const std::string line = list.lines()[entry].str();
            const ListedBlock& block = blocks[b];
            SCOPED_TRACE("entry " + std::to_string(entry + 1) + ": " + line);
            ASSERT_EQ(line.size(), 52u);
            std::size_t entryBytes = static_cast<std::size_t>(block.blockLength) + 2;
            if (block.header) {
                EXPECT_EQ(line.substr(0, 10), block.name);
                EXPECT_EQ(trimmed(line.substr(14, 15)), typeTextFor(block.typeWord));
                EXPECT_EQ(trimmed(line.substr(14, 15)), TIPO(std::string(1, static_cast<char>(block.typeByte))));
                EXPECT_EQ(numberIn(line, 36), block.parameter1);
                EXPECT_EQ(numberIn(line, 47), block.zxLength);
                // The header's entry also holds the block after it.
                if (b + 1 < blocks.size())
                    entryBytes += static_cast<std::size_t>(blocks[++b].blockLength) + 2;
            } else {
                EXPECT_EQ(line.substr(0, 29), std::string(14, ' ') + "Data block     ");
                EXPECT_EQ(line.substr(29, 12), std::string(12, ' '));
                EXPECT_EQ(numberIn(line, 47), block.dataLength);
            }
            EXPECT_EQ(list.entries()[entry].size(), entryBytes);
        }
        EXPECT_EQ(entry, list.count()) << "the editor shows entries tzxlist does not list";
    }

private:
    fs::path previousDirectory_;
    ErrorHandler previousHandler_;
};

class EachToolTape : public ToolTapes, public ::testing::WithParamInterface<Recipe> {};

TEST_P(EachToolTape, LinesAgreeWithTzxlistAndOpenThenSaveGivesTheFileBack)
{
    if (!make(GetParam()))
        GTEST_SKIP() << missingTool_ << " is not installed";
    const std::string original = readBytes(path("tape.tap"));
    ASSERT_FALSE(original.empty());

    // The start-up load, given the name without its extension as on the command line.
    const std::string argument = "tape";
    ASSERT_TRUE(startupLoad(app, &argument, list));
    EXPECT_EQ(list.currentFile, path("tape.tap"));
    expectListAgreesWithTzxlist(path("tape.tap"));

    fake.saveAnswers = {"copy"};
    SALVA(&window, list, true);
    EXPECT_EQ(readBytes(path("copy.tap")), original);
    EXPECT_EQ(list.currentFile, path("copy.tap"));
    SALVA(&window, list, false);
    EXPECT_EQ(readBytes(path("copy.tap")), original);
    EXPECT_FALSE(CAMBIATO(list));
    EXPECT_TRUE(fake.messages.empty()) << fake.messages.front().text;
}

INSTANTIATE_TEST_SUITE_P(Tools, EachToolTape, ::testing::ValuesIn(recipes()),
                         [](const auto& info) { return std::string(info.param.name); });

// Edits made in the editor leave a tape that another program reads block for block, every
// checksum still right: entries moved, deleted and inserted keep their blocks whole.
TEST_F(ToolTapes, EditedTapeReadsBackInTzxlistInTheNewOrder)
{
    const Recipe more = {"more", {"pasmo"},
                         kOneByteCode + " && pasmo --tap --name inserted code.asm more.tap >/dev/null"};
    if (!make(recipes()[6]) || !make(more))
        GTEST_SKIP() << missingTool_ << " is not installed";
    const std::string argument = path("tape.tap");
    ASSERT_TRUE(startupLoad(app, &argument, list));
    ASSERT_EQ(list.count(), 4u);
    const DisplayLines loaded = list.lines();

    window.list.setState(list.lines(), {3}, 3);
    SPOSTASU(window, list);
    window.list.setState(list.lines(), {1}, 1);
    fake.messageAnswers = {Desktop::Yes};
    ELIMINA(window, list);
    fake.openAnswers = {"more"};
    AGGIUNGI(window, list, true);
    fake.saveAnswers = {"edited"};
    SALVA(&window, list, true);

    ASSERT_EQ(list.count(), 4u);
    EXPECT_EQ(list.lines()[0].substr(0, 10), "inserted  ");
    EXPECT_EQ(list.lines()[1], loaded[2]);
    EXPECT_EQ(list.lines()[2], loaded[1]);
    EXPECT_EQ(list.lines()[3], loaded[3]);
    const std::vector<ListedBlock> blocks = tzxlist(path("edited.tap"));
    ASSERT_EQ(blocks.size(), 8u);
    EXPECT_EQ(blocks[0].name, "inserted  ");
    expectListAgreesWithTzxlist(path("edited.tap"));
}

}  // namespace
}  // namespace murax::testing
