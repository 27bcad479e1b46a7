// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "seam/desktop_services.h"
#include "seam/error_handler.h"
#include "tests/fakes/fake_desktop.h"

namespace murax::testing {

struct ProgramEnded {
    int status;
};

// A desktop that runs something of the test's while a message box is open, as the real
// desktop's modal loop may run the program's own handlers.
class ReentrantDesktop : public FakeDesktop {
public:
    std::function<void()> whileBoxIsOpen;
    int messageBox(const std::string& text, const std::string& title,
                   const MessageKindDescription& kind) override
    {
        if (whileBoxIsOpen)
            std::exchange(whileBoxIsOpen, nullptr)();
        return FakeDesktop::messageBox(text, title, kind);
    }
};

inline ErrorRecord record(int gencode, int oscode = 0, std::string file = {})
{
    ErrorRecord r;
    r.GENCODE = gencode;
    r.OSCODE = oscode;
    r.SUBSYSTEM = "BASE";
    r.FILENAME = std::move(file);
    return r;
}

class ErrorHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setExecutablePath("/usr/bin/murax");
        setProgramTerminator([this](int status) {
            endings.push_back(status);
            throw ProgramEnded{status};
        });
        setRecoveryHook(nullptr);
        resetNetworkErrorFlag();
        installErrorHandler(nullptr);
    }
    void TearDown() override
    {
        installErrorHandler(nullptr);
        setRecoveryHook(nullptr);
        setProgramTerminator(nullptr);
        setExecutablePath("");
    }

    // Hands the record to the handler and tells how it ended.
    std::string outcome(const ErrorRecord& r)
    {
        try {
            const ErrorResult result = DEFERROR(app, r);
            return result == ErrorResult::Zero ? "zero" : "false";
        } catch (const CommandAbandoned&) {
            return "abandoned";
        } catch (const ProgramEnded&) {
            return "ended";
        }
    }

    ReentrantDesktop fake;
    AppContext app{fake};
    std::vector<int> endings;
};

}  // namespace murax::testing
