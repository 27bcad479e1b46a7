// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tape/model/block_list.h"
#include "tests/realtapes/tzxlist_listing.h"

// The tapes made by tools we did not write, shared by the round trip through the commands and the
// one through the real window, and how the editor's list of such a tape is held against tzxlist.
namespace murax::testing {

// A tape made by a shell script from the tools it names; the script leaves it in tape.tap.
struct Recipe {
    const char* name;
    std::vector<std::string> tools;
    std::string script;
    // Where not 0, the byte the tape must end in: the recipe is there for it.
    char lastByte = 0;
};

// Names a recipe in the tests' names and messages, rather than its bytes.
inline void PrintTo(const Recipe& recipe, std::ostream* out)
{
    *out << recipe.name;
}

const std::vector<Recipe>& recipes();
const Recipe& recipeNamed(const std::string& name);

// The recipe's first tool that is not installed, or "" when all are.
std::string missingTool(const Recipe& recipe);

// Runs the recipe in the current directory: "" once it has made tape.tap, else what it said.
std::string makeTape(const Recipe& recipe);

// tzxlist's reading of `file`: its blocks, and in `problem` what was wrong with the listing
// (tzxlist failed, or a checksum did not pass), or "" when nothing was.
std::vector<ListedBlock> tzxlistBlocks(const std::string& file, std::string& problem);

// Where the editor's list of a tape disagrees with tzxlist's blocks of the same file, or "" where
// it agrees: one entry per header and its data block or per lone data block, with the same names,
// types, start values, lengths and entry sizes.
std::string disagreementWithTzxlist(const BlockList& list, const std::vector<ListedBlock>& blocks);

}  // namespace murax::testing
