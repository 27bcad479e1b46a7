// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fuzz/reference_tape.h"

// What the block list and its list box must hold after each editing command, worked out step by
// step from the commands' rules, independently of the editor's code.
namespace murax::fuzz {

struct ExpectedList {
    std::vector<ReferenceEntry> entries;
    std::set<int> selected;  // positions, from 1
    int focus = 0;           // the current row, 0 when there is none

    int count() const { return static_cast<int>(entries.size()); }
    std::string joined() const;

    // A reload (no selection, no current row), then row p selected where it exists.
    void reloadAndSelect(int p);
    // A reload, then the `n` rows from `first` on selected, the first of them current.
    void reloadAndSelectRun(int first, int n);

    // What became of an edit: made (a reload, even when it changed nothing), nothing at all, or
    // refused because the tape saved would not load back as the entries shown (the user is told;
    // rows and list as they were).
    enum class Outcome { Done, Nothing, Refused };

    // Delete after the question was answered Yes.
    Outcome deleteSelected();
    // Move up (step -1) or down (+1).
    Outcome move(int step);
    // Add (at the end) or Insert (at the current row) of a file's entries.
    Outcome add(const std::vector<ReferenceEntry>& added, bool insert);
    // Paste: before the current row, or at the end without one; the pasted rows selected.
    Outcome paste(const std::vector<ReferenceEntry>& pasted);
    // The selected rows dragged as one run to the place before row `before`.
    Outcome drag(int before);
    // Rename of the current entry, which must be a standard header; `typed` is the dialog's text.
    void rename(const std::string& typed);
    // The current entry replaced by the hex editor's bytes (not empty).
    Outcome replaceCurrent(const std::string& bytes);

private:
    // The list becomes `candidate`, each header without its data that stands before an entry
    // that is not a header taking that entry as its data, unless the bytes so joined would load
    // back as other entries.
    Outcome become(std::vector<ReferenceEntry> candidate);
    // Where the entry at `p` (from 1) of the last candidate stands in the list it became.
    int placed(int p) const;

    std::vector<int> paired_;  // the candidate's positions, from 1, of headers that took data
};

// The name field's opening text: the name up to its first 0x00 byte, trailing spaces removed.
std::string expectedFieldText(const std::string& name);

}  // namespace murax::fuzz
