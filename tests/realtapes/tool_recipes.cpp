// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/realtapes/tool_recipes.h"

#include <cstddef>
#include <sstream>
#include <stdexcept>

namespace murax::testing {

namespace {

const std::string kLoaderBasic =
    "printf '10 CLEAR 32767\\n20 LOAD \"\"CODE\\n30 RANDOMIZE USR 32768\\n' >loader.bas";
const std::string kLabelsBasic =
    "printf '@start:\\nPRINT \"MURAX\"\\nREAD a$\\nGO TO @start\\nDATA \"x\",1,2\\n' >labels.bas";
// One code byte 0xE5 makes the data block's checksum 0xFF ^ 0xE5 = 0x1A, the file's last byte.
const std::string kOneByteCode = "printf '\\tORG 32768\\n\\tDEFB 0E5h\\n' >code.asm";
const std::string kBorderCode =
    "printf '\\tORG 40000\\n\\tLD A,2\\n\\tOUT (254),A\\n\\tRET\\n\\tDEFS 300,0AAh\\n' >border.asm";

// The type column's text for tzxlist's name of the type.
std::string typeTextFor(const std::string& tzxlistWord)
{
    if (tzxlistWord == "Program")
        return "Program";
    if (tzxlistWord == "Bytes")
        return "Bytes";
    if (tzxlistWord == "Number Array")
        return "Number array";
    if (tzxlistWord == "Character Array")
        return "Character array";
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

template <class T>
std::string differs(const char* what, const T& shown, const T& listed)
{
    if (shown == listed)
        return {};
    std::ostringstream out;
    out << what << " is \"" << shown << "\" where tzxlist reads \"" << listed << '"';
    return out.str();
}

}  // namespace

const std::vector<Recipe>& recipes()
{
    static const std::vector<Recipe> all = {
        {"zmakebas_program_with_autostart",
         {"zmakebas"},
         kLoaderBasic + " && zmakebas -a 10 -n loader -o tape.tap loader.bas"},
        {"zmakebas_program_without_autostart_and_a_long_name",
         {"zmakebas"},
         kLoaderBasic + " && zmakebas -n averylongname -o tape.tap loader.bas"},
        {"zmakebas_labels_and_data",
         {"zmakebas"},
         kLabelsBasic + " && zmakebas -l -a @start -n labels -o tape.tap labels.bas"},
        {"pasmo_code_ending_in_0x1a",
         {"pasmo"},
         kOneByteCode + " && pasmo --tap --name code code.asm tape.tap >/dev/null",
         '\x1A'},
        {"pasmo_basic_loader_and_code",
         {"pasmo"},
         kBorderCode + " && pasmo --tapbas border.asm tape.tap >/dev/null"},
        {"tapeconv_from_a_pasmo_tzx",
         {"pasmo", "tapeconv"},
         kBorderCode + " && pasmo --tzxbas border.asm border.tzx >/dev/null"
                       " && tapeconv border.tzx tape.tap"},
        {"several_tools_joined",
         {"zmakebas", "pasmo", "tapeconv"},
         kLoaderBasic + " && " + kOneByteCode + " && " + kBorderCode +
             " && zmakebas -a 10 -n loader -o a.tap loader.bas"
             " && pasmo --tzxbas border.asm b.tzx >/dev/null && tapeconv b.tzx b.tap"
             " && pasmo --tap code.asm c.tap >/dev/null && cat a.tap b.tap c.tap >tape.tap"},
        {"the_bundled_sample",
         {},
         "cp '" MURAX_SOURCE_DIR "/resources/sample/murax-demo.tap' tape.tap"},
    };
    return all;
}

const Recipe& recipeNamed(const std::string& name)
{
    for (const Recipe& recipe : recipes())
        if (recipe.name == name)
            return recipe;
    throw std::invalid_argument("no recipe " + name);
}

std::string missingTool(const Recipe& recipe)
{
    for (const std::string& tool : recipe.tools)
        if (!toolInstalled(tool))
            return tool;
    return {};
}

std::string makeTape(const Recipe& recipe)
{
    int status = 0;
    const std::string output = runCommand("(" + recipe.script + ") 2>&1", status);
    if (status != 0)
        return recipe.script + ": " + output;
    return {};
}

std::vector<ListedBlock> tzxlistBlocks(const std::string& file, std::string& problem)
{
    int status = 0;
    const std::string listing = runCommand("tzxlist '" + file + "' 2>&1", status);
    std::vector<ListedBlock> blocks = parseTzxlist(listing);
    std::size_t passed = 0;
    for (std::size_t at = listing.find("(PASS)"); at != std::string::npos;
         at = listing.find("(PASS)", at + 1))
        ++passed;
    problem.clear();
    if (status != 0 || listing.find("FAIL") != std::string::npos || blocks.empty() ||
        passed != blocks.size())
        problem = "tzxlist does not pass every block:\n" + listing;
    return blocks;
}

std::string disagreementWithTzxlist(const BlockList& list, const std::vector<ListedBlock>& blocks)
{
    std::size_t entry = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b, ++entry) {
        if (entry >= list.count())
            return "tzxlist lists more blocks than the editor's entries";
        const std::string line = list.lines()[entry].str();
        const ListedBlock& block = blocks[b];
        std::string problem;
        if (line.size() != 52)
            problem = "the line is not 52 characters long";
        std::size_t entryBytes = static_cast<std::size_t>(block.blockLength) + 2;
        if (problem.empty() && block.header) {
            for (const std::string& found :
                 {differs("the name", line.substr(0, 10), block.name),
                  differs("the type", trimmed(line.substr(14, 15)), typeTextFor(block.typeWord)),
                  differs("the start value", numberIn(line, 36), block.parameter1),
                  differs("the length", numberIn(line, 47), block.zxLength)})
                if (problem.empty())
                    problem = found;
            // The header's entry also holds the block after it.
            if (b + 1 < blocks.size())
                entryBytes += static_cast<std::size_t>(blocks[++b].blockLength) + 2;
        } else if (problem.empty()) {
            for (const std::string& found :
                 {differs("the type", line.substr(0, 29), std::string(14, ' ') + "Data block     "),
                  differs("the start value", line.substr(29, 12), std::string(12, ' ')),
                  differs("the length", numberIn(line, 47), block.dataLength)})
                if (problem.empty())
                    problem = found;
        }
        if (problem.empty() && list.entries()[entry].size() != entryBytes)
            problem = "the entry's size differs";
        if (!problem.empty())
            return "entry " + std::to_string(entry + 1) + " (" + line + "): " + problem;
    }
    if (entry != list.count())
        return "the editor shows entries tzxlist does not list";
    return {};
}

}  // namespace murax::testing
