// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "qt/program_fonts.h"
#include "seam/app_context.h"
#include "support/runtime_errors.h"
#include "tape/model/block_list.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/helpers/recording_error_handler.h"

namespace murax::testing {

// What the tests of the real window share, offscreen: the program's fonts, a fresh scripted
// desktop for each test, a scratch folder of its own that is also the current directory, and the
// window showing a tape as the start-up load leaves it. The QTest class derives from it and calls
// prepareWindowTests() from initTestCase(), beginWindowTest() from init() and endWindowTest()
// from cleanup().
template <class DesktopType = FakeDesktop>
class WindowTest {
protected:
    static void prepareWindowTests() { installFontSubstitutions(); }

    void beginWindowTest()
    {
        fake_ = DesktopType();
        dir_ = std::make_unique<ScratchCurrentDirectory>();
        QVERIFY(dir_->isValid());
    }

    void endWindowTest()
    {
        // A window that should not have stayed up must not block the next test.
        if (auto* window = qobject_cast<MainWindow*>(QApplication::activeModalWidget()))
            window->reject();
        window_.reset();
        list_.clear();
        errorRecorder_.reset();
        dir_.reset();
    }

    // Until the test ends, every runtime error is noted and abandons its command, for tests in
    // which none is expected; the errors noted so far.
    void noteErrorsAndAbandon() { errorRecorder_.emplace(); }
    const std::vector<ErrorRecord>& notedErrors() const { return errorRecorder_->errors; }

    QString tapePath() const { return dir_->filePath("game.tap"); }

    // Writes `tape` to `path` and shows it in the window, as the start-up load leaves it; the
    // window's commands use `app`, the fake desktop's context unless another is given.
    void openWindow(const QString& path, const std::string& tape, AppContext* app = nullptr)
    {
        QVERIFY(showTapeInWindow(app ? *app : app_, path, tape, list_, window_));
    }
    void openWindow(const std::string& tape) { openWindow(tapePath(), tape); }

    BlockListView& view() { return *window_->blockList(); }

    DesktopType fake_;
    AppContext app_{fake_};
    std::unique_ptr<ScratchCurrentDirectory> dir_;
    BlockList list_;
    std::unique_ptr<MainWindow> window_;

private:
    std::optional<RecordingErrorHandler> errorRecorder_;
};

}  // namespace murax::testing
