// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <set>
#include <string>
#include <vector>

#include "seam/list_box.h"

namespace murax::testing {

// A list box that keeps the standard list box rules, as the real window's list does: a reload
// clears the selection and leaves no current row; select adds to the selection and moves the
// focus row.
class FakeListBox : public ListBox {
public:
    DisplayLines rows;
    std::set<int> selected;  // 1-based
    int focus = 0;           // 1-based, 0 when none
    int reloads = 0;
    int redrawSuspended = 0;       // depth
    std::vector<std::string> log;  // "reload", "select N", "suspend", "resume"

    int currentPosition() const override { return focus; }
    int count() const override { return static_cast<int>(rows.size()); }
    std::vector<int> selectedPositions() const override
    {
        return {selected.begin(), selected.end()};
    }
    void reload(const DisplayLines& lines) override
    {
        rows = lines;
        selected.clear();
        focus = 0;
        ++reloads;
        log.push_back("reload");
    }
    void select(int position) override
    {
        log.push_back("select " + std::to_string(position));
        if (position < 1 || position > count())
            return;
        selected.insert(position);
        focus = position;
    }
    void selectRows(const std::vector<int>& positions, int current) override
    {
        log.push_back("select rows");
        for (const int position : positions)
            if (position >= 1 && position <= count())
                selected.insert(position);
        if (current >= 1 && current <= count())
            focus = current;
    }
    void suspendRedraw() override
    {
        ++redrawSuspended;
        log.push_back("suspend");
    }
    void resumeRedraw() override
    {
        --redrawSuspended;
        log.push_back("resume");
    }

    // Test set-up: the rows as loaded, with these positions selected and the focus on `current`.
    void setState(const DisplayLines& lines, std::set<int> sel, int current)
    {
        rows = lines;
        selected = std::move(sel);
        focus = current;
    }
};

}  // namespace murax::testing
