// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "seam/app_context.h"
#include "support/runtime_errors.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/recording_error_handler.h"
#include "tests/support/helpers/scratch_folder.h"

namespace murax::testing {

inline const std::string kTape = std::string("\x13\x00\x00\x03", 4) + "\x1A" + std::string(3, '\0');

// Records what the file layer raises; the handler's answer does not let the operation go on.
class FileIoTest : public ::testing::Test {
protected:
    std::size_t entriesIn(const std::filesystem::path& folder)
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }

    ScratchFolder scratch;
    RecordingErrorHandler errorRecorder_{RecordingErrorHandler::Answer::GiveUpOperation};
    std::vector<ErrorRecord>& raised = errorRecorder_.errors;
    FakeDesktop desktop;  // where a failed save tells of its safety copy
    AppContext app{desktop};
};

}  // namespace murax::testing
