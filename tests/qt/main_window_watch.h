// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/main_window.h"

namespace murax::testing {

// While it lives, looks out for MAIN's window from inside the loop that runs it: once the window
// is up with row 1 selected, as the user first sees it, runs `act` on it, once. A window whose
// row 1 is never selected is closed with `act` undone, which the test notices on `acted`, and
// nothing hangs. Made before MAIN is called and kept until it has returned.
class MainWindowWatch {
public:
    explicit MainWindowWatch(std::function<void(MainWindow&)> act) : act_(std::move(act))
    {
        timer_.callOnTimeout([this] {
            auto* window = qobject_cast<MainWindow*>(QApplication::activeModalWidget());
            if (!window)
                return;
            timer_.stop();
            shown = true;
            BlockListView& list = *window->blockList();
            if (!QTest::qWaitFor(
                    [&list] { return list.selectedPositions() == std::vector<int>{1}; }, 2000)) {
                window->reject();
                return;
            }
            acted = true;
            act_(*window);
        });
        timer_.start(10);
    }
    MainWindowWatch(const MainWindowWatch&) = delete;
    MainWindowWatch& operator=(const MainWindowWatch&) = delete;

    bool shown = false;  // MAIN's window appeared
    bool acted = false;  // it showed row 1 selected, and `act` ran on it

private:
    std::function<void(MainWindow&)> act_;
    QTimer timer_;
};

}  // namespace murax::testing
