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
#include "tests/support/helpers/scratch_folder.h"

namespace murax::testing {

inline const std::string kTape = std::string("\x13\x00\x00\x03", 4) + "\x1A" + std::string(3, '\0');

// Records what the file layer raises; the handler's answer does not let the operation go on.
class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        installErrorHandler([this](const ErrorRecord& r) {
            raised.push_back(r);
            return ErrorResult::Zero;
        });
    }
    void TearDown() override { installErrorHandler(nullptr); }

    std::size_t entriesIn(const std::filesystem::path& folder)
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()));
    }

    ScratchFolder scratch;
    std::vector<ErrorRecord> raised;
    FakeDesktop desktop;  // where a failed save tells of its safety copy
    AppContext app{desktop};
};

}  // namespace murax::testing
